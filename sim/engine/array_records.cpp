#include "sim/engine/array_records.h"

#include <algorithm>
#include <map>
#include <set>

#include "sim/engine/bga_control.h"
#include "sim/engine/block_records.h"
#include "sim/engine/capacity.h"
#include "sim/engine/disk_records.h"
#include "sim/model/disk.h"
#include "sim/model/record_text.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

// What a page of arrays needs from the other tables, read once.
struct Surroundings {
  std::map<uint16_t, Disk> disks;                 // present disks by id
  std::map<uint16_t, std::vector<Block>> blocks;  // by disk
  std::vector<Vd> vds;
  std::map<uint16_t, Activity> activities;  // by VD
  std::set<uint16_t> patrolling;            // disks running a media patrol
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
    for (const Disk& d : present_disks_between(s, lo, hi)) out.disks[d.id] = d;
    for (const Block& b : blocks_on_disks(s, lo, hi)) out.blocks[b.pd].push_back(b);
    out.patrolling = disks_under_patrol(s);
  }
  out.vds = select_rows(db, vd_model(), adapter, "array_id BETWEEN ?1 AND ?2",
                        {json(arrays.front().id), json(arrays.back().id)});
  // A view shows its activity's kind and state only.
  for (const Activity& x :
       select_fields(db, activity_model(), adapter, {"vd", "kind", "state"}, "vd <> ?1", {json(kNoId)}))
    out.activities.emplace(x.vd, x);
  return out;
}

// Where a VD lies on the array: its block in the lowest member position.
std::vector<SlotRegion> regions_of(const Array& r, const std::vector<Vd>& vds, const Surroundings& s) {
  std::vector<SlotRegion> out;
  for (const Vd& vd : vds) {
    const Block* first = nullptr;
    for (uint16_t pd : r.pds) {
      auto blocks = s.blocks.find(pd);
      if (blocks == s.blocks.end()) continue;
      for (const Block& b : blocks->second)
        if (b.vd == vd.id && (first == nullptr || b.member < first->member)) first = &b;
    }
    if (first != nullptr) out.push_back({vd.id, first->start_kb, first->size_kb, vd.target_of == kNoId});
  }
  return out;
}

ArrayView view_of(const Array& r, const Adapter& a, const Surroundings& s) {
  ArrayView v;
  v.array = r;
  std::vector<Vd> on_array;  // every VD on it, migration targets included
  for (const Vd& vd : s.vds) {
    if (vd.array_id != r.id) continue;
    on_array.push_back(vd);
    if (vd.target_of == kNoId) v.vds.push_back(vd);
  }
  std::vector<uint64_t> disk_kb;
  for (uint16_t pd : r.pds) {
    auto disk = s.disks.find(pd);
    auto blocks = s.blocks.find(pd);
    uint64_t used = 0;
    if (blocks != s.blocks.end())
      for (const Block& b : blocks->second)
        if (std::any_of(on_array.begin(), on_array.end(), [&b](const Vd& x) { return x.id == b.vd; }))
          used += b.size_kb;
    v.member_used_kb.push_back(used);
    if (disk != s.disks.end()) disk_kb.push_back(disk->second.size_kb);
    if (s.patrolling.count(pd) != 0) v.patrolling = true;
  }
  v.slots = array_slots(array_geometry(r, a, disk_kb), regions_of(r, on_array, s), a.max_vds_per_array);
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
  std::vector<Array> arrays = select_key_range(s.db(), array_model(), s.adapter_id(), start, kLastKey, limit);
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

ArrayGeometry array_geometry(const Array& r, const Adapter& a, const std::vector<uint64_t>& member_disk_kb) {
  ArrayGeometry g;
  g.level = r.raid_level;
  g.parity = r.parity_disks != 0 ? r.parity_disks : default_parity(r.raid_level);
  g.stripe_kb = r.stripe_kb;
  g.size_kb = r.size_kb;
  g.reserved_kb = a.disk_reserved_kb;
  g.members = r.pds.size();
  for (uint64_t kb : member_disk_kb) g.member_space_kb.push_back(kb > a.disk_reserved_kb ? kb - a.disk_reserved_kb : 0);
  return g;
}

QX_ARRAY_INFO array_info_record(const ArrayView& v) {
  QX_ARRAY_INFO rec{};
  const Array& r = v.array;
  rec.array_id = r.id;
  copy_text(rec.name, r.name);
  rec.raid_level = r.raid_level;
  rec.parity_disks = r.parity_disks;
  rec.stripe_kb = r.stripe_kb;
  rec.sector_size = r.sector_size;

  rec.free_kb = largest_free_slot_kb(v.slots);
  rec.rebuild_kb = v.member_used_kb.empty() ? 0 : *std::max_element(v.member_used_kb.begin(), v.member_used_kb.end());
  rec.media_patrol = v.patrolling ? 1 : 0;

  size_t pds = std::min<size_t>(r.pds.size(), QX_ARRAY_MAX_PDS);
  rec.pd_count = static_cast<uint8_t>(pds);
  std::copy(r.pds.begin(), r.pds.begin() + static_cast<std::ptrdiff_t>(pds), rec.pd_ids);

  const size_t slots = std::min<size_t>(v.slots.size(), QX_ARRAY_MAX_SLOTS);
  rec.slot_count = static_cast<uint8_t>(slots);
  std::fill(std::begin(rec.slot_vd_ids), std::end(rec.slot_vd_ids), uint16_t{QX_FREE_SLOT});
  for (size_t i = 0; i < slots; ++i) rec.slot_vd_ids[i] = v.slots[i].vd;

  if (v.activity) {
    rec.bga_type = bga_type(v.activity->kind);
    rec.bga_state = bga_state(v.activity->state);
  }
  return rec;
}

}  // namespace qx::sim
