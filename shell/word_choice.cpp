#include "shell/word_choice.h"

#include "shell/values.h"

namespace qx::shell {

int word_index(const char* text, std::initializer_list<const char*> words) {
  int index = 0;
  for (const char* word : words) {
    if (equals_ignoring_case(text, word)) return index;
    ++index;
  }
  return -1;
}

}  // namespace qx::shell
