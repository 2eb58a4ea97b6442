#include "sim/engine/copy_back.h"

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include "api/records.h"
#include "sim/engine/activities.h"
#include "sim/engine/allocate.h"
#include "sim/engine/bga_control.h"
#include "sim/engine/block_records.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/vd_health.h"
#include "sim/engine/vd_starts.h"
#include "sim/model/array.h"
#include "sim/model/disk.h"
#include "sim/model/vd.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

// The serving blocks that spare `pd` holds for VDs: what it stands in for.
std::vector<Block> stood_in_blocks(const Session& s, uint16_t pd) {
  return select_rows(s.db(), block_model(), s.adapter_id(), "pd = ?1 AND vd <> ?2 AND rebuilding = 0",
                     {json(pd), json(kNoId)}, "vd");
}

// Whether `target` can take every block of `blocks`, which lie on a disk of
// `sector_size`: the same sector size and one free stretch for them all.
bool takes(const Session& s, const Disk& target, uint32_t sector_size, const std::vector<Block>& blocks) {
  uint64_t total = 0;
  for (const Block& b : blocks) total += b.size_kb;
  return target.sector_size == sector_size && largest_extent_kb(disk_free_extents(s, target)) >= total;
}

// An array lists the target in the spare's place once the spare holds none
// of its VDs' blocks.
void hand_over_position(const Session& s, uint16_t spare, uint16_t target) {
  for (Array array : select_rows(s.db(), array_model(), s.adapter_id())) {
    auto at = std::find(array.pds.begin(), array.pds.end(), spare);
    if (at == array.pds.end()) continue;
    bool still_serves = false;
    for (const Block& b : stood_in_blocks(s, spare))
      if (std::optional<Vd> vd = select_by_id(s.db(), vd_model(), s.adapter_id(), b.vd); vd && vd->array_id == array.id)
        still_serves = true;
    if (still_serves) continue;
    *at = target;
    update_row(s.db(), array_model(), s.adapter_id(), array);
  }
}

}  // namespace

bool copies_back(const Adapter& a) { return (a.features & QX_FEATURE_COPY_BACK) && a.copy_back; }

std::set<uint16_t> copy_back_targets(const Session& s) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  return memoized<std::set<uint16_t>>(db, memo_key("copy_back_targets", adapter), [&] {
    Stmt stmt = db.prepare(
        "SELECT target_pd FROM activities WHERE adapter = ?1 AND kind = 'copy_back' AND "
        "state IN ('running', 'paused', 'auto_paused')");
    stmt.bind(1, int64_t{adapter});
    std::set<uint16_t> pds;
    while (stmt.step()) pds.insert(static_cast<uint16_t>(stmt.column_int(0)));
    return pds;
  });
}

bool is_copy_back_target(const Session& s, uint16_t pd) {
  return copy_back_targets(s).count(pd) != 0;
}

void start_copy_back(const Session& s, uint16_t pd) {
  if (!copies_back(s.adapter())) return;
  std::optional<Disk> target = present_disk(s, pd);
  if (!target || target->offline || target->foreign || !is_data_disk(*target) || target->spare != SpareKind::kNone)
    return;
  if (!blocks_on_disk(s, pd).empty() || is_copy_back_target(s, pd)) return;
  for (const Disk& spare : select_rows(s.db(), disk_model(), s.adapter_id(), "spare <> 'none'", {}, "id")) {
    if (!spare.present || spare.offline) continue;
    const std::vector<Block> blocks = stood_in_blocks(s, spare.id);
    if (blocks.empty() || !takes(s, *target, spare.sector_size, blocks)) continue;
    for (const Block& b : blocks) {
      Vd vd;
      if (check_vd_start(s, b.vd, QX_FEATURE_COPY_BACK, vd) != 0) continue;  // busy: it keeps the spare
      begin_vd_activity(s, vd, ActivityKind::kCopyBack, activity_duration_s(s.adapter(), b.size_kb));
      Activity a = *vd_activity(s, vd.id);
      a.target_pd = pd;
      update_row(s.db(), activity_model(), s.adapter_id(), a);
    }
    return;
  }
}

void finish_copy_back(const Session& s, const Activity& a) {
  std::optional<Disk> target = present_disk(s, a.target_pd);
  if (!target || target->offline) return;
  // The VD's block on the lowest spare that stands in for it is the one copied.
  std::map<uint16_t, Block> on_spares;
  for (const Block& b : select_rows(s.db(), block_model(), s.adapter_id(), "vd = ?1 AND rebuilding = 0", {json(a.vd)}))
    if (std::optional<Disk> d = select_by_id(s.db(), disk_model(), s.adapter_id(), b.pd); d && d->spare != SpareKind::kNone)
      on_spares.emplace(b.pd, b);
  if (on_spares.empty()) return;
  Block moved = on_spares.begin()->second;
  const std::optional<uint64_t> start = first_fit(disk_free_extents(s, *target), moved.size_kb);
  if (!start) return;
  const uint16_t spare = moved.pd;
  moved.pd = target->id;
  moved.start_kb = *start;
  update_row(s.db(), block_model(), s.adapter_id(), moved);
  hand_over_position(s, spare, target->id);
  refresh_vd_state(s, a.vd);
}

}  // namespace qx::sim
