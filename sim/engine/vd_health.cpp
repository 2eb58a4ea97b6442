#include "sim/engine/vd_health.h"

#include <algorithm>
#include <optional>
#include <set>

#include "api/raid_levels.h"
#include "sim/engine/activities.h"
#include "sim/engine/bga_control.h"
#include "sim/engine/disk_activities.h"
#include "sim/engine/spares.h"
#include "sim/engine/vd_events.h"
#include "sim/model/activity.h"
#include "sim/model/disk.h"
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

bool is_whole(uint8_t state) { return state == QX_VD_FUNCTIONAL || state == QX_VD_FUNCTIONAL_INITIALIZED; }

// How bad a state is: whole, partially optimal, degraded, offline.
int severity(uint8_t state) {
  switch (state) {
    case QX_VD_PARTIALLY_OPTIMAL: return 1;
    case QX_VD_DEGRADED: return 2;
    case QX_VD_OFFLINE: return 3;
    default: return 0;
  }
}

const EventKind& worsened_event(uint8_t state) {
  switch (state) {
    case QX_VD_OFFLINE: return events::kVdOffline;
    case QX_VD_PARTIALLY_OPTIMAL: return events::kVdLostRedundancy;
    default: return events::kVdDegraded;
  }
}

// An activity that cannot go on once its VD has got worse: every one when the
// VD is offline, else all but a rebuild (which is what the VD now needs).
bool stops_on_worse(ActivityKind kind, uint8_t state) {
  if (state == QX_VD_OFFLINE) return true;
  return kind != ActivityKind::kRebuild && kind != ActivityKind::kCopyBack;
}

}  // namespace

uint8_t state_with_missing(const Vd& vd, const std::vector<uint8_t>& missing) {
  if (!changes_with_members(vd.state)) return vd.state;
  if (missing.empty()) return is_whole(vd.state) ? vd.state : uint8_t{QX_VD_FUNCTIONAL};
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

std::vector<uint8_t> missing_slots(const Session& s, const Vd& vd) {
  std::vector<Block> blocks = select_rows(s.db(), block_model(), s.adapter_id(), "vd = ?1", {json(vd.id)});
  size_t slots = vd.members;
  for (const Block& b : blocks) slots = std::max<size_t>(slots, b.member + size_t{1});
  std::vector<uint8_t> serving(slots, 0);
  for (const Block& b : blocks) {
    if (b.rebuilding) continue;
    std::optional<Disk> disk = select_by_id(s.db(), disk_model(), s.adapter_id(), b.pd);
    if (disk && disk->present && !disk->offline) serving[b.member] = 1;
  }
  std::vector<uint8_t> missing;
  for (size_t slot = 0; slot < slots; ++slot)
    if (!serving[slot]) missing.push_back(static_cast<uint8_t>(slot));
  return missing;
}

bool refresh_vd_state(const Session& s, uint16_t id) {
  Db& db = s.db();
  std::optional<Vd> vd = select_by_id(db, vd_model(), s.adapter_id(), id);
  if (!vd) return false;
  const uint8_t before = vd->state;
  vd->state = state_with_missing(*vd, missing_slots(s, *vd));
  if (vd->state == before) return false;
  update_row(db, vd_model(), s.adapter_id(), *vd);
  if (severity(vd->state) > severity(before)) {
    log_vd_event(s, *vd, worsened_event(vd->state));
    std::optional<Activity> a = vd_activity(s, id);
    if (a && stops_on_worse(a->kind, vd->state)) {
      if (is_active(*a))
        end_activity(s, *a, ActivityStep::kFailed);
      else
        delete_row(db, activity_model(), s.adapter_id(), *a);  // the record of one that ended
    }
  }
  return true;
}

void regain_disk(const Session& s, Disk disk, const NewEvent& event) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  disk.offline = false;
  update_row(db, disk_model(), adapter, disk);
  log_event(s, event);
  std::set<uint16_t> vds;
  for (const Block& b : select_rows(db, block_model(), adapter, "pd = ?1 AND vd <> ?2", {json(disk.id), json(kNoId)}))
    vds.insert(b.vd);
  for (uint16_t id : vds) {
    std::optional<Vd> before = select_by_id(db, vd_model(), adapter, id);
    if (!before || !refresh_vd_state(s, id) || before->state != QX_VD_OFFLINE) continue;
    if (std::optional<Vd> after = select_by_id(db, vd_model(), adapter, id)) log_vd_event(s, *after, events::kVdOnline);
  }
}

void lose_disk(const Session& s, uint16_t pd, bool keep_blocks) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  std::vector<Block> blocks = select_rows(db, block_model(), adapter, "pd = ?1", {json(pd)});
  std::set<uint16_t> vds;
  for (const Block& b : blocks) {
    if (b.vd == kNoId) continue;
    vds.insert(b.vd);
    // A rebuild cannot finish writing onto a disk that is gone, nor a copy
    // back reading from it.
    std::optional<Activity> a = vd_activity(s, b.vd);
    if (a && is_active(*a) &&
        ((b.rebuilding && a->kind == ActivityKind::kRebuild) || a->kind == ActivityKind::kCopyBack))
      end_activity(s, *a, ActivityStep::kFailed);
    // Nor a migration onto a new disk of the VD it builds.
    if (std::optional<Vd> owner = select_by_id(db, vd_model(), adapter, b.vd); owner && owner->target_of != kNoId)
      if (std::optional<Activity> m = vd_activity(s, owner->target_of); m && m->kind == ActivityKind::kMigration)
        end_activity(s, *m, ActivityStep::kFailed);
  }
  for (const Activity& a :
       select_rows(db, activity_model(), adapter, "kind = 'copy_back' AND target_pd = ?1", {json(pd)}))
    if (is_active(a)) end_activity(s, a, ActivityStep::kFailed);
  if (!keep_blocks)
    for (const Block& b : select_rows(db, block_model(), adapter, "pd = ?1", {json(pd)}))
      delete_row(db, block_model(), adapter, b);
  end_disk_activity(s, pd);
  for (uint16_t id : vds) refresh_vd_state(s, id);
  rebuild_onto_spares(s);
}

}  // namespace qx::sim
