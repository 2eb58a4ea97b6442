// Questions to the user, answered with y or n on standard input. The
// question goes to the output stream; the answer is read character by
// character from the same standard input the interactive shell reads its
// lines from.
#ifndef QX_SHELL_CONFIRM_H
#define QX_SHELL_CONFIRM_H

#include <cstdio>

namespace qx::shell {

// Asks `question` until the user says yes or no. Only the first character
// of an answer line counts and the rest of the line is read away, so that
// the next read starts on a fresh line. An unclear answer gets a reminder
// and another read, not the question again. Input that ends answers no: a
// script that runs out of answers must never have agreed to anything.
bool ask_yes_no(const char* question, std::FILE* in = stdin);

// Asks `question` once and goes on unless told not to: one character is
// read, and then the line end after it; only 'n' or 'N' declines, any other
// answer (an empty line too) goes on. The end of input declines.
bool ask_unless_declined(const char* question, std::FILE* in = stdin);

}  // namespace qx::shell

#endif  // QX_SHELL_CONFIRM_H
