#include "sim/engine/array_records.h"

#include <algorithm>
#include <map>

#include "sim/engine/bga_control.h"
#include "sim/engine/block_records.h"
#include "sim/engine/capacity.h"
#include "sim/model/disk.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

// What a page of arrays needs from the other tables, read once.
struct Surroundings {
  std::map<uint16_t, Disk> disks;                 // present disks by id
  std::map<uint16_t, std::vector<Block>> blocks;  // by disk
  std::vector<Vd> vds;
  std::map<uint16_t, Activity> activities;  // by VD
  std::vector<uint16_t> patrolling;         // disks running a media patrol
};

Surroundings read_surroundings(const Session& s, const std::vector<Array>& arrays) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  Surroundings out;
  uint16_t lo = 0xFFFF, hi = 0;
  for (const Array& r : arrays)
    for (uint16_t pd : r.pds) {
      lo = std::min(lo, pd);
      hi = std::max(hi, pd);
    }
  if (lo <= hi) {
    for (const Disk& d :
         select_rows(db, disk_model(), adapter, "present = 1 AND id BETWEEN ?1 AND ?2", {json(lo), json(hi)}))
      out.disks[d.id] = d;
    for (const Block& b : blocks_on_disks(s, lo, hi)) out.blocks[b.pd].push_back(b);
    for (const Activity& x :
         select_rows(db, activity_model(), adapter,
                     "kind = 'media_patrol' AND state = 'running' AND pd BETWEEN ?1 AND ?2", {json(lo), json(hi)}))
      out.patrolling.push_back(x.pd);
  }
  out.vds = select_rows(db, vd_model(), adapter, "array_id BETWEEN ?1 AND ?2",
                        {json(arrays.front().id), json(arrays.back().id)});
  for (const Activity& x : select_rows(db, activity_model(), adapter, "vd <> ?1", {json(kNoId)}))
    out.activities.emplace(x.vd, x);
  return out;
}

ArrayView view_of(const Array& r, const Adapter& a, const Surroundings& s) {
  ArrayView v;
  v.array = r;
  std::vector<uint16_t> on_array;  // every VD on it, migration targets included
  for (const Vd& vd : s.vds) {
    if (vd.array_id != r.id) continue;
    on_array.push_back(vd.id);
    if (vd.target_of == kNoId) v.vds.push_back(vd);
  }
  for (uint16_t pd : r.pds) {
    auto disk = s.disks.find(pd);
    auto blocks = s.blocks.find(pd);
    std::vector<Block> none;
    const std::vector<Block>& here = blocks != s.blocks.end() ? blocks->second : none;
    uint64_t used = 0;
    for (const Block& b : here)
      if (std::find(on_array.begin(), on_array.end(), b.vd) != on_array.end()) used += b.size_kb;
    v.member_used_kb.push_back(used);
    v.member_free_kb.push_back(
        disk == s.disks.end() ? 0 : largest_extent_kb(free_extents(disk->second.size_kb, a.disk_reserved_kb, here)));
    if (std::find(s.patrolling.begin(), s.patrolling.end(), pd) != s.patrolling.end()) v.patrolling = true;
  }
  for (const Vd& vd : v.vds) {
    auto x = s.activities.find(vd.id);
    if (x != s.activities.end() && is_active(x->second)) {
      v.activity = x->second;
      break;
    }
  }
  return v;
}

}  // namespace

std::vector<ArrayView> array_views(const Session& s, int64_t start, int64_t limit) {
  std::vector<Array> arrays =
      select_rows(s.db(), array_model(), s.adapter_id(), "id >= ?1", {json(start)}, "id", limit);
  std::vector<ArrayView> out;
  if (arrays.empty()) return out;
  Surroundings around = read_surroundings(s, arrays);
  for (const Array& r : arrays) out.push_back(view_of(r, s.adapter(), around));
  return out;
}

std::optional<ArrayView> array_view(const Session& s, int64_t id) {
  std::optional<Array> r = select_by_id(s.db(), array_model(), s.adapter_id(), id);
  if (!r) return std::nullopt;
  return view_of(*r, s.adapter(), read_surroundings(s, {*r}));
}

QX_ARRAY_INFO array_info_record(const ArrayView& v, const Adapter& a) {
  QX_ARRAY_INFO rec{};
  const Array& r = v.array;
  rec.array_id = r.id;
  rec.raid_level = r.raid_level;
  rec.parity_disks = r.parity_disks;
  rec.stripe_kb = r.stripe_kb;
  rec.sector_size = r.sector_size;

  CapacityRequest room;
  room.level = r.raid_level;
  room.parity = r.parity_disks != 0 ? r.parity_disks : default_parity(r.raid_level);
  room.stripe_kb = r.stripe_kb;
  for (uint64_t free : v.member_free_kb) room.members.push_back({free, false});
  CapacityPlan plan = plan_capacity(room);
  rec.free_kb = plan.status == 0 ? plan.capacity_kb : 0;
  rec.rebuild_kb = v.member_used_kb.empty() ? 0 : *std::max_element(v.member_used_kb.begin(), v.member_used_kb.end());
  rec.media_patrol = v.patrolling ? 1 : 0;

  size_t pds = std::min<size_t>(r.pds.size(), QX_ARRAY_MAX_PDS);
  rec.pd_count = static_cast<uint8_t>(pds);
  std::copy(r.pds.begin(), r.pds.begin() + static_cast<std::ptrdiff_t>(pds), rec.pd_ids);

  size_t slots = a.max_vds_per_array != 0 ? a.max_vds_per_array : v.vds.size();
  slots = std::min<size_t>(std::max(slots, v.vds.size()), QX_ARRAY_MAX_SLOTS);
  rec.slot_count = static_cast<uint8_t>(slots);
  std::fill(std::begin(rec.slot_vd_ids), std::end(rec.slot_vd_ids), uint16_t{QX_FREE_SLOT});
  for (size_t i = 0; i < v.vds.size() && i < slots; ++i) rec.slot_vd_ids[i] = v.vds[i].id;

  if (v.activity) {
    rec.bga_type = bga_type(v.activity->kind);
    rec.bga_state = bga_state(v.activity->state);
  }
  return rec;
}

}  // namespace qx::sim
