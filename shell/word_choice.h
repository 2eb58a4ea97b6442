// Picking an option's value out of a fixed list of words.
#ifndef QX_SHELL_WORD_CHOICE_H
#define QX_SHELL_WORD_CHOICE_H

#include <initializer_list>

namespace qx::shell {

// The position in `words` of the first one equal to `text` with the letters
// A to Z taken as a to z; -1 when none is.
int word_index(const char* text, std::initializer_list<const char*> words);

}  // namespace qx::shell

#endif  // QX_SHELL_WORD_CHOICE_H
