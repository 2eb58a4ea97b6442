#include "sim/engine/vd_health.h"

#include <algorithm>
#include <set>

#include "api/raid_levels.h"
#include "sim/engine/activities.h"
#include "sim/engine/events.h"
#include "sim/model/activity.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

// Missing slots a group of member slots tolerates: the parity levels as many
// as a group's share of the parity disks, at least their least.
int tolerated(const RaidLevel& level, uint8_t parity) {
  if (level.default_parity == 0) return level.tolerated;
  return std::max<int>(parity / std::max<int>(level.sub_vds, 1), level.tolerated);
}

// Member slots fall into groups that fail independently.
int group_size(const RaidLevel& level, const Vd& vd) {
  int n = std::max<int>(vd.members, 1);
  return std::max(1, member_group_size(level, n, std::max<int>(vd.sub_vd_count, 2)));
}

bool changes_with_members(uint8_t state) {
  return state == QX_VD_FUNCTIONAL || state == QX_VD_FUNCTIONAL_INITIALIZED || state == QX_VD_DEGRADED ||
         state == QX_VD_PARTIALLY_OPTIMAL || state == QX_VD_OFFLINE;
}

}  // namespace

uint8_t state_with_missing(const Vd& vd, const std::vector<uint8_t>& missing) {
  if (!changes_with_members(vd.state)) return vd.state;
  if (missing.empty()) return vd.state;
  const RaidLevel* level = find_raid_level(vd.raid_level);
  if (level == nullptr) return QX_VD_OFFLINE;
  int size = group_size(*level, vd);
  int worst = 0;
  std::vector<int> per_group(static_cast<size_t>(vd.members / size + 1), 0);
  for (uint8_t slot : missing) worst = std::max(worst, ++per_group[static_cast<size_t>(slot / size)]);
  int tolerance = tolerated(*level, vd.parity_disks);
  if (worst > tolerance) return QX_VD_OFFLINE;
  if (level->default_parity != 0)
    return worst < tolerance ? QX_VD_PARTIALLY_OPTIMAL : QX_VD_DEGRADED;
  return QX_VD_DEGRADED;
}

std::vector<uint16_t> detach_disk(const Session& s, uint16_t pd) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
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
      log_event(s, NewEvent(events::kVdOffline, id));
      // An offline VD cannot go on with its activity.
      if (std::optional<Activity> a = vd_activity(s, id)) {
        Activity stopped = settled(*a, s.now_ms());
        stopped.state = ActivityState::kAborted;
        update_row(db, activity_model(), adapter, stopped);
      }
    } else {
      log_event(s, NewEvent(events::kVdDegraded, id));
    }
  }
  return changed;
}

}  // namespace qx::sim
