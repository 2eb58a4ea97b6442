#include "sim/engine/vd_health.h"

#include <algorithm>
#include <set>

#include "sim/engine/activities.h"
#include "sim/engine/events.h"
#include "sim/model/activity.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

// Missing slots a group of member slots tolerates.
int tolerated(uint8_t level, int group_size, uint8_t parity) {
  switch (level) {
    case QX_RAID1:
    case QX_RAID5:
    case QX_RAID1E:
    case QX_RAID10:
    case QX_RAID50:
    case QX_TIER_SAFE: return 1;
    case QX_RAID6: return std::max<int>(parity, 2);
    case QX_RAID60: return std::max<int>(parity / 2, 2);
    default: (void)group_size; return 0;
  }
}

// Member slots fall into groups that fail independently: mirrored pairs of
// RAID10, the sub-VDs of RAID50 and RAID60; otherwise one group.
int group_size(const Vd& vd) {
  int n = std::max<int>(vd.members, 1);
  switch (vd.raid_level) {
    case QX_RAID10: return 2;
    case QX_RAID50:
    case QX_RAID60: return std::max(1, n / std::max<int>(vd.sub_vd_count, 2));
    default: return n;
  }
}

bool changes_with_members(uint8_t state) {
  return state == QX_VD_FUNCTIONAL || state == QX_VD_FUNCTIONAL_INITIALIZED || state == QX_VD_DEGRADED ||
         state == QX_VD_PARTIALLY_OPTIMAL || state == QX_VD_OFFLINE;
}

}  // namespace

uint8_t state_with_missing(const Vd& vd, const std::vector<uint8_t>& missing) {
  if (!changes_with_members(vd.state)) return vd.state;
  if (missing.empty()) return vd.state;
  int size = group_size(vd);
  int worst = 0;
  std::vector<int> per_group(static_cast<size_t>(vd.members / size + 1), 0);
  for (uint8_t slot : missing) worst = std::max(worst, ++per_group[static_cast<size_t>(slot / size)]);
  int tolerance = tolerated(vd.raid_level, size, vd.parity_disks);
  if (worst > tolerance) return QX_VD_OFFLINE;
  if (vd.raid_level == QX_RAID6 || vd.raid_level == QX_RAID60)
    return worst < tolerance ? QX_VD_PARTIALLY_OPTIMAL : QX_VD_DEGRADED;
  return QX_VD_DEGRADED;
}

std::vector<uint16_t> detach_disk(Db& db, int adapter, uint16_t pd, int64_t now_ms) {
  std::vector<Block> blocks = select_rows(db, block_model(), adapter, "pd = ?1", {json(pd)});
  std::set<uint16_t> vds;
  for (const Block& b : blocks) {
    if (b.vd != kNoId) vds.insert(b.vd);
    delete_row(db, block_model(), adapter, b);
  }
  std::vector<uint16_t> changed;
  for (uint16_t id : vds) {
    std::optional<Vd> vd = select_by_id(db, vd_model(), adapter, id);
    if (!vd) continue;
    std::vector<uint8_t> present(vd->members, 0);
    for (const Block& b : select_rows(db, block_model(), adapter, "vd = ?1", {json(id)}))
      if (b.member < present.size()) present[b.member] = 1;
    std::vector<uint8_t> missing;
    for (uint8_t slot = 0; slot < present.size(); ++slot)
      if (!present[slot]) missing.push_back(slot);
    uint8_t state = state_with_missing(*vd, missing);
    if (state == vd->state) continue;
    vd->state = state;
    update_row(db, vd_model(), adapter, *vd);
    changed.push_back(id);
    if (state == QX_VD_OFFLINE) {
      log_event(db, adapter, {QX_EVT_CLASS_VD, 0, id, kSeverityCritical, {}}, now_ms);
      // An offline VD cannot go on with its activity.
      if (std::optional<Activity> a = vd_activity(db, adapter, id)) {
        Activity stopped = settled(*a, now_ms);
        stopped.state = ActivityState::kAborted;
        update_row(db, activity_model(), adapter, stopped);
      }
    } else {
      log_event(db, adapter, {QX_EVT_CLASS_VD, 4, id, kSeverityMajor, {}}, now_ms);
    }
  }
  return changed;
}

}  // namespace qx::sim
