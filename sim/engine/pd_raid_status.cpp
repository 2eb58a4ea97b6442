#include "sim/engine/pd_raid_status.h"

#include <algorithm>
#include <set>

#include "sim/engine/block_records.h"
#include "sim/engine/copy_back.h"
#include "sim/engine/disk_records.h"
#include "sim/model/activity.h"
#include "sim/model/array.h"
#include "sim/store/read_memo.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

// The disks of the arrays that hold no VD: such an array holds all its
// disks. (An array with VDs counts as members the disks that hold their
// blocks: a listed disk without one is a member come back, free to take its
// place again.) Kept while the state stays the same.
std::set<uint16_t> disks_of_arrays_without_vds(const Session& s) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  return memoized<std::set<uint16_t>>(db, memo_key("vdless_array_disks", adapter), [&] {
    std::set<uint16_t> arrays_with_vds;
    Stmt used = db.prepare("SELECT DISTINCT array_id FROM vds WHERE adapter = ?1");
    used.bind(1, int64_t{adapter});
    while (used.step()) arrays_with_vds.insert(static_cast<uint16_t>(used.column_int(0)));
    std::set<uint16_t> pds;
    for (const Array& a : select_fields(db, array_model(), adapter, {"id", "pds"}))
      if (arrays_with_vds.count(a.id) == 0) pds.insert(a.pds.begin(), a.pds.end());
    return pds;
  });
}

// The views of `disks` (ascending ids), reading the blocks of their id range
// at once; what arrays, copy backs and patrols hold is read once per state.
std::vector<PdRaidView> views_of(const Session& s, const std::vector<Disk>& disks) {
  std::vector<PdRaidView> out;
  if (disks.empty()) return out;
  const uint16_t first = disks.front().id;
  const uint16_t last = disks.back().id;
  std::set<uint16_t> members;
  for (const Block& b : first == last ? blocks_on_disk(s, first) : blocks_on_disks(s, first, last))
    if (b.vd != kNoId) members.insert(b.pd);
  const std::set<uint16_t> held = disks_of_arrays_without_vds(s);
  members.insert(held.begin(), held.end());
  // A disk a copy back writes to is as good as a member.
  const std::set<uint16_t> copy_back = copy_back_targets(s);
  members.insert(copy_back.begin(), copy_back.end());
  const std::set<uint16_t> patrolling = disks_under_patrol(s);
  for (const Disk& d : disks) out.push_back({d, members.count(d.id) != 0, patrolling.count(d.id) != 0});
  return out;
}

}  // namespace

std::vector<PdRaidView> pd_raid_views(const Session& s, int64_t start, int64_t limit) {
  return views_of(s, present_disks(s, start, limit));
}

std::optional<PdRaidView> pd_raid_view(const Session& s, int64_t id) {
  std::optional<Disk> disk = present_disk(s, id);
  if (!disk) return std::nullopt;
  return views_of(s, {*disk}).front();
}

QX_PD_RAID_STATUS pd_raid_status_record(const PdRaidView& v) {
  QX_PD_RAID_STATUS r{};
  r.pd_id = v.disk.id;
  const bool spare = v.disk.spare != SpareKind::kNone;
  if (v.disk.spare == SpareKind::kGlobal) r.flags |= QX_PD_RAID_GLOBAL_SPARE;
  if (v.disk.spare == SpareKind::kDedicated) {
    r.flags |= QX_PD_RAID_DEDICATED_SPARE;
    r.spare_array_id = v.disk.spare_array;
  }
  // A member disk is assigned; a spare that holds a member's block stands in for it.
  if (v.member) r.flags |= QX_PD_RAID_IN_USE;
  if (!v.member && !spare && !v.disk.offline) r.flags |= QX_PD_RAID_FREE;
  if (v.disk.offline) r.flags |= QX_PD_RAID_OFFLINE;
  if (v.patrolling) r.flags |= QX_PD_RAID_MEDIA_PATROL;
  if (v.disk.foreign) r.flags |= QX_PD_RAID_FOREIGN;
  return r;
}

}  // namespace qx::sim
