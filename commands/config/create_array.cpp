// `create` on array-capable adapters: a VD in a slot of an array (the
// default), an array, an array and its VD together (a package VD), or an
// array and VD the adapter lays out itself.
//
//   create [-o vd] -a ARRAY [-l SLOT] [-n NAME] [-b KB] [-s MB] [-c on|off|auto] [-w wt|wb|auto]
//          [-p ra|none] [-i quick|none|foreground|background|intelligent] [-g 0|1|10]
//   create -o array|packagevd -r LEVEL -d ID,... [-q N] [-n NAME] [-b KB] [-s MB] [-i ...]
//          [--waiveconfirmation] [--sizeonly] [--cacheon|--cacheoff]
//   create -o auto -t enable|disable
#include <algorithm>
#include <cstring>
#include <string>

#include "api/qx_api.h"
#include "api/raid_levels.h"
#include "api/status.h"
#include "commands/config/create_checks.h"
#include "commands/config/create_options.h"
#include "commands/config/create_rules.h"
#include "commands/config/setting_values.h"
#include "commands/handlers.h"
#include "shell/handler_support.h"
#include "shell/list_query.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

constexpr uint64_t kMinVdMb = 100;
constexpr uint64_t kMinVdMb1Gb = 1000;
constexpr uint64_t kMinVdMb10Gb = 10000;
constexpr uint8_t kCachePolicyBits = QX_CACHE_WRITE_THROUGH | 0x02 | QX_CACHE_AUTO;

void put_name(char (&field)[QX_NAME_SIZE], const std::string& name) {
  std::memset(field, 0, sizeof field);
  std::memcpy(field, name.data(), std::min(name.size(), sizeof field));
}

// What a VD request takes from the options as given, on an array or in a
// package.
void fill_vd_settings(const CreateOptions& o, QX_ARRAY_VD_REQUEST& r) {
  r.vd_id = QX_NEW_ID;
  r.size_mb = o.size_mb;
  r.rounding = o.request.rounding;
  r.cache_policy = o.request.cache_policy;
  r.init_mode = o.request.init_mode;
  r.always_one = 1;
}

void print_no_resources(uint64_t largest_kb) {
  shell::print("\nNo resources. Max available size is %lld M\n", static_cast<long long>(largest_kb / 1024));
}

bool level_supported(uint8_t level) {
  const RaidLevel* found = find_raid_level(level);
  if (found != nullptr && (shell::current_adapter_info().raid_modes & found->mode_bit)) return true;
  shell::print("Specified RAID mode is not supported.\n");
  return false;
}

uint32_t create_vd_on_array(const shell::OptionScan& scan, const shell::CommandEntry& self, CreateOptions& o) {
  if (!scan.given('a')) return shell::missing_option(self, 'a');
  if (scan.given('r') || scan.given('d') || scan.given('q')) {
    shell::print("-r, -d and -q option are not allowed in creating VD\n");
    return 1;
  }
  const uint8_t adapter = shell::state().current_adapter;
  QX_ARRAY_INFO array{};
  const uint8_t read = shell::query_one(QX_DG_GetInfo, adapter, o.array_id, array);
  if (read != kOk) {
    shell::print("Unable to get info for array %d  %s\n", o.array_id, error_report(read).c_str());
    return 1;
  }
  if (scan.given('l')) {
    if (o.slot >= array.slot_count) {
      shell::print("Invalid slot number.  Total slot is %d\n", array.slot_count);
      return 1;
    }
    if (array.slot_vd_ids[o.slot] != QX_FREE_SLOT) {
      shell::print("Slot number %d has already occupied by VD %d\n", o.slot, array.slot_vd_ids[o.slot]);
      return 1;
    }
  }
  const QX_CREATE_VD_REQUEST& given = o.request;
  QX_ARRAY_VD_REQUEST r{};
  fill_vd_settings(o, r);
  r.array_id = o.array_id;
  r.slot = scan.given('l') ? o.slot : QX_NO_SLOT;
  r.raid_level = array.raid_level;
  r.array_byte21 = array.byte21;
  r.parity_disks = array.parity_disks;
  r.stripe_kb = scan.given('b') ? given.stripe_kb : array.stripe_kb;
  r.sector_size = array.sector_size;
  if (array.raid_level == QX_RAID0 && r.init_mode != QX_INIT_NONE && r.init_mode != QX_INIT_QUICK) {
    shell::print("Invalid initialization mode. RAID0 only support none and quick initialize.\n");
    return 1;
  }
  const uint8_t most_vds = shell::current_adapter_info().max_vds_per_array;
  if (scan.given('s') && array.slot_count >= most_vds) {
    shell::print("Total slots has reached its max number (%d), VD will use up all specified slot space, '-s' is not "
                 "allowed.\n",
                 most_vds);
    return 1;
  }
  put_name(r.name, scan.given('n') ? o.name : std::string("VD_") + raid_short_name(array.raid_level) + "_1");
  if (scan.given('s')) {
    if ((r.rounding == QX_ROUNDING_1GB && o.size_mb < kMinVdMb1Gb) ||
        (r.rounding == QX_ROUNDING_10GB && o.size_mb < kMinVdMb10Gb)) {
      shell::print("VD size is too small for the specified rounding scheme.\n");
      return 1;
    }
    if (o.size_mb < kMinVdMb) {
      shell::print("VD size should be at least 100 MB.\n");
      return 1;
    }
  }
  if (!scan.given('c')) {
    r.cache_policy &= static_cast<uint8_t>(~kCachePolicyBits);
    if (shell::current_adapter_info().adv_features & QX_ADV_NO_VD_WRITE_CACHE) r.cache_policy |= QX_CACHE_WRITE_THROUGH;
  }
  if (!level_supported(array.raid_level)) return 1;

  const uint8_t status = QX_CreateOrModify_VD(adapter, &r);
  if (status == kOk) {
    shell::print("Create VD %d successfully.\n", r.vd_id);
  } else if (status == kNoResource) {
    print_no_resources(array.free_kb);
  } else {
    shell::print("\nFailed to create virtual disk %s.\n", error_report(status).c_str());
  }
  return status;
}

// The sector size of a disk, or the command's result when it cannot be
// read. The first disk's refusal has no comma after its id.
std::optional<uint32_t> read_sector_size(uint16_t pd, bool first, uint32_t& sector_size) {
  const uint8_t adapter = shell::state().current_adapter;
  QX_PD_INFO info{};
  uint8_t status = shell::query_one(QX_PD_GetHDInfo_Ext, adapter, pd, info);
  if (status != kOk) status = shell::query_one(QX_PD_GetHDInfo, adapter, pd, info);
  if (status != kOk) {
    if (first) {
      shell::print("Unable to get info of PD %d (error %d : %s)\n", pd, status, status_text(status));
    } else {
      shell::print("Unable to get info of PD %d, (error %d : %s)\n", pd, status, status_text(status));
    }
    return 1;
  }
  sector_size = info.sector_size;
  return std::nullopt;
}

// Each disk of an array in turn: a known id, readable, of the first disk's
// sector size, and neither offline, spare nor foreign.
std::optional<uint32_t> check_array_disks(const QX_CREATE_VD_REQUEST& given, uint32_t reference) {
  const uint8_t adapter = shell::state().current_adapter;
  for (int i = 0; i < given.pd_count; ++i) {
    const uint16_t id = given.pd_ids[i];
    if (id > shell::current_adapter_info().highest_pd_id) {
      shell::print("Wrong disk %d input.\n", id);
      return 1;
    }
    uint32_t sector_size = 0;
    if (std::optional<uint32_t> ended = read_sector_size(id, false, sector_size)) return ended;
    if (sector_size != reference) {
      shell::print("All PDs should have the same sector size, PD %d has sector size %d\n", id,
                   static_cast<int>(sector_size));
      return 1;
    }
    QX_PD_RAID_STATUS status{};
    const uint8_t result = shell::query_one(QX_PD_GetHDRaidStatus, adapter, id, status);
    if (result != kOk) {
      shell::print("Unable to get info of PD %d, (error %d : %s)\n", id, result, status_text(result));
      return 1;
    }
    if (disk_flags_refused(Building::kArray, id, status.flags)) return 1;
  }
  return std::nullopt;
}

void fill_array_request(const CreateOptions& o, QX_ARRAY_REQUEST& r, uint32_t sector_size) {
  const QX_CREATE_VD_REQUEST& given = o.request;
  r.array_id = QX_NEW_ID;
  put_name(r.name, o.name);
  r.raid_level = given.raid_level;
  r.parity_disks = given.parity_disks;
  r.stripe_kb = given.stripe_kb;
  r.size = o.size_mb;
  r.sector_size = sector_size;
  r.init_mode = given.init_mode;
  r.pd_count = given.pd_count;
  std::copy(given.pd_ids, given.pd_ids + given.pd_count, r.pd_ids);
}

void fill_package_vd_part(const CreateOptions& o, const std::string& vd_name, QX_ARRAY_VD_REQUEST& r,
                          uint32_t sector_size) {
  fill_vd_settings(o, r);
  put_name(r.name, vd_name);
  r.raid_level = o.request.raid_level;
  r.parity_disks = o.request.parity_disks;
  r.stripe_kb = o.request.stripe_kb;
  r.sector_size = sector_size;
}

// After an array is built: its write cache as asked and its name, through
// its configuration record.
void configure_new_array(uint16_t id, const CreateOptions& o) {
  const uint8_t adapter = shell::state().current_adapter;
  QX_ARRAY_CONFIG config{};
  if (shell::query_one(QX_DG_GetConfig, adapter, id, config) != kOk) return;
  config.array_id = id;
  config.write_cache = o.array_cache ? 1 : 0;
  put_name(config.name, o.name);
  if (QX_DG_SetConfig(adapter, id, &config) != kOk) shell::print("Set Array cache on failed!\n");
}

uint32_t create_array_or_package(const shell::OptionScan& scan, const shell::CommandEntry& self, CreateOptions& o) {
  if (!scan.given('r')) {
    shell::missing_option(self, 'r');
    if (!scan.given('d')) shell::missing_option(self, 'd');
    return 1;
  }
  if (!scan.given('d')) return shell::missing_option(self, 'd');
  if (scan.given('a')) {
    shell::print("-a option is not used for creating array\n");
    return 1;
  }
  QX_CREATE_VD_REQUEST& given = o.request;
  const bool parity_given = scan.given('q');
  if (parity_given && find_raid_level(given.raid_level)->default_parity == 0) {
    shell::print("RAID mode %s don't support the setting of parity disks.\n", shell::raid_level_name(given.raid_level));
    return kResultNotSupported;
  }
  std::string vd_name = o.name;
  if (!scan.given('n')) {
    std::optional<long> arrays = count_arrays();
    if (!arrays) return kNoResource;
    const std::string suffix = std::string(raid_short_name(given.raid_level)) + "_" + std::to_string(*arrays + 1);
    o.name = "DG_" + suffix;
    vd_name = "VD_" + suffix;
  }
  if (!count_rules_met(Building::kArray, given.raid_level, given.pd_count, given.parity_disks, parity_given)) return 1;

  uint32_t reference = 0;
  if (std::optional<uint32_t> ended = read_sector_size(given.pd_ids[0], true, reference)) return *ended;
  if (std::optional<uint32_t> ended = check_array_disks(given, reference)) return *ended;
  if (!scan.given(kWaiveConfirmationOption)) {
    if (std::optional<uint32_t> ended = confirm_file_systems({given.pd_ids, given.pd_count}, "array")) return *ended;
  }

  const uint8_t adapter = shell::state().current_adapter;
  if (o.object == CreateObject::kPackageVd) {
    QX_PACKAGE_VD_REQUEST package{};
    fill_array_request(o, package.array, reference);
    fill_package_vd_part(o, vd_name, package.vd, reference);
    const uint8_t status = QX_Create_PackageVD(adapter, &package);
    if (status == kOk) {
      shell::print("Create array %d successfully.\n", package.array.array_id);
    } else if (status == kNoResource) {
      print_no_resources(package.array.size);
    } else {
      shell::print("\nFailed to create array %s.\n", error_report(status).c_str());
    }
    return status;
  }

  QX_ARRAY_REQUEST r{};
  fill_array_request(o, r, reference);
  if (scan.given(kSizeOnlyOption)) {
    const uint8_t status = QX_CreateOrModify_DG(adapter, &r, QX_DG_SIZE_ONLY);
    if (status != kOk) {
      shell::print("\nFailed to calculate array size by the given parameters%s.\n", error_report(status).c_str());
      return status;
    }
    const uint64_t mb = r.size / 1024;
    shell::print("\nArry of size 0x%x%08x M can be created by the given parameters\n", static_cast<unsigned>(mb >> 32),
                 static_cast<unsigned>(mb & 0xFFFFFFFFu));
    return kOk;
  }
  const uint8_t status = QX_CreateOrModify_DG(adapter, &r, QX_DG_CREATE);
  if (status == kOk) {
    shell::print("Create array %d successfully.\n", r.array_id);
    configure_new_array(r.array_id, o);
  } else if (status == kNoResource) {
    print_no_resources(r.size);
  } else {
    shell::print("\nFailed to create array %s.\n", error_report(status).c_str());
  }
  return status;
}

uint32_t create_automatically(const shell::OptionScan& scan, const shell::CommandEntry& self, const CreateOptions& o) {
  if (!scan.given('t')) return shell::missing_option(self, 't');
  const uint8_t status = QX_LD_DG_QuickCreate(shell::state().current_adapter, o.protection);
  if (status == kOk) {
    shell::print("Auto create successfully.\n");
  } else {
    shell::print("Auto create error,%s\n", status_text(status));
  }
  return status;
}

}  // namespace

uint32_t cmd_create_array(int argc, char** argv, const CommandEntry& self) {
  CreateOptions options;
  shell::OptionScan scan(create_array_option_table(), argc, argv);
  if (std::optional<uint32_t> ended = read_create_options(scan, self, options, true)) return *ended;
  if (scan.duplicated()) return shell::duplicated_option();
  if (scan.given('n') && !check_name_characters(options.name.c_str())) return 1;
  switch (options.object) {
    case CreateObject::kVd: return create_vd_on_array(scan, self, options);
    case CreateObject::kArray:
    case CreateObject::kPackageVd: return create_array_or_package(scan, self, options);
    case CreateObject::kAuto: return create_automatically(scan, self, options);
  }
  return 1;
}

}  // namespace qx::commands
