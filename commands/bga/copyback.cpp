// `copyback -l ARRAY -a pause|resume`: steer the copy back that returns a
// spare's data to the disk that replaced a member.
#include <cstdint>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/bga/steer.h"
#include "commands/handlers.h"
#include "shell/handler_support.h"
#include "shell/list_query.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

using shell::Arg;
const shell::OptionTable kOptions{
    {'a', "action", Arg::kRequired, shell::kOnce},
    {'l', "id", Arg::kRequired, shell::kOnce},
    {'d', nullptr, Arg::kRequired, shell::kRepeats},
    shell::kOutputEntry,
    shell::kHelpEntry,
};

bool is_copy_back(uint8_t type) { return type == QX_BGA_COPY_BACK; }

constexpr SteerTable kSteer{
    is_copy_back,
    {"\nArray %d is not doing copy back.\n", "\nUnable to pause copyback on array %d (error %d: %s)\n",
     "\nCopy back can not be resumed on array %d (error %d: %s)\n", nullptr,
     "\nArray %d is currently doing copy back.\n", "\narray %d copy back is currently paused\n",
     "\nArray %d is not doing any background operation.\n"},
    QX_DG_BGAControl,
    silent(QX_BGA_ACTION_PAUSE),
    silent(QX_BGA_ACTION_RESUME),
};

}  // namespace

uint32_t cmd_copyback(int argc, char** argv, const CommandEntry& self) {
  uint8_t action = 0;
  uint16_t id = 0;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int option; (option = scan.next()) != -1;) {
    switch (option) {
      case shell::kOutputOption: break;
      case 'a':
        action = shell::bga_action_code(scan.arg());
        if (action != QX_BGA_ACTION_PAUSE && action != QX_BGA_ACTION_RESUME) {
          shell::print("-a : invalid action '%s'\n", scan.arg());
          return 1;
        }
        break;
      case 'l':
        if (!shell::require_decimal(scan.arg(), "-l : VD id should be a number\n")) return 1;
        id = static_cast<uint16_t>(shell::decimal_value(scan.arg()));
        break;
      default: return shell::other_option(option, self);  // -h, and -d, which shows the help too
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();
  if (!scan.given('l')) return shell::missing_option(self, 'l');
  if (!scan.given('a')) return shell::missing_option(self, 'a');
  QX_ARRAY_INFO array{};
  if (const uint8_t read = shell::query_one(QX_DG_GetInfo, shell::state().current_adapter, id, array)) {
    shell::print("Unable to get info of array %d (error %d: %s).\n", id, read, status_text(read));
    return 1;
  }
  return steer_bga(kSteer, id, static_cast<uint8_t>(array.bga_type), array.bga_state, action);
}

}  // namespace qx::commands
