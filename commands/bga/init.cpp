// `init -l ID [-o vd] [-a start|pause|resume|stop]`: a full initialization of
// a VD, and steering it.
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
    {'t', nullptr, Arg::kRequired, shell::kRepeats},
    shell::kOutputEntry,
    shell::kHelpEntry,
};

bool is_initialization(uint8_t type) {
  return type == QX_BGA_INIT_FOREGROUND || type == QX_BGA_INIT_BACKGROUND || type == QX_BGA_INIT_QUICK;
}

const VdActivityCommand kInit{
    "Full initialization for RAID 0 is not supported.\n",
    "\nVD %d is currently having background activities.\n",
    "Init VD will stop Media patrol on PD. Do you want to continue?(y or n)\n",
    "\nUnable to start initialization on VD %d (error %d: %s).\n",
    "Start initialization successfully\n",
    {is_initialization,
     {"\nVD %d is not initializing.\n", "\nUnable to pause initialization on VD %d (error %d: %s).\n",
      "\nUnable to resume initialization on Ld %d (error %d: %s).\n",
      "\nUnable to abort initialization on VD %d (error %d: %s).\n", "\nVD %d is initializing.\n",
      "\nVD %d initialization is in pause state, you can resume it only.\n",
      "\nVD %d is not having any background activity.\n"},
     QX_LD_BGAControl},
};

}  // namespace

uint32_t cmd_init(int argc, char** argv, const CommandEntry& self) {
  uint8_t action = QX_BGA_ACTION_START;
  uint16_t id = 0;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int option; (option = scan.next()) != -1;) {
    switch (option) {
      case shell::kOutputOption: break;
      case 'o':
        if (!names_vd(scan.arg(), "-o : invalid object '%s'\n")) return 1;
        break;
      case 'a':
        if (!read_bga_action(scan.arg(), action)) return 1;
        break;
      case 'l':
        if (!shell::require_decimal(scan.arg(), "-l : VD id should be a number\n")) return 1;
        id = static_cast<uint16_t>(shell::decimal_value(scan.arg()));
        break;
      case '?': return 1;
      default: return shell::print_command_help(self);  // -h, and -t, which init has no use for
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();
  if (scan.report_missing(self)) return 1;
  return run_vd_activity(kInit, id, action,
                         [](uint8_t adapter, uint16_t vd, uint8_t mode) { return QX_LD_StartINIT(adapter, vd, mode); },
                         QX_INIT_FULL);
}

}  // namespace qx::commands
