// `error -c CODE`: the text of a library status.
#include "api/status.h"
#include "commands/handlers.h"
#include "shell/getopt.h"
#include "shell/handler_support.h"
#include "shell/output.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

constexpr long kHighestCode = 255;

// No long `help` here: `error --help` is an unrecognized option.
const shell::LongOption kOptions[] = {
    {"controller", shell::kRequiredArgument, nullptr, 'c'},
    shell::kOutputLongOption,
    shell::kEndOfLongOptions,
};

}  // namespace

uint32_t cmd_error(int argc, char** argv, const CommandEntry& self) {
  int code_count = 0;
  long code = 0;
  shell::start_options();
  for (int option; (option = shell::next_option(argc, argv, "c:" QX_OUTPUT_OPTION "h", kOptions)) != -1;) {
    switch (option) {
      case shell::kOutputOption:
        break;
      case 'c':
        ++code_count;
        if (!shell::require_decimal(shell::option_arg(), "-c : id should be a number\n")) return 1;
        code = shell::decimal_value(shell::option_arg());
        if (code > kHighestCode) {
          shell::print("Invalid error code\n");
          return 1;
        }
        break;
      case '?':
        return 1;
      default:
        return shell::print_command_help(self);
    }
  }
  if (code_count > 1) return shell::duplicated_option();
  if (code_count == 0) return shell::missing_option(self, 'c');

  const auto status = static_cast<uint8_t>(code);
  shell::print("\nError code %d: %s.\n", status, status_text(status));
  return 0;
}

}  // namespace qx::commands
