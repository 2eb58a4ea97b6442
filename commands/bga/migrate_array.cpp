// `migrate -l ARRAY [-a start|pause|resume|size] [-r LEVEL] [-q N]
// [-d PD,...]` on an adapter with arrays: report the size an array would
// have, migrate it with all its VDs to another level and onto more disks,
// and steer the migration.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/bga/migrate_options.h"
#include "commands/bga/steer.h"
#include "commands/handlers.h"
#include "shell/confirm.h"
#include "shell/list_query.h"
#include "shell/output.h"
#include "shell/state.h"

namespace qx::commands {
namespace {

bool is_migration(uint8_t type) { return type == QX_BGA_MIGRATION; }

constexpr SteerTable kSteer{
    .owns = is_migration,
    .messages = {"\nArray %d is not migrating (error %d: %s).\n", "\nUnable to pause migration on array %d (error %d: %s).\n",
     "\nUnable to resume migration on array %d (error %d: %s).\n", nullptr,
     "\nMigration on array %d is in progress.\n", "\nMigration on array %d is currently paused.\n",
     "\nArray %d does not have any background activities.\n"},
    .control = QX_DG_BGAControl,
    .refusal_result = 1,
    .not_this_shows = NotThisShows::kStatusZero,
};

// A disk the request brings to the array must be known to the adapter,
// free, and its size readable.
bool new_disk_fits(uint16_t pd) {
  const uint8_t adapter = shell::state().current_adapter;
  if (pd > shell::current_adapter_info().highest_pd_id) {
    shell::print("Wrong disk %d input.\n", pd);
    return false;
  }
  QX_PD_RAID_STATUS raid{};
  const uint8_t read = shell::query_one(QX_PD_GetHDRaidStatus, adapter, pd, raid);
  if (read != kOk) {
    shell::print("Failed to get status for PD %d (error %d: %s)\n", pd, read, status_text(read));
    return false;
  }
  constexpr uint8_t kNotFree =
      QX_PD_RAID_GLOBAL_SPARE | QX_PD_RAID_OFFLINE | QX_PD_RAID_DEDICATED_SPARE | QX_PD_RAID_FOREIGN;
  if (raid.flags & kNotFree) {
    shell::print("Target PD %d is not free.\n", pd);
    return false;
  }
  QX_FREE_SPACE space{};
  return read_free_space(pd, space);
}

uint32_t start(QX_ARRAY_REQUEST& r, const MigrateOptions& o, const QX_ARRAY_INFO& array) {
  if (array.bga_type != 0) {
    shell::print("\nVD %d is currently having background activity.\n", array.array_id);
    return 1;
  }
  if (!o.level) r.raid_level = array.raid_level;
  const std::optional<uint8_t> parity =
      check_start_rules(array.raid_level, r.raid_level, r.pd_count, o.parity, MigrateVariant::kArray,
                        "\n Abort migration!!! Redundancy level is degraded from %s to %s.\n");
  if (!parity) return 1;
  r.parity_disks = *parity;
  const size_t members = std::min<size_t>(array.pd_count, QX_ARRAY_MAX_PDS);
  const MemberMatch match = match_members(std::vector<uint16_t>(r.pd_ids, r.pd_ids + r.pd_count),
                                          std::vector<uint16_t>(array.pd_ids, array.pd_ids + members));
  for (uint16_t pd : match.work)
    if (pd != kMatchedMember && !new_disk_fits(pd)) return 1;
  if (array.media_patrol != 0 &&
      !shell::ask_yes_no("Migrate Array will stop Media patrol on PD. Do you want to continue?(y or n)\n"))
    return 0;
  if (match.counted < static_cast<int>(members)) {
    shell::print("Target PDs need to include ALL member disks [%s].\n", match.text.c_str());
    return 1;
  }
  return report_start(QX_DG_StartMigration(shell::state().current_adapter, &r), array.array_id,
                      "\nUnable to migrate array %d (error %d: %s).\n", "Start migrate successfully\n");
}

}  // namespace

uint32_t cmd_migrate_array(int argc, char** argv, const CommandEntry& self) {
  const MigrateParse parse = parse_migrate_options(argc, argv, self, MigrateVariant::kArray);
  if (!parse.options) return parse.result;
  const MigrateOptions& o = *parse.options;
  const uint8_t adapter = shell::state().current_adapter;
  QX_ARRAY_REQUEST r{};
  r.array_id = o.id;
  r.raid_level = o.level.value_or(0);
  r.parity_disks = static_cast<uint8_t>(o.parity.value_or(0));
  const std::vector<uint16_t> pds = o.pds.value_or(std::vector<uint16_t>{});
  r.pd_count = static_cast<uint8_t>(pds.size());
  std::copy(pds.begin(), pds.end(), r.pd_ids);
  QX_ARRAY_INFO array{};
  const uint8_t read = shell::query_one(QX_DG_GetInfo, adapter, o.id, array);
  if (read != kOk) {
    shell::print("\nUnable to get status of array %d (error %d: %s).\n", o.id, read, status_text(read));
    return read;
  }
  r.stripe_kb = array.stripe_kb;
  r.sector_size = array.sector_size;
  if (o.action == kMigrateSize) {
    if (pds.empty()) {
      shell::print_text("No target disk is specified.\n");
      return 1;
    }
    const uint8_t result = QX_CreateOrModify_DG(adapter, &r, QX_DG_SIZE_ONLY);
    if (result == kOk || result == kNoResource)
      shell::print("Migrated size will be %lld M\n", static_cast<long long>(r.size / 1024));
    else
      shell::print("\nFailed to get migration size (error %d: %s).\n", result, status_text(result));
    return result;
  }
  if (o.action != QX_BGA_ACTION_START)
    return steer_bga(kSteer, o.id, static_cast<uint8_t>(array.bga_type), array.bga_state, o.action);
  return start(r, o, array);
}

}  // namespace qx::commands
