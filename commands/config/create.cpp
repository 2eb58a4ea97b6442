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

// The disk count and parity rules of the level; prints why and returns false
// when they are not met. Fills in the default parity disks.
bool count_fits(const RaidLevel& level, QX_CREATE_VD_REQUEST& r, bool parity_given) {
  const int n = r.pd_count;
  const int most = shell::current_adapter_info().max_raid6_parity;
  if (level.count_message != nullptr && !disk_count_fits(level, n)) {
    shell::print_text(level.count_message);
    return false;
  }
  if (level.default_parity == 0) return true;
  if (!parity_given) {
    r.parity_disks = level.default_parity;
    return true;
  }
  const int q = r.parity_disks;
  if (level.sub_vds == 0) {
    if (q >= 2 && q <= most && q < n) return true;
    shell::print("Number of parity disks should be at least 2 and less than %d.\n", most);
    return false;
  }
  // Each sub-VD carries an equal share of the parity disks.
  if (q < 4 || q > 2 * most || q % 2 != 0) {
    shell::print("RAID60 need even number of parity disks between 4 and %d.\n", 2 * most);
    return false;
  }
  if (q >= n) {
    shell::print("# of parity disks (%d) should be less than # of total disks (%d).\n", q, n);
    return false;
  }
  return true;
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
    if (status.flags & QX_PD_RAID_OFFLINE) {
      shell::print("Offline disk %d can not be used to create VD.\n", id);
      return 1;
    }
    if (status.flags & QX_PD_RAID_ANY_SPARE) {
      shell::print("Spare disk %d can not be used to create VD.\n", id);
      return 1;
    }
    if (status.flags & QX_PD_RAID_FOREIGN) {
      shell::print("Foreign disk %d can not be used to create VD.\n", id);
      return 1;
    }
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

// Warns about disks that carry a file system and asks whether to go on.
// The command's result when it ends here.
std::optional<uint32_t> check_file_systems(const QX_CREATE_VD_REQUEST& r) {
  QX_MBR_INFO mbr{};
  mbr.count = r.pd_count;
  std::copy(r.pd_ids, r.pd_ids + r.pd_count, mbr.pd_ids);
  const uint8_t result = QX_PD_GetMBRInfo(shell::state().current_adapter, &mbr);
  if (result != kOk) {
    shell::print("\nFailed to create virtual disk %s.\n", error_report(result).c_str());
    return 1;
  }
  std::string disks;
  int count = 0;
  for (int i = 0; i < r.pd_count; ++i) {
    if (mbr.has_file_system[i] == 0) continue;
    disks += std::to_string(mbr.pd_ids[i]) + " ";
    ++count;
  }
  if (count == 0) return std::nullopt;
  if (count == 1) {
    shell::print("PD %shas file system on it. Data will be lost if it is used to create VD.\n", disks.c_str());
  } else {
    shell::print("PD %shave file system on them. Data will be lost if they are used to create VD.\n", disks.c_str());
  }
  if (!shell::ask_unless_declined("Do you still want to create the VD? (y or n)\n")) return 0;
  return std::nullopt;
}

// "VD_R5_3": the level's short name and one more than the VDs the adapter
// has ("TwinTier_c_1" for the tiers). The command's result when the VD list
// cannot be read into memory.
std::optional<uint32_t> default_name(QX_CREATE_VD_REQUEST& r) {
  using Buffer = shell::ListBuffer<QX_VD_INFO>;
  const uint16_t page = Buffer::page_size(shell::current_adapter_info().max_buffer_kb);
  Buffer buffer;
  if (!buffer.allocate(page)) {
    shell::print("Unable to allocate buffer for %d bytes.\n", static_cast<int>(Buffer::bytes_for(page)));
    return kNoResource;
  }
  const uint8_t adapter = shell::state().current_adapter;
  long vds = 0;  // a failing page ends the count with what it has
  shell::page_through<QX_VD_INFO>(
      buffer, std::nullopt, [adapter](QX_QUERY_HEADER* query) { return QX_LD_GetInfo(adapter, query); },
      [&vds](const Buffer& answer, bool) {
        vds += answer.returned();
        return shell::kNextPage;
      });
  std::string name = std::string(is_tier_level(r.raid_level) ? "" : "VD_") + raid_short_name(r.raid_level) + "_" +
                     std::to_string(vds + 1);
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
  if (!count_fits(level, r, parity_given)) return 1;
  if (std::optional<uint32_t> ended = check_disks(r)) return *ended;
  if (!scan.given(kWaiveConfirmationOption)) {
    if (std::optional<uint32_t> ended = check_file_systems(r)) return *ended;
  }
  if (!name_given) {
    if (std::optional<uint32_t> ended = default_name(r)) return *ended;
  }

  const uint8_t status = QX_LD_Create(shell::state().current_adapter, &r);
  if (status != kOk) shell::print("\nFailed to create virtual disk %s.\n", error_report(status).c_str());
  return status;
}

}  // namespace qx::commands
