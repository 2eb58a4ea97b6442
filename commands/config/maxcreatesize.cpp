// `maxcreatesize -r LEVEL -d ID,ID,... [-q N] [-g 0|1|10]`: asks the adapter
// how large a VD of a level on some disks can be, without building it.
#include <cstring>

#include "api/qx_api.h"
#include "api/raid_levels.h"
#include "api/status.h"
#include "commands/config/create_checks.h"
#include "commands/handlers.h"
#include "shell/handler_support.h"
#include "shell/list_query.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

constexpr uint16_t kDefaultStripeKb = 64;
constexpr uint16_t kParityStripeKb = 16;  // the levels that compute parity or spread mirrors
constexpr char kRequestName[] = "Virtual raid";

using shell::Arg;
const shell::OptionTable kOptions{
    {'n', nullptr, Arg::kRequired, shell::kRepeats},
    {'r', "raidmode", Arg::kRequired, shell::kOnce, shell::kMustGive},
    {'q', "paritydisks", Arg::kRequired, shell::kOnce},
    {'d', "pdid", Arg::kRequired, shell::kOnce, shell::kMustGive},
    {'b', nullptr, Arg::kRequired, shell::kRepeats},
    {'s', nullptr, Arg::kRequired, shell::kRepeats},
    {'w', nullptr, Arg::kRequired, shell::kRepeats},
    {'p', nullptr, Arg::kRequired, shell::kRepeats},
    {'g', "gbrounding", Arg::kRequired, shell::kRepeats},
    {'i', nullptr, Arg::kRequired, shell::kRepeats},
    shell::kHelpEntry,
};

// "-d 1,x,1": every piece is read as a number, none checked or dropped.
void read_pd_list(const char* list, QX_CREATE_VD_REQUEST& r) {
  for (const char* at = list; r.pd_count < QX_MAX_CREATE_PDS;) {
    r.pd_ids[r.pd_count++] = static_cast<uint16_t>(shell::decimal_value(at));
    at = std::strchr(at, ',');
    if (at == nullptr) return;
    ++at;
  }
}

// Reads one option; false when it is refused (its message printed).
bool read_option(int option, const char* arg, QX_CREATE_VD_REQUEST& r) {
  switch (option) {
    case 'r':
      r.raid_level = shell::raid_mode_code(arg);
      if (r.raid_level == shell::kNoCode) {
        shell::print("-r : invalid raid mode %s\n", arg);
        return false;
      }
      if (r.raid_level == QX_TIER_CAPACITY || r.raid_level == QX_TIER_SAFE) r.tier_marker = QX_TIER_MARKER;
      return true;
    case 'q':
      if (!shell::require_decimal(arg, "-q : invalid number of parity disks '%s'\n", arg)) return false;
      r.parity_disks = static_cast<uint8_t>(shell::decimal_value(arg));
      return true;
    case 'g': {
      const long scheme = shell::is_decimal_number(arg) ? shell::decimal_value(arg) : -1;
      if (scheme != 0 && scheme != 1 && scheme != 10) {
        shell::print("-g : invalid giga byte rounding scheme '%s'\n", arg);
        return false;
      }
      r.rounding = scheme == 0 ? QX_ROUNDING_NONE : scheme == 1 ? QX_ROUNDING_1GB : QX_ROUNDING_10GB;
      return true;
    }
    default:  // 'd'
      read_pd_list(arg, r);
      return true;
  }
}

// Each disk's RAID status, refused when it is exactly offline or a spare.
bool disks_usable(const QX_CREATE_VD_REQUEST& r) {
  const uint8_t adapter = shell::state().current_adapter;
  for (int i = 0; i < r.pd_count; ++i) {
    QX_PD_RAID_STATUS status{};
    const uint8_t result = shell::query_one(QX_PD_GetHDRaidStatus, adapter, r.pd_ids[i], status);
    if (result != kOk) {
      shell::print("Failed to get status for PD %d %s\n", r.pd_ids[i], error_report(result).c_str());
      return false;
    }
    if (disk_flags_refused(Building::kSizeQuery, r.pd_ids[i], status.flags)) return false;
  }
  return true;
}

}  // namespace

uint32_t cmd_maxcreatesize(int argc, char** argv, const CommandEntry& self) {
  QX_CREATE_VD_REQUEST r{};
  r.stripe_kb = kDefaultStripeKb;
  r.cache_policy = QX_CACHE_READ_AHEAD;
  std::memcpy(r.name, kRequestName, sizeof kRequestName);
  shell::OptionScan scan(kOptions, argc, argv);
  for (int option; (option = scan.next()) != -1;) {
    switch (option) {
      case 'r': case 'q': case 'g': case 'd':
        if (!read_option(option, scan.arg(), r)) return 1;
        break;
      case '?':
        return 1;
      default:  // -h and the options of `create` that mean nothing here: the page without "Description"
        shell::print_text(self.brief);
        shell::print_text(self.help);
        return 0;
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();
  if (scan.report_missing(self)) return 1;
  const RaidLevel* level = find_raid_level(r.raid_level);
  if (level == nullptr || !(shell::current_adapter_info().raid_modes & level->mode_bit)) {
    shell::print("Specified RAID mode is not supported.\n");
    return 1;
  }
  if (!count_rules_met(Building::kSizeQuery, r.raid_level, r.pd_count, r.parity_disks, scan.given('q'))) return 1;
  switch (r.raid_level) {
    case QX_RAID1E: case QX_RAID5: case QX_RAID50: case QX_RAID6: case QX_RAID60:
      r.stripe_kb = kParityStripeKb;
      break;
    default:
      break;
  }
  if (!disks_usable(r)) return 1;

  const uint8_t status = QX_LD_GetMaxSize(shell::state().current_adapter, &r);
  if (status != kOk) {
    shell::print("\nFailed to get Maxsize %s.\n", error_report(status).c_str());
    return status;
  }
  shell::print("\nThe maxsize that VD can create with is:   %llu K\n", static_cast<unsigned long long>(r.size_mb));
  return kOk;
}

}  // namespace qx::commands
