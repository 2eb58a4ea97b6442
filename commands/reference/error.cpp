// `error -c CODE`: the text of a library status.
#include "api/status.h"
#include "commands/handlers.h"
#include "shell/handler_support.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

constexpr long kHighestCode = 255;

// No long `help` here: `error --help` is an unrecognized option.
const shell::OptionTable kOptions{
    {'c', "controller", shell::Arg::kRequired, shell::kOnce, shell::kMustGive},
    shell::kOutputEntry,
    {'h', nullptr, shell::Arg::kNone, shell::kRepeats},
};

}  // namespace

uint32_t cmd_error(int argc, char** argv, const CommandEntry& self) {
  long code = 0;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int option; (option = scan.next()) != -1;) {
    switch (option) {
      case shell::kOutputOption:
        break;
      case 'c':
        if (!shell::require_decimal(scan.arg(), "-c : id should be a number\n")) return 1;
        code = shell::decimal_value(scan.arg());
        if (code > kHighestCode) {
          shell::print("Invalid error code\n");
          return 1;
        }
        break;
      default:
        return shell::other_option(option, self);
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();
  if (scan.report_missing(self)) return 1;

  const auto status = static_cast<uint8_t>(code);
  shell::print("\nError code %d: %s.\n", status, status_text(status));
  return 0;
}

}  // namespace qx::commands
