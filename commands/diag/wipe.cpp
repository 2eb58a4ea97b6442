// `wipe`: erases the configuration data the adapter keeps on a disk.
#include <cstdint>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/diag/diag_values.h"
#include "commands/handlers.h"
#include "shell/handler_support.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

const shell::OptionTable kOptions{{'d', "pdid", shell::Arg::kRequired, shell::kOnce, shell::kMustGive},
                                  {'f', "force", shell::Arg::kNone, shell::kRepeats},
                                  shell::kOutputEntry,
                                  shell::kHelpEntry};

}  // namespace

uint32_t cmd_wipe(int argc, char** argv, const CommandEntry& self) {
  int32_t pd = 0;
  uint8_t force = 0;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int code; (code = scan.next()) != -1;) {
    switch (code) {
      case shell::kOutputOption: break;
      case 'd':
        if (!shell::require_decimal(scan.arg(), "-d : invalid PD id '%s'\n", scan.arg())) return 1;
        pd = shell::decimal_value(scan.arg());
        break;
      case 'f': force = 1; break;
      default: return shell::other_option(code, self);
    }
  }
  if (pd_id_refused(pd)) return 1;
  if (scan.duplicated()) return shell::duplicated_option();
  if (scan.report_missing(self)) return 1;

  const uint8_t status = QX_PD_WipeHDRMD(shell::state().current_adapter, static_cast<uint16_t>(pd), force);
  if (status == kOk)
    shell::print("\nWipe PD %d is returned successfully.\n", pd);
  else
    shell::print("\nWipe RMD on PD %d failed %s.\n", pd, error_report(status).c_str());
  return status;
}

}  // namespace qx::commands
