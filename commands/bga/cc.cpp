// `cc -l ID [-o vd] [-a start|pause|resume|stop] [-t sync|check]`: a
// consistency check of a VD (one that fixes what it finds, or one that only
// checks), and steering it.
#include <cstdint>

#include "api/qx_api.h"
#include "commands/bga/vd_activity.h"
#include "commands/handlers.h"
#include "shell/handler_support.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

using shell::Arg;
const shell::OptionTable kOptions{
    {'o', "object", Arg::kRequired, shell::kOnce},
    {'a', "action", Arg::kRequired, shell::kOnce},
    {'l', "id", Arg::kRequired, shell::kOnce, shell::kMustGive},
    {'t', "type", Arg::kRequired, shell::kOnce},
    shell::kOutputEntry,
    shell::kHelpEntry,
};

bool is_consistency_check(uint8_t type) { return type == QX_BGA_SYNCHRONIZE || type == QX_BGA_REDUNDANCY_CHECK; }

constexpr SteerTable kSteer{
    is_consistency_check,
    {"\nVD %d is not in consistency check mode.\n", "\nPause Consistency check on VD %d failed (error %d: %s).\n",
     "\nUnable to resume consistency chec on VD %d (error %d: %s).\n",
     "\nAbort Consistency check on VD %d failed (error %d: %s).\n", "\nVD %d is having consistency check.\n",
     "\nConsistency check on VD %d is paused, resume it first.\n", "\nVD %d is not having any background activity.\n"},
    QX_LD_BGAControl,
};

VdActivityCommand command_for(uint8_t fix) {
  return {"Consistency check for RAID 0 is not supported.\n",
          "\nVD %d is having background activities.\n",
          fix == QX_CHECK_AND_FIX ? "Fix VD will stop Media patrol on PD. Do you want to continue?(y or n)\n"
                                  : "Check VD will stop Media patrol on PD. Do you want to continue?(y or n)\n",
          "\nUnable to start consistency on VD %d (error %d: %s)\n",
          "Start consistency\n",
          kSteer};
}

}  // namespace

uint32_t cmd_cc(int argc, char** argv, const CommandEntry& self) {
  if (argc <= 1) {
    shell::print_command_help(self);
    return 1;
  }
  uint8_t action = QX_BGA_ACTION_START;
  uint8_t fix = QX_CHECK_AND_FIX;
  uint16_t id = 0;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int option; (option = scan.next()) != -1;) {
    switch (option) {
      case shell::kOutputOption: break;
      case 'o':
        if (!names_vd(scan.arg(), "-o : invalid object '%s', should be VD\n")) return 1;
        break;
      case 'a':
        if (!read_bga_action(scan.arg(), action)) return 1;
        break;
      case 'l':
        if (!shell::require_decimal(scan.arg(), "-l : invalid vd '%s'\n", scan.arg())) return 1;
        id = static_cast<uint16_t>(shell::decimal_value(scan.arg()));
        break;
      case 't':
        if (shell::equals_ignoring_case(scan.arg(), "sync")) {
          fix = QX_CHECK_AND_FIX;
        } else if (shell::equals_ignoring_case(scan.arg(), "check")) {
          fix = QX_CHECK_ONLY;
        } else {
          shell::print("-t : invalid argument '%s'\n", scan.arg());
          return 1;
        }
        break;
      case '?': return 1;
      default: return shell::print_command_help(self);
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();
  if (scan.report_missing(self)) return 1;
  return run_vd_activity(
      command_for(fix), id, action,
      [](uint8_t adapter, uint16_t vd, uint8_t f) { return QX_LD_StartConsistencyCheck(adapter, vd, f); }, fix);
}

}  // namespace qx::commands
