// `import -i ID`: imports a VD, a foreign one for instance, by its id
// (decimal or 0x hexadecimal).
#include "api/qx_api.h"
#include "api/status.h"
#include "commands/handlers.h"
#include "shell/handler_support.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

constexpr long kNoId = 255;  // ids from here on are refused

using shell::Arg;
const shell::OptionTable kOptions{
    {'i', "id", Arg::kRequired, shell::kOnce},
    shell::kOutputEntry,
    shell::kHelpEntry,
};

}  // namespace

uint32_t cmd_import(int argc, char** argv, const CommandEntry& self) {
  shell::OptionScan scan(kOptions, argc, argv);
  long id = kNoId;
  for (int option; (option = scan.next()) != -1;) {
    if (option == shell::kOutputOption) continue;
    if (option != 'i') return shell::print_command_help(self);  // a refused option too
    const char* arg = scan.arg();
    if (shell::is_hex_number(arg)) {
      id = static_cast<long>(shell::hex_value(arg));
    } else if (shell::is_decimal_number(arg) && *arg != '\0') {
      id = shell::decimal_value(arg);
    } else {
      shell::print("-i: id should be a number\n");
      break;
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();
  if (id >= kNoId || id < 0) {
    shell::print("-i : invalid id %d\n", static_cast<int>(id));
    return 1;
  }
  if (!scan.given('i')) {
    shell::print("missing VD id\n");
    return 1;
  }
  const uint8_t status = QX_LD_Import(shell::state().current_adapter, static_cast<uint16_t>(id));
  if (status != kOk) shell::print("Failed to import VD %s\n", error_report(status).c_str());
  return status;
}

}  // namespace qx::commands
