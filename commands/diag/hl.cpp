// `hl`: the tier VD behind an OS disk number.
#include <cstdint>
#include <cstdio>
#include <string>

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

const shell::OptionTable kOptions{{'o', "object", shell::Arg::kRequired, shell::kRepeats},
                                  shell::kOutputEntry,
                                  {'d', "disknumber", shell::Arg::kRequired, shell::kRepeats},
                                  {'h', nullptr, shell::Arg::kNone, shell::kRepeats}};

}  // namespace

uint32_t cmd_hl(int argc, char** argv, const CommandEntry& self) {
  int32_t disk = 0;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int code; (code = scan.next()) != -1;) {
    const char* arg = scan.arg();
    switch (code) {
      case 'o':
        if (!shell::equals_ignoring_case(arg, "vd")) {
          shell::print("-o : invalid object '%s', should be vd\n", arg);
          return 1;
        }
        break;
      case 'd':
        if (!shell::is_decimal_number(arg)) {
          shell::print("-d : disk number is not a number\n");
          return 1;
        }
        disk = shell::decimal_value(arg);
        break;
      case shell::kOutputOption: break;
      default: return shell::other_option(code, self);
    }
  }
  if (!scan.given('d')) return shell::missing_option(self, 'd');
  if (!scan.given('o')) return shell::missing_option(self, 'o');
  QX_OS_DISK_MAP link{};
  std::snprintf(link.disk_number, sizeof link.disk_number, "%d", disk);
  const uint8_t status = QX_Tier_GetVDLink(shell::state().current_adapter, 1, &link);
  if (status != kOk) {
    shell::print("\nFailed to get tier VD information (error %d: %s).\n", status, status_text(status));
    return status;
  }
  shell::print("Disk: %s\n", ("PhysicalDisk" + std::string(link.disk_number)).c_str());
  shell::print("VD: %d\n", link.id);
  return 0;
}

}  // namespace qx::commands
