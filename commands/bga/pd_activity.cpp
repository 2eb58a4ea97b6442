#include "commands/bga/pd_activity.h"

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/bga/steer.h"
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
    {'a', "action", Arg::kRequired, shell::kOnce, shell::kMustGive},
    {'d', "pdid", Arg::kRequired, shell::kOnce, shell::kMustGive},
    shell::kOutputEntry,
    shell::kHelpEntry,
};

constexpr int32_t kFirstRefusedId = 255;

}  // namespace

std::optional<PdActivityOptions> parse_pd_activity(int argc, char** argv, const shell::CommandEntry& self,
                                                   const PdActivityParse& how, uint32_t& result) {
  result = 1;
  PdActivityOptions o;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int option; (option = scan.next()) != -1;) {
    switch (option) {
      case shell::kOutputOption: break;
      case 'a': {
        const uint8_t code = shell::bga_action_code(scan.arg());
        if (code == shell::kNoCode || (how.actions & silent(code)) == 0) {
          shell::print("-a : invalid action '%s'\n", scan.arg());
          return std::nullopt;
        }
        o.action = code;
        o.typed = scan.arg();
        break;
      }
      case 'd':
        if (!shell::require_decimal(scan.arg(), "%s", how.pd_message)) return std::nullopt;
        o.pd = shell::decimal_value(scan.arg());
        break;
      default: result = shell::other_option(option, self); return std::nullopt;
    }
  }
  if (scan.duplicated()) {
    shell::duplicated_option();
    return std::nullopt;
  }
  if (how.limits_id && scan.given('d') && o.pd >= kFirstRefusedId) {
    shell::print("-i : invalid id %d\n", o.pd);
    return std::nullopt;
  }
  if (scan.report_missing(self)) return std::nullopt;
  result = 0;
  return o;
}

uint32_t start_pd_activity(uint16_t pd, const QX_PD_BGA_STATUS& bga, PdRefusal refusal, PdStartCall start,
                           const char* start_failed) {
  if (bga.activity != 0) {
    shell::print("\nPD %d is currently having background activity.\n", pd);
    return 0;
  }
  const uint8_t adapter = shell::state().current_adapter;
  QX_PD_RAID_STATUS raid{};
  if (const uint8_t read = shell::query_one(QX_PD_GetHDRaidStatus, adapter, pd, raid)) {
    shell::print("\nUnable to get status of PD %d.\n", pd);
    return read;
  }
  if (std::optional<uint32_t> refused = refusal(pd, raid.flags)) return *refused;
  const uint8_t result = start(adapter, pd);
  if (result != kOk) print_message(start_failed, pd, result, status_text(result));
  return result;
}

}  // namespace qx::commands
