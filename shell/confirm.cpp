#include "shell/confirm.h"

#include "shell/output.h"
#include "shell/state.h"

namespace qx::shell {

namespace {

// Shows the question before waiting for its answer.
void ask(const char* question) {
  print_text(question);
  std::fflush(state().out);
}

// Reads the line end after a one-character answer: "\r\n" counts as one,
// as "\n" does; any other character is taken as the line end, as "\n" is.
void read_line_end(std::FILE* in) {
  if (std::getc(in) != '\r') return;
  const int next = std::getc(in);
  if (next != '\n' && next != EOF) std::ungetc(next, in);
}

}  // namespace

bool ask_yes_no(const char* question, std::FILE* in) {
  ask(question);
  for (;;) {
    const int answer = std::getc(in);
    if (answer == EOF) return false;
    for (int c = answer; c != '\n' && c != EOF;) c = std::getc(in);
    if (answer == 'y' || answer == 'Y') return true;
    if (answer == 'n' || answer == 'N') return false;
    print_text("Please input y or n.\n");
    std::fflush(state().out);
  }
}

bool ask_unless_declined(const char* question, std::FILE* in) {
  ask(question);
  const int answer = std::getc(in);
  if (answer == EOF) return false;
  if (answer != '\n') read_line_end(in);
  return answer != 'n' && answer != 'N';
}

}  // namespace qx::shell
