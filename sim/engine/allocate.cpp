#include "sim/engine/allocate.h"

#include <algorithm>

#include "sim/engine/block_records.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

// The block limit the adapter states (wide field first); none when it states none.
std::optional<int64_t> block_limit(const Adapter& a) {
  if (a.max_total_blocks_wide != 0) return a.max_total_blocks_wide;
  if (a.max_total_blocks_narrow != 0) return a.max_total_blocks_narrow;
  return std::nullopt;
}

}  // namespace

std::vector<Extent> free_extents(uint64_t disk_kb, uint64_t reserved_kb, const std::vector<Block>& blocks) {
  std::vector<Block> taken = blocks;
  std::sort(taken.begin(), taken.end(), [](const Block& x, const Block& y) { return x.start_kb < y.start_kb; });
  std::vector<Extent> out;
  uint64_t at = reserved_kb;
  for (const Block& b : taken) {
    if (b.start_kb > at && at < disk_kb) out.push_back({at, std::min(b.start_kb, disk_kb) - at});
    at = std::max(at, b.start_kb + b.size_kb);
  }
  if (at < disk_kb) out.push_back({at, disk_kb - at});
  return out;
}

uint64_t largest_extent_kb(const std::vector<Extent>& extents) {
  uint64_t most = 0;
  for (const Extent& e : extents) most = std::max(most, e.size_kb);
  return most;
}

std::optional<uint64_t> first_fit(const std::vector<Extent>& extents, uint64_t size_kb) {
  for (const Extent& e : extents)
    if (e.size_kb >= size_kb) return e.start_kb;
  return std::nullopt;
}

std::vector<Extent> disk_free_extents(const Session& s, const Disk& disk) {
  return free_extents(disk.size_kb, s.adapter().disk_reserved_kb, blocks_on_disk(s, disk.id));
}

bool holds_vd_block(const Session& s, uint16_t pd) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  Stmt stmt = db.prepare("SELECT 1 FROM blocks WHERE adapter = ?1 AND pd = ?2 AND vd <> ?3 LIMIT 1");
  stmt.bind(1, int64_t{adapter}).bind(2, int64_t{pd}).bind(3, int64_t{kNoId});
  return stmt.step();
}

std::optional<std::vector<uint16_t>> free_block_ids(const Session& s, size_t count) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  const Adapter& a = s.adapter();
  Stmt used = db.prepare("SELECT id FROM blocks WHERE adapter = ?1 ORDER BY id");
  used.bind(1, int64_t{adapter});
  std::vector<int64_t> taken;
  while (used.step()) taken.push_back(used.column_int(0));
  std::optional<int64_t> limit = block_limit(a);
  if (limit && static_cast<int64_t>(taken.size() + count) > *limit) return std::nullopt;

  std::vector<uint16_t> ids;
  size_t next_taken = 0;
  for (int64_t id = 0; id < kBlockIdLimit && ids.size() < count; ++id) {
    while (next_taken < taken.size() && taken[next_taken] < id) ++next_taken;
    if (next_taken < taken.size() && taken[next_taken] == id) continue;
    ids.push_back(static_cast<uint16_t>(id));
  }
  if (ids.size() < count) return std::nullopt;
  return ids;
}

void carve_blocks(const Session& s, uint16_t vd, const std::vector<Placement>& placements,
                  const std::vector<uint16_t>& ids) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  for (size_t i = 0; i < placements.size(); ++i) {
    const Placement& p = placements[i];
    Block b;
    b.id = ids.at(i);
    b.pd = p.pd;
    b.vd = vd;
    b.member = static_cast<uint8_t>(i);
    b.start_kb = p.start_kb;
    b.size_kb = p.size_kb;
    insert_row(db, block_model(), adapter, b);
  }
}

void release_blocks(const Session& s, uint16_t vd) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  Stmt stmt = db.prepare("DELETE FROM blocks WHERE adapter = ?1 AND vd = ?2");
  stmt.bind(1, int64_t{adapter}).bind(2, int64_t{vd});
  stmt.run();
}

}  // namespace qx::sim
