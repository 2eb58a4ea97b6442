// `migrate -l VD [-a start|pause|resume|stop|size] [-r LEVEL] [-q N]
// [-d PD,...]` on an adapter without arrays: report the size a VD would
// have, migrate it to another level and onto more disks, and steer the
// migration.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/bga/migrate_options.h"
#include "commands/bga/steer.h"
#include "commands/common/block_owner.h"
#include "commands/config/create_rules.h"
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
    .messages = {"\nVD %d is not migrating (error %d: %s).\n", "\nUnable to pause migration on VD %d (error %d: %s).\n",
     "\nUnable to resume migration on VD %d (error %d: %s).\n",
     "\nUnable to abort migration on VD %d (error %d: %s).\n", "\nMigration on VD %d is in progress.\n",
     "\nMigration on VD %d is currently paused.\n", "\nVD %d does not having any background activities.\n"},
    .control = QX_LD_BGAControl,
    .refusal_result = 1,
    .not_this_shows = NotThisShows::kStatusZero,
};

uint8_t adapter_id() { return shell::state().current_adapter; }

// Every target may hold blocks of this VD only.
std::optional<uint32_t> check_in_use(const QX_VD_MIGRATION_REQUEST& r) {
  for (int i = 0; i < r.pd_count; ++i) {
    const uint16_t pd = r.pd_ids[i];
    const uint8_t use = pd_in_use(pd, r.vd_id);
    if (use == kPdNotFree) {
      shell::print("Not free disk %d can not be used to migration VD.\n", pd);
      return 1;
    }
    if (use != kOk) {
      shell::print("Can not get disk %d information(error %d: %s).\n", pd, use, status_text(use));
      return use;
    }
  }
  return std::nullopt;
}

uint8_t query_size(QX_VD_MIGRATION_REQUEST& r) {
  const uint8_t result = QX_LD_GetMigratedLdSize(adapter_id(), &r);
  if (result != kOk)
    shell::print("\nUnable to get migrate size of VD %d (error %d: %s).\n", r.vd_id, result, status_text(result));
  return result;
}

// The disks the VD's blocks lie on, as far as their blocks can be read.
std::vector<uint16_t> member_disks(const QX_VD_INFO& vd) {
  std::vector<uint16_t> pds;
  for (int i = 0; i < vd.pd_count && i < QX_VD_BLOCK_SLOTS; ++i)
    if (std::optional<BlockOwner> owner = block_owner(vd.block_ids[i])) pds.push_back(owner->pd_id);
  return pds;
}

// A new disk must be online, no spare and not foreign; a disk whose status
// cannot be read is left to the adapter.
bool new_disks_fit(const std::vector<uint16_t>& work) {
  for (uint16_t pd : work) {
    if (pd == kMatchedMember) continue;
    QX_PD_RAID_STATUS raid{};
    if (shell::query_one(QX_PD_GetHDRaidStatus, adapter_id(), pd, raid) != kOk) continue;
    const char* refusal = nullptr;
    if (raid.flags & QX_PD_RAID_OFFLINE)
      refusal = "Offline disk %d can not be used as target of a migration.\n";
    else if (raid.flags & QX_PD_RAID_ANY_SPARE)
      refusal = "Spare disk %d can not be used as target of a migration.\n";
    else if (raid.flags & QX_PD_RAID_FOREIGN)
      refusal = "Foreign disk %d can not be used as target of a migration.\n";
    if (refusal != nullptr) {
      print_message(refusal, pd);
      return false;
    }
  }
  return true;
}

uint32_t start(QX_VD_MIGRATION_REQUEST& r, const MigrateOptions& o, const QX_VD_INFO& vd,
               const QX_VD_STATUS& status) {
  if (status.bga_type != 0) {
    shell::print("\nVD %d is currently having background activity.\n", r.vd_id);
    return 1;
  }
  const std::optional<uint8_t> parity = check_start_rules(vd.raid_level, r.raid_level, r.pd_count, o.parity,
                                                          MigrateVariant::kVd,
                                                          "\n Abort migration!!! Redundancy level is degraded from %s to %s\n");
  if (!parity) return 1;
  r.parity_disks = *parity;
  for (int i = 0; i < r.pd_count; ++i)
    if (r.pd_ids[i] > shell::current_adapter_info().highest_pd_id) {
      shell::print("Wrong disk %d input.\n", r.pd_ids[i]);
      return 1;
    }
  const MemberMatch match = match_members(std::vector<uint16_t>(r.pd_ids, r.pd_ids + r.pd_count), member_disks(vd));
  if (!new_disks_fit(match.work)) return 1;
  if ((status.flags & QX_VD_STATUS_MEDIA_PATROL) &&
      !shell::ask_yes_no("Migrate VD will stop Media patrol on PD. Do you want to continue?(y or n)\n"))
    return 0;
  if (match.counted < vd.pd_count) {
    shell::print("Target PDs need to include ALL member disks [%s].\n", match.text.c_str());
    return 1;
  }
  return report_start(QX_LD_StartMigration(adapter_id(), &r), r.vd_id,
                      "\nUnable to start migration on VD %d (error %d: %s).\n", "Start migration successfully\n");
}

}  // namespace

uint32_t cmd_migrate(int argc, char** argv, const CommandEntry& self) {
  const MigrateParse parse = parse_migrate_options(argc, argv, self, MigrateVariant::kVd);
  if (!parse.options) return parse.result;
  const MigrateOptions& o = *parse.options;
  QX_VD_MIGRATION_REQUEST r{};
  r.raid_level = o.level.value_or(0);
  const std::vector<uint16_t> pds = o.pds.value_or(std::vector<uint16_t>{});
  r.pd_count = static_cast<uint8_t>(pds.size());
  r.parity_disks = static_cast<uint8_t>(o.parity.value_or(0));
  r.vd_id = o.id;
  std::copy(pds.begin(), pds.end(), r.pd_ids);
  if (const std::optional<uint32_t> refused = check_in_use(r)) return *refused;
  if (o.action == kMigrateSize) {
    if (const uint8_t failed = query_size(r)) return failed;
    shell::print("Migrate VD size = %lld M\n", static_cast<long long>(r.size_kb / 1024));
    return 0;
  }
  QX_VD_INFO vd{};
  if (o.action == QX_BGA_ACTION_START) {
    const uint8_t read = shell::query_one(QX_LD_GetInfo, adapter_id(), o.id, vd);
    if (read != kOk) {
      shell::print("\nUnable to get info of VD %d (error %d: %s).\n", o.id, read, status_text(read));
      return read;
    }
    r.vd_byte17 = vd.byte17;
    if (!o.level) r.raid_level = vd.raid_level;
    query_size(r);  // only its failure is shown; the start asks again
  }
  QX_VD_STATUS status{};
  if (const uint8_t failed = read_vd_status(o.id, status)) return failed;
  if (o.action != QX_BGA_ACTION_START) return steer_bga(kSteer, o.id, status.bga_type, status.bga_state, o.action);
  return start(r, o, vd, status);
}

}  // namespace qx::commands
