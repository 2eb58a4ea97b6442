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
  if (answer != '\n') std::getc(in);  // the line end
  return answer != 'n' && answer != 'N';
}

}  // namespace qx::shell
