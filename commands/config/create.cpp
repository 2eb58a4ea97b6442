// `create` on arrays-less adapters: one VD from a list of disks.
//
//   create -r LEVEL -d ID,ID,... [-n NAME] [-b KB] [-c on|off] [-w wt|wb] [-p ra|none]
//          [-i quick|none|background|intelligent] [-g 0|1|10] [-q N] [-s MB]
//          [--waiveconfirmation] [--forcesize]
//
// The options fill the create request; the checks that follow refuse what
// the host can tell is wrong (the disk count for the level, the disks'
// states) before the adapter is asked, and fill the defaults that depend on
// the adapter (cache policy, parity disks, name).
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "api/device_generations.h"
#include "api/qx_api.h"
#include "api/raid_levels.h"
#include "api/status.h"
#include "commands/config/create_checks.h"
#include "commands/config/create_options.h"
#include "commands/config/create_rules.h"
#include "commands/config/setting_values.h"
#include "commands/handlers.h"
#include "shell/confirm.h"
#include "shell/handler_support.h"
#include "shell/list_query.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {


bool battery_present() {
  if (!(shell::current_adapter_info().adv_features & QX_ADV_BBU)) return false;
  QX_BBU_INFO battery{};
  return QX_BBU_GetInfo(shell::state().current_adapter, &battery) == kOk && battery.present != 0;
}

// Write-through, unless the VD has a write cache to use: the adapter has one
// and a battery protects it. A hybrid VD on an adapter with the hybrid
// switch reads the bit as its restore setting and keeps it clear.
void default_cache_policy(QX_CREATE_VD_REQUEST& r) {
  const uint32_t features = shell::current_adapter_info().adv_features;
  const bool no_write_cache = (features & QX_ADV_NO_VD_WRITE_CACHE) != 0 || !battery_present();
  const bool hybrid_switch = r.raid_level == QX_TIER_HYBRID && (features & QX_ADV_HYBRID_SWITCH) != 0;
  if (no_write_cache && !hybrid_switch) r.cache_policy |= QX_CACHE_WRITE_THROUGH;
}

// Each disk in turn: within the adapter's ids, its RAID status readable, not
// offline, spare or foreign, and (except for the tiers) free. The command's
// result when a disk is refused.
std::optional<uint32_t> check_disks(const QX_CREATE_VD_REQUEST& r) {
  const uint8_t adapter = shell::state().current_adapter;
  for (int i = 0; i < r.pd_count; ++i) {
    const uint16_t id = r.pd_ids[i];
    if (id > shell::current_adapter_info().highest_pd_id) {
      shell::print("Wrong disk %d input.\n", id);
      return 1;
    }
    QX_PD_RAID_STATUS status{};
    const uint8_t result = shell::query_one(QX_PD_GetHDRaidStatus, adapter, id, status);
    if (result != kOk) {
      shell::print("Failed to get status for PD %d %s\n", id, error_report(result).c_str());
      return 1;
    }
    if (disk_flags_refused(Building::kVd, id, status.flags)) return 1;
    if (is_tier_level(r.raid_level)) continue;
    const uint8_t use = pd_in_use(id, QX_BLOCK_NO_VD);
    if (use == kPdNotFree) {
      shell::print("Non-free disk %d can not be used to create VD.\n", id);
      return 1;
    }
    if (use != kOk) {
      shell::print("Can not get disk %d information%s.\n", id, error_report(use).c_str());
      return use;
    }
  }
  return std::nullopt;
}

// "VD_R5_3": the level's short name and one more than the VDs the adapter
// has ("TwinTier_c_1" for the tiers). The command's result when the VD list
// cannot be read into memory.
std::optional<uint32_t> default_name(QX_CREATE_VD_REQUEST& r) {
  std::optional<long> vds = count_vds();
  if (!vds) return kNoResource;
  std::string name = std::string(is_tier_level(r.raid_level) ? "" : "VD_") + raid_short_name(r.raid_level) + "_" +
                     std::to_string(*vds + 1);
  // The name field keeps its NUL.
  std::memcpy(r.name, name.data(), std::min(name.size(), sizeof r.name - 1));
  return std::nullopt;
}

}  // namespace

uint32_t cmd_create(int argc, char** argv, const CommandEntry& self) {
  CreateOptions options;
  shell::OptionScan scan(create_option_table(), argc, argv);
  if (std::optional<uint32_t> ended = read_create_options(scan, self, options)) return *ended;
  QX_CREATE_VD_REQUEST& r = options.request;
  const CreateOptions& o = options;

  if (scan.duplicated()) return shell::duplicated_option();
  if (scan.report_missing(self)) return 1;
  const bool name_given = scan.given('n');
  const bool parity_given = scan.given('q');
  if (name_given && !check_name_characters(r.name)) return 1;
  if (r.init_mode == QX_INIT_INTELLIGENT && !is_tier_level(r.raid_level)) {
    shell::print("intelligent only support on twintier/safe mode.\n");
    return kResultNotSupported;
  }

  const QX_ADAPTER_INFO& adapter = shell::current_adapter_info();
  if (size_needs_force(adapter.device_id)) {
    if (scan.given(kForceSizeOption)) {
      r.force_size = 1;
      r.size_mb = o.size_mb;
    } else {
      r.size_mb = is_tier_level(r.raid_level) ? o.size_mb : 0;
    }
  } else {
    r.size_mb = o.size_mb;
  }
  const RaidLevel& level = *find_raid_level(r.raid_level);
  if (parity_given && level.default_parity == 0) {
    shell::print("RAID mode %s don't support the setting of parity disks.\n", shell::raid_level_name(r.raid_level));
    return kResultNotSupported;
  }
  if (!scan.given('c')) default_cache_policy(r);
  if (!(adapter.raid_modes & level.mode_bit)) {
    shell::print("Specified RAID mode is not supported.\n");
    return 1;
  }
  if (!count_rules_met(Building::kVd, r.raid_level, r.pd_count, r.parity_disks, parity_given)) return 1;
  if (std::optional<uint32_t> ended = check_disks(r)) return *ended;
  if (!scan.given(kWaiveConfirmationOption)) {
    if (std::optional<uint32_t> ended = confirm_file_systems({r.pd_ids, r.pd_count}, "VD")) return *ended;
  }
  if (!name_given) {
    if (std::optional<uint32_t> ended = default_name(r)) return *ended;
  }

  const uint8_t status = QX_LD_Create(shell::state().current_adapter, &r);
  if (status != kOk) shell::print("\nFailed to create virtual disk %s.\n", error_report(status).c_str());
  return status;
}

}  // namespace qx::commands
