// `locate -i PD [-a on|off] [-o WORD]`: switch a disk's locate LED.
#include <cstdint>

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

using shell::Arg;
const shell::OptionTable kOptions{
    {'o', "object", Arg::kRequired, shell::kOnce},
    {'i', "id", Arg::kRequired, shell::kOnce},
    {'a', "action", Arg::kRequired, shell::kOnce},
    shell::kOutputEntry,
    shell::kHelpEntry,
};

}  // namespace

uint32_t cmd_locate(int argc, char** argv, const CommandEntry& self) {
  uint16_t pd = 0;
  uint8_t led = QX_LED_ON;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int option; (option = scan.next()) != -1;) {
    switch (option) {
      case shell::kOutputOption:
      case 'o': break;  // any object word: only the LED of a PD can be switched
      case 'i':
        if (shell::is_decimal_number(scan.arg()))
          pd = static_cast<uint16_t>(shell::decimal_value(scan.arg()));
        else if (shell::is_hex_number(scan.arg()))
          pd = static_cast<uint16_t>(shell::hex_value(scan.arg()));
        else {
          shell::print_text("-i: id should be a number\n");
          return 1;
        }
        break;
      case 'a':
        if (shell::equals_ignoring_case(scan.arg(), "on"))
          led = QX_LED_ON;
        else if (shell::equals_ignoring_case(scan.arg(), "off"))
          led = QX_LED_OFF;
        else {
          shell::print("-a: invalid action '%s'\n", scan.arg());
          return 1;
        }
        break;
      default: return shell::other_option(option, self);
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();
  if (!scan.given('i')) {
    shell::print_text("missing PD id\n");
    return 1;
  }
  const uint8_t result = QX_LocateArrayDevice(shell::state().current_adapter, QX_LOCATE_PD, pd, led);
  if (result != kOk)
    shell::print("Failed to set LED status (error %d: %s)\n", result, status_text(result));
  else
    shell::print("Success to set PD %d LED status \n", pd);
  return result;
}

}  // namespace qx::commands
