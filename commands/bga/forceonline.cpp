// `forceonline -i PD [-p PERCENT]`: force an offline disk online.
#include <algorithm>
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
    {'i', "pdid", Arg::kRequired, shell::kOnce, shell::kMustGive},
    {'p', "percentage", Arg::kRequired, shell::kOnce},
    shell::kOutputEntry,
    shell::kHelpEntry,
};

constexpr int32_t kHighestPdId = 255;  // the call takes the id in one byte: larger ids are clamped
constexpr int32_t kPercentStep = 10;

}  // namespace

uint32_t cmd_forceonline(int argc, char** argv, const CommandEntry& self) {
  uint8_t pd = 0;
  uint8_t code = QX_FORCE_ONLINE_NO_PERCENTAGE;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int option; (option = scan.next()) != -1;) {
    switch (option) {
      case shell::kOutputOption: break;
      case 'i':
        if (!shell::require_decimal(scan.arg(), "-i : invalid id '%s'\n", scan.arg())) return 1;
        pd = static_cast<uint8_t>(std::min(shell::decimal_value(scan.arg()), kHighestPdId));
        break;
      case 'p': {
        if (!shell::require_decimal(scan.arg(), "-p : invalid percentage '%s'\n", scan.arg())) return 1;
        const int32_t percent = shell::decimal_value(scan.arg());
        if (percent % kPercentStep != 0 || percent > 100) {
          shell::print("-p : invalid percentage '%s', available percentage include 10 20 30 40 50 60 70 80 90 100\n",
                       scan.arg());
          return 1;
        }
        code = static_cast<uint8_t>(percent / kPercentStep);
        break;
      }
      default: return shell::other_option(option, self);
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();
  if (scan.report_missing(self)) return 1;
  QX_FORCE_ONLINE request{};
  request.command = QX_FORCE_ONLINE_COMMAND;
  const uint8_t result = QX_AES_ForcePDOnline(shell::state().current_adapter, &request, pd, code);
  if (result != kOk)
    shell::print("\nForce online PD %d failed (error %d: %s).\n", pd, result, status_text(result));
  else
    shell::print("\nForce online PD %d is returned successfully.\n", pd);
  return result;
}

}  // namespace qx::commands
