// Questions to the user, answered with y or n on standard input. The
// question goes to the output stream; the answer is read character by
// character from the same standard input the interactive shell reads its
// lines from.
#ifndef QX_SHELL_CONFIRM_H
#define QX_SHELL_CONFIRM_H

#include <cstdio>

namespace qx::shell {

// Asks `question` until it is answered: one character is read and the rest
// of its line discarded; 'y' or 'Y' is yes, 'n' or 'N' no, and anything else
// prints "Please input y or n.\n" and reads the next answer without asking
// again. The end of input answers no.
bool ask_yes_no(const char* question, std::FILE* in = stdin);

// Asks `question` once and goes on unless told not to: one character is
// read, and then the line end after it; only 'n' or 'N' declines, any other
// answer (an empty line too) goes on. The end of input declines.
bool ask_unless_declined(const char* question, std::FILE* in = stdin);

}  // namespace qx::shell

#endif  // QX_SHELL_CONFIRM_H
