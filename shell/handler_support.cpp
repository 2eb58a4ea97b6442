#include "shell/handler_support.h"

#include <cstdarg>

#include "shell/output.h"
#include "shell/values.h"

namespace qx::shell {

uint32_t print_command_help(const CommandEntry& self) {
  print_text("Description");
  print_text(self.brief);
  print_text(self.help);
  return 0;
}

uint32_t duplicated_option() {
  print("Duplicated option specified.\n");
  return 1;
}

uint32_t missing_option(const CommandEntry& self, char letter) {
  print("%s: option -%c is required\n", self.name, letter);
  return 1;
}

bool require_decimal(const char* arg, const char* fmt, ...) {
  if (arg != nullptr && is_decimal_number(arg)) return true;
  va_list args;
  va_start(args, fmt);
  vprint(fmt, args);
  va_end(args);
  return false;
}

}  // namespace qx::shell
