#include "sim/engine/migration.h"

#include <algorithm>
#include <optional>

#include "api/raid_levels.h"
#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/allocate.h"
#include "sim/engine/bga_control.h"
#include "sim/engine/capacity.h"
#include "sim/engine/copy_back.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/migration_capacity.h"
#include "sim/engine/rebuild.h"
#include "sim/engine/vd_create.h"
#include "sim/engine/vd_records.h"
#include "sim/engine/vd_remove.h"
#include "sim/engine/vd_starts.h"
#include "sim/model/array.h"
#include "sim/model/disk.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

bool contains(const std::vector<uint16_t>& ids, uint16_t id) {
  return std::find(ids.begin(), ids.end(), id) != ids.end();
}

bool is_functional(uint8_t state) { return state == QX_VD_FUNCTIONAL || state == QX_VD_FUNCTIONAL_INITIALIZED; }

// A block of a VD other than `own` on the disk.
bool holds_other_block(const Session& s, uint16_t pd, const std::set<uint16_t>& own) {
  for (const Block& b : select_rows(s.db(), block_model(), s.adapter_id(), "pd = ?1", {json(pd)}))
    if (b.vd != kNoId && own.count(b.vd) == 0) return true;
  return false;
}

uint8_t check_target(const Session& s, const MigrationAsk& ask, uint16_t pd) {
  std::optional<Disk> disk = present_disk(s, pd);
  if (!disk) return kPdMissing;
  if (!is_data_disk(*disk)) return kAtapiInVd;
  if (disk->offline || disk->foreign) return kInvalidPdId;
  if (disk->spare != SpareKind::kNone) return kPdIsSpare;
  if (!(s.adapter().adv_features & QX_ADV_MULTI_VD) && holds_other_block(s, pd, ask.own_vds)) return kPdAssigned;
  if (is_copy_back_target(s, pd)) return kPdAssigned;  // a copy back is filling it
  return kOk;
}

uint8_t check_request(const Session& s, const MigrationAsk& ask, uint8_t parity) {
  const Adapter& a = s.adapter();
  const RaidLevel* level = find_raid_level(ask.level);
  if (level == nullptr) return kInvalidRaidMode;
  if (!(a.raid_modes & level->mode_bit)) return kNotSupported;
  const size_t n = ask.targets.size();
  if (n == 0 || n > QX_MAX_MIGRATE_PDS || (a.max_disks_per_vd != 0 && n > a.max_disks_per_vd)) return kInvalidPdCount;
  for (size_t i = 0; i < n; ++i)
    if (std::find(ask.targets.begin(), ask.targets.begin() + static_cast<std::ptrdiff_t>(i), ask.targets[i]) !=
        ask.targets.begin() + static_cast<std::ptrdiff_t>(i))
      return kInvalidParameter;
  const auto rule = ask.array_rules ? check_array_members : check_members;
  if (uint8_t status = rule(ask.level, static_cast<int>(n), parity, a.max_raid6_parity)) return status;
  for (uint16_t pd : ask.targets)
    if (uint8_t status = check_target(s, ask, pd)) return status;
  for (uint16_t member : ask.members)
    if (!contains(ask.targets, member)) return kInvalidParameter;
  return kOk;
}

// Puts the block of each new disk of the target and tells each member block
// its slot there.
void place_target_blocks(const Session& s, const Vd& vd, const Vd& target, const std::vector<uint16_t>& targets) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  std::vector<Block> members = select_rows(db, block_model(), adapter, "vd = ?1", {json(vd.id)}, "member");
  const uint64_t block_kb = member_block_kb(members);
  for (size_t slot = 0; slot < targets.size(); ++slot) {
    auto member = std::find_if(members.begin(), members.end(), [&](const Block& b) { return b.pd == targets[slot]; });
    if (member != members.end()) {
      member->target_member = static_cast<uint8_t>(slot);
      update_row(db, block_model(), adapter, *member);
      continue;
    }
    const Disk disk = select_by_id(db, disk_model(), adapter, targets[slot]).value();
    Block b;
    b.id = free_block_ids(s, 1)->front();
    b.pd = disk.id;
    b.vd = target.id;
    b.member = static_cast<uint8_t>(slot);
    b.size_kb = block_kb;
    b.start_kb = first_fit(disk_free_extents(s, disk), block_kb).value();
    insert_row(db, block_model(), adapter, b);
  }
}

// The array a finished migration leaves behind takes the level once no VD on
// it migrates any more.
void settle_array(const Session& s, const Vd& vd) {
  if (s.adapter().max_arrays == 0) return;
  std::optional<Array> array = select_by_id(s.db(), array_model(), s.adapter_id(), vd.array_id);
  if (!array) return;
  for (const Vd& other : select_rows(s.db(), vd_model(), s.adapter_id(), "array_id = ?1 AND target_of = ?2",
                                     {json(vd.array_id), json(kNoId)}))
    if (std::optional<Activity> a = vd_activity(s, other.id); a && a->kind == ActivityKind::kMigration && is_active(*a))
      return;
  array->raid_level = vd.raid_level;
  array->parity_disks = vd.parity_disks;
  update_row(s.db(), array_model(), s.adapter_id(), *array);
}

MigrationAsk vd_ask(const Session& s, const Vd& vd, const QX_VD_MIGRATION_REQUEST& r) {
  MigrationAsk ask;
  ask.level = r.raid_level;
  ask.parity = r.parity_disks;
  const size_t n = std::min<size_t>(r.pd_count, QX_MAX_MIGRATE_PDS);
  ask.targets.assign(r.pd_ids, r.pd_ids + n);
  if (r.pd_count > QX_MAX_MIGRATE_PDS) ask.targets.push_back(kNoId);  // counted as too many
  ask.member_blocks = select_rows(s.db(), block_model(), s.adapter_id(), "vd = ?1", {json(vd.id)}, "member");
  for (const Block& b : ask.member_blocks) ask.members.push_back(b.pd);
  ask.own_vds = {vd.id};
  ask.block_kb = member_block_kb(ask.member_blocks);
  ask.stripe_kb = vd.stripe_kb;
  ask.current_kb = vd.size_kb;
  return ask;
}

// The request's checks on a listed VD; fills `vd` and the check.
MigrationCheck check_vd_request(const Session& s, const QX_VD_MIGRATION_REQUEST& r, Vd& vd) {
  MigrationCheck check;
  const Adapter& a = s.adapter();
  if (a.max_arrays != 0) check.status = kNotSupportedOnAdapter;  // VDs there migrate with their array
  else if (!(a.features & QX_FEATURE_MIGRATION)) check.status = kMigrationNotSupported;
  if (check.status != kOk) return check;
  std::optional<VdView> view = listed_vd(s, r.vd_id);
  if (!view) {
    check.status = kVdMissing;
    return check;
  }
  vd = view->vd;
  return check_migration(s, vd_ask(s, vd, r));
}

bool other_migration(const Session& s, uint16_t vd) {
  for (const Activity& a : select_rows(s.db(), activity_model(), s.adapter_id(), "kind = 'migration'"))
    if (a.vd != vd && is_active(a)) return true;
  return false;
}

}  // namespace

MigrationCheck check_migration(const Session& s, const MigrationAsk& ask) {
  MigrationCheck check;
  check.parity = ask.parity != 0 ? ask.parity : default_parity(ask.level);
  if ((check.status = check_request(s, ask, check.parity)) != kOk) return check;
  for (uint16_t pd : ask.targets)
    if (!contains(ask.members, pd)) check.new_disks.push_back(pd);
  std::vector<Disk> new_disks;
  for (uint16_t pd : check.new_disks) {
    new_disks.push_back(present_disk(s, pd).value());
    if ((check.status = check_joins_members(s, ask.member_blocks, new_disks.back())) != kOk) return check;
  }
  const MigratedSize size = migrated_capacity(ask.level, check.parity, ask.stripe_kb, ask.block_kb,
                                              static_cast<int>(ask.targets.size()), ask.current_kb);
  check.size_kb = size.size_kb;
  for (const Disk& d : new_disks)
    if (!first_fit(disk_free_extents(s, d), ask.block_kb)) {
      check.status = kNoResource;
      return check;
    }
  check.status = size.status;
  return check;
}

uint8_t check_migration_changes(uint8_t level_now, uint8_t parity_now, const std::vector<uint16_t>& members,
                                uint8_t level, uint8_t parity, const std::vector<uint16_t>& targets) {
  const uint8_t parity_before = parity_now != 0 ? parity_now : default_parity(level_now);
  if (level == level_now && parity == parity_before && targets.size() == members.size()) return kMigrationNotNeeded;
  if (redundancy_class(level) < redundancy_class(level_now)) return kTargetNotRedundant;
  return kOk;
}

uint8_t vd_migration_size(const Session& s, QX_VD_MIGRATION_REQUEST& r) {
  Vd vd;
  const MigrationCheck check = check_vd_request(s, r, vd);
  r.size_kb = check.size_kb;
  return check.status;
}

uint8_t start_vd_migration(const Session& s, const QX_VD_MIGRATION_REQUEST& r) {
  Vd vd;
  const MigrationCheck check = check_vd_request(s, r, vd);
  if (check.status != kOk) return check.status;
  const std::vector<uint16_t> targets(r.pd_ids, r.pd_ids + r.pd_count);
  std::vector<uint16_t> members;
  for (const Block& b : select_rows(s.db(), block_model(), s.adapter_id(), "vd = ?1", {json(vd.id)}))
    members.push_back(b.pd);
  if (uint8_t status = check_migration_changes(vd.raid_level, vd.parity_disks, members, r.raid_level, check.parity,
                                               targets))
    return status;
  if (!is_functional(vd.state)) return kVdStateWrong;
  if (std::optional<Activity> a = vd_activity(s, vd.id); a && is_active(*a)) return kVdHasBga;
  if (other_migration(s, vd.id)) return kOneMigration;
  if (!next_vd_id(s)) return kNoVdId;
  if (!free_block_ids(s, check.new_disks.size())) return kNoResource;
  begin_vd_migration(s, vd, r.raid_level, check.parity, check.size_kb, targets);
  return kOk;
}

void begin_vd_migration(const Session& s, const Vd& vd, uint8_t level, uint8_t parity, uint64_t size_kb,
                        const std::vector<uint16_t>& targets) {
  const RaidLevel& l = *find_raid_level(level);
  Vd target = vd;
  target.id = next_vd_id(s).value();
  target.raid_level = level;
  target.parity_disks = l.default_parity != 0 ? parity : 0;
  target.sub_vd_count = l.sub_vds;
  target.members = static_cast<uint8_t>(targets.size());
  target.size_kb = size_kb;
  target.state = QX_VD_FUNCTIONAL;
  target.has_os = false;
  target.target_of = vd.id;
  insert_row(s.db(), vd_model(), s.adapter_id(), target);
  place_target_blocks(s, vd, target, targets);
  begin_vd_activity(s, vd, ActivityKind::kMigration, activity_duration_s(s.adapter(), size_kb));
}

void finish_migration(const Session& s, uint16_t id) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  std::optional<Vd> vd = select_by_id(db, vd_model(), adapter, id);
  std::vector<Vd> targets = select_rows(db, vd_model(), adapter, "target_of = ?1", {json(id)}, "id", 1);
  if (!vd || targets.empty()) return;
  const Vd& target = targets.front();
  for (Block b : select_rows(db, block_model(), adapter, "vd = ?1 OR vd = ?2", {json(id), json(target.id)})) {
    if (b.vd == target.id) {
      b.vd = id;
    } else if (b.target_member != kNoSlot) {
      b.member = b.target_member;
      b.target_member = kNoSlot;
    }
    update_row(db, block_model(), adapter, b);
  }
  remove_vd(s, target.id);
  vd->raid_level = target.raid_level;
  vd->parity_disks = target.parity_disks;
  vd->sub_vd_count = target.sub_vd_count;
  vd->members = target.members;
  vd->size_kb = target.size_kb;
  update_row(db, vd_model(), adapter, *vd);
  settle_array(s, *vd);
}

void drop_migration_target(const Session& s, uint16_t id) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  for (Block b : select_rows(db, block_model(), adapter, "vd = ?1 AND target_member <> ?2", {json(id), json(kNoSlot)})) {
    b.target_member = kNoSlot;
    update_row(db, block_model(), adapter, b);
  }
  for (const Vd& target : select_rows(db, vd_model(), adapter, "target_of = ?1", {json(id)})) remove_vd(s, target.id);
}

}  // namespace qx::sim
