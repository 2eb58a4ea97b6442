#include "sim/engine/rebuild.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/allocate.h"
#include "sim/engine/bga_control.h"
#include "sim/engine/copy_back.h"
#include "sim/engine/disk_activities.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/events.h"
#include "sim/engine/spares.h"
#include "sim/engine/vd_health.h"
#include "sim/engine/vd_starts.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

constexpr uint8_t kTransportBits = QX_PD_TYPE_SATA | QX_PD_TYPE_PATA | QX_PD_TYPE_SAS;

std::vector<Block> vd_blocks(Db& db, int adapter, uint16_t vd) {
  return select_rows(db, block_model(), adapter, "vd = ?1", {json(vd)}, "member");
}

// A member disk that still serves the VD: the one new members must match.
std::optional<Disk> serving_member(Db& db, int adapter, const std::vector<Block>& blocks) {
  for (const Block& b : blocks) {
    if (b.rebuilding) continue;
    std::optional<Disk> d = select_by_id(db, disk_model(), adapter, b.pd);
    if (d && d->present && !d->offline) return d;
  }
  return std::nullopt;
}

bool is_rebuildable(uint8_t state) { return state == QX_VD_DEGRADED || state == QX_VD_PARTIALLY_OPTIMAL; }

}  // namespace

uint64_t member_block_kb(const std::vector<Block>& blocks) {
  uint64_t size = 0;
  for (const Block& b : blocks) size = std::max(size, b.size_kb);
  return size;
}

uint8_t check_joins_members(const Session& s, const std::vector<Block>& blocks, const Disk& disk) {
  std::optional<Disk> member = serving_member(s.db(), s.adapter_id(), blocks);
  if (!member) return kOk;
  if (member->sector_size != disk.sector_size) return kPdBlockSizeMismatch;
  bool same_type =
      (member->type_bits & kTransportBits) == (disk.type_bits & kTransportBits) && member->ssd == disk.ssd;
  if ((s.adapter().features & QX_FEATURE_SAME_TYPE_ONLY) && !same_type) return kPdTypeMismatch;
  return kOk;
}

uint8_t check_rebuild_target(const Session& s, const Vd& vd, uint16_t pd) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  const Adapter& a = s.adapter();
  std::optional<Disk> disk = present_disk(s, pd);
  if (!disk) return kPdMissing;
  if (!is_data_disk(*disk)) return kAtapiInVd;
  if (disk->offline || disk->foreign) return kInvalidPdId;
  const std::vector<Block> blocks = vd_blocks(db, adapter, vd.id);
  if (std::any_of(blocks.begin(), blocks.end(), [pd](const Block& b) { return b.pd == pd; }))
    return kTargetIsMember;
  const bool used = holds_vd_block(s, pd);
  if (used && disk->spare != SpareKind::kNone) return kSpareInUse;
  if ((used && !(a.adv_features & QX_ADV_MULTI_VD)) || is_copy_back_target(s, pd)) return kPdAssigned;
  if (uint8_t status = check_joins_members(s, blocks, *disk)) return status;
  if (!first_fit(disk_free_extents(s, *disk), member_block_kb(blocks))) return kTargetTooSmall;
  if (!free_block_ids(s, 1)) return kNoResource;
  return kOk;
}

void begin_rebuild(const Session& s, const Vd& vd, const std::vector<SlotTarget>& targets) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  const std::vector<Block> blocks = vd_blocks(db, adapter, vd.id);
  const uint64_t size_kb = member_block_kb(blocks);
  for (const SlotTarget& t : targets) {
    for (const Block& stale : blocks)
      if (stale.member == t.slot) delete_row(db, block_model(), adapter, stale);
    std::optional<Disk> disk = select_by_id(db, disk_model(), adapter, t.pd);
    Block b;
    b.id = free_block_ids(s, 1)->front();
    b.pd = t.pd;
    b.vd = vd.id;
    b.member = t.slot;
    b.size_kb = size_kb;
    b.start_kb = *first_fit(disk_free_extents(s, *disk), size_kb);
    b.rebuilding = true;
    insert_row(db, block_model(), adapter, b);
    end_disk_activity(s, t.pd);
  }
  begin_vd_activity(s, vd, ActivityKind::kRebuild, activity_duration_s(s.adapter(), size_kb));
}

void begin_rebuild(const Session& s, const Vd& vd, uint16_t pd) {
  begin_rebuild(s, vd, {SlotTarget{missing_slots(s, vd).front(), pd}});
}

uint8_t start_rebuild(const Session& s, uint16_t id, uint16_t pd) {
  if (s.adapter().max_arrays != 0) return kNotSupportedOnAdapter;  // arrays rebuild as a whole
  Vd vd;
  if (uint8_t status = check_vd_start(s, id, QX_FEATURE_REBUILD, vd)) return status;
  if (vd.state == QX_VD_FUNCTIONAL || vd.state == QX_VD_FUNCTIONAL_INITIALIZED) return kVdFunctional;
  if (!is_rebuildable(vd.state)) return kVdStateWrong;
  if (uint8_t status = check_rebuild_target(s, vd, pd)) return status;
  begin_rebuild(s, vd, pd);
  return kOk;
}

void finish_rebuild(const Session& s, uint16_t vd) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  const bool keeps_spare = copies_back(s.adapter());
  for (Block b : select_rows(db, block_model(), adapter, "vd = ?1 AND rebuilding <> 0", {json(vd)})) {
    b.rebuilding = false;
    update_row(db, block_model(), adapter, b);
    std::optional<Disk> target = select_by_id(db, disk_model(), adapter, b.pd);
    if (!target || target->spare == SpareKind::kNone || keeps_spare) continue;
    target->spare = SpareKind::kNone;
    target->spare_array = 0;
    update_row(db, disk_model(), adapter, *target);
  }
  refresh_vd_state(s, vd);
}

}  // namespace qx::sim
