// `adapter [-i id]`: show the adapters and the current one, or make another
// adapter current.
#include "api/qx_api.h"
#include "commands/handlers.h"
#include "shell/gating.h"
#include "shell/handler_support.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

const shell::OptionTable kOptions{
    {'i', "id", shell::Arg::kRequired, shell::kOnce},
    shell::kOutputEntry,
    shell::kHelpEntry,
};

}  // namespace

uint32_t cmd_adapter(int argc, char** argv, const CommandEntry& self) {
  shell::ShellState& s = shell::state();
  uint8_t id = 0;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int option; (option = scan.next()) != -1;) {
    switch (option) {
      case shell::kOutputOption:
        break;
      case 'i': {
        const char* arg = scan.arg();
        if (!shell::require_decimal(arg, "-i : invalid adapter id '%s'\n", arg)) return 1;
        id = static_cast<uint8_t>(shell::decimal_value(arg) & 0xFF);
        if (id >= s.adapter_count) {
          shell::print("Adapter %s does not exist.\n", arg);
          return 1;
        }
        break;
      }
      default:
        return shell::other_option(option, self);
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();

  if (scan.given('i')) {
    // The tables follow the new adapter; the commands it offers are not
    // gated again.
    s.current_adapter = id;
    shell::select_command_tables();
    return 0;
  }
  // The shell holds the records of at most this many adapters.
  uint8_t count = QX_Adapter_GetCount();
  if (count > shell::kMaxAdapters) count = shell::kMaxAdapters;
  s.adapter_count = count;
  shell::print("Total number of adapters: %d\n", s.adapter_count);
  shell::print("Current default adapter ID for CLI commands: %d\n", s.current_adapter);
  return 0;
}

}  // namespace qx::commands
