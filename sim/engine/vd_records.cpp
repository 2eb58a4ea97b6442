#include "sim/engine/vd_records.h"

#include <algorithm>
#include <map>
#include <string>

#include "sim/engine/activities.h"
#include "sim/engine/block_records.h"
#include "sim/model/record_text.h"
#include "sim/store/read_memo.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

// The blocks and activities of the VDs `vds` (ascending ids), read with one
// query each over the id range the VDs span.
std::vector<VdView> with_parts(const Session& s, std::vector<Vd> vds) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  std::vector<VdView> views;
  if (vds.empty()) return views;
  const std::vector<json> range = {json(vds.front().id), json(vds.back().id)};
  std::map<uint16_t, size_t> index;
  for (Vd& vd : vds) {
    index.emplace(vd.id, views.size());
    views.push_back({std::move(vd), {}, std::nullopt});
  }
  for (Block& b : select_rows(db, block_model(), adapter, "vd BETWEEN ?1 AND ?2", range, "vd, member")) {
    auto it = index.find(b.vd);
    if (it != index.end()) views[it->second].blocks.push_back(std::move(b));
  }
  for (Activity& a : select_rows(db, activity_model(), adapter, "vd BETWEEN ?1 AND ?2", range, "id")) {
    auto it = index.find(a.vd);
    if (it != index.end() && !views[it->second].activity) views[it->second].activity = std::move(a);
  }
  return views;
}

std::string view_key(int adapter, int64_t id) {
  return memo_key("vd_view", adapter, id);
}

}  // namespace

std::vector<VdView> listed_vds(const Session& s, int64_t start, int64_t limit) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  std::vector<VdView> views = with_parts(
      s, select_rows(db, vd_model(), adapter, "target_of = ?1 AND id >= ?2", {json(kNoId), json(start)}, "id", limit));
  if (db.memo().active()) {
    for (const VdView& v : views) {
      remember(db, view_key(adapter, v.vd.id), std::optional<VdView>(v));
      remember_blocks(s, v.blocks);
    }
  }
  return views;
}

std::optional<VdView> listed_vd(const Session& s, int64_t id) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  return memoized<std::optional<VdView>>(db, view_key(adapter, id), [&]() -> std::optional<VdView> {
    std::vector<VdView> views = with_parts(
        s, select_rows(db, vd_model(), adapter, "target_of = ?1 AND id = ?2", {json(kNoId), json(id)}));
    if (views.empty()) return std::nullopt;
    return std::move(views.front());
  });
}

bool vd_exists(const Session& s, uint16_t id) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  if (listed_vd(s, id)) return true;
  return memoized<bool>(db, memo_key("vd_exists", adapter, id),
                        [&] { return select_by_id(db, vd_model(), adapter, id).has_value(); });
}

std::optional<VdView> migration_target(const Session& s, uint16_t source) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  std::vector<VdView> views =
      with_parts(s, select_rows(db, vd_model(), adapter, "target_of = ?1", {json(source)}, "id", 1));
  if (views.empty()) return std::nullopt;
  // The members' blocks are the source's until the migration ends; the
  // target shows them in the slots they will take.
  VdView& target = views.front();
  for (Block b : select_rows(db, block_model(), adapter, "vd = ?1 AND target_member <> ?2",
                             {json(source), json(kNoSlot)})) {
    b.member = b.target_member;
    target.blocks.push_back(b);
  }
  std::sort(target.blocks.begin(), target.blocks.end(),
            [](const Block& x, const Block& y) { return x.member < y.member; });
  return std::move(target);
}

uint8_t member_slots(const VdView& view) {
  int slots = view.vd.members;
  for (const Block& b : view.blocks) slots = std::max(slots, b.member + 1);
  return static_cast<uint8_t>(std::min(slots, QX_VD_BLOCK_SLOTS));
}

QX_VD_INFO vd_info_record(const VdView& view) {
  const Vd& v = view.vd;
  QX_VD_INFO r{};
  r.vd_id = v.id;
  r.state = v.state;
  r.bga_state = view.activity ? reported_bga_state(*view.activity) : static_cast<uint8_t>(QX_BGA_NONE);
  r.stripe_kb = v.stripe_kb;
  r.raid_level = v.raid_level;
  const uint8_t slots = member_slots(view);
  r.pd_count = slots;
  r.cache_flags = v.cache_flags;
  if (slots == 0) {
    // No slot at all: the fixed table, every entry empty.
    r.block_count = 0;
    std::fill(r.block_ids, r.block_ids + QX_VD_FIXED_BLOCK_TABLE, uint16_t{0xFF});
  } else {
    r.block_count = slots;
    std::fill(r.block_ids, r.block_ids + slots, uint16_t{QX_VD_BLOCK_EMPTY});
    for (const Block& b : view.blocks)
      if (b.member < slots) r.block_ids[b.member] = b.id;
  }
  const auto time = static_cast<uint32_t>(static_cast<int32_t>(v.last_write_time));
  r.last_write_high = static_cast<uint16_t>(time >> 16);
  r.last_write_low = static_cast<uint16_t>(time & 0xFFFF);
  r.array_id = v.array_id;
  r.size_kb = v.size_kb;
  copy_text(r.name, v.name);
  r.sub_vd_count = v.sub_vd_count;
  r.parity_disks = v.parity_disks;
  return r;
}

QX_VD_STATUS vd_status_record(const VdView& view, int64_t now_ms, bool member_patrol) {
  QX_VD_STATUS r{};
  r.state = view.vd.state;
  if (const std::optional<Activity>& a = view.activity) {
    r.bga_type = reported_bga_type(*a);
    r.percent = static_cast<uint16_t>(progress_at(*a, now_ms) / 100);
    r.bga_state = reported_bga_state(*a);
  }
  if (member_patrol) r.flags |= QX_VD_STATUS_MEDIA_PATROL;
  return r;
}

bool has_patrolling_member(const VdView& view, const std::set<uint16_t>& patrolled) {
  return std::any_of(view.blocks.begin(), view.blocks.end(),
                     [&](const Block& b) { return patrolled.count(b.pd) != 0; });
}

}  // namespace qx::sim
