#include "sim/engine/block_records.h"

#include <algorithm>
#include <map>
#include <string>

#include "sim/store/read_memo.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

std::string disk_blocks_key(int adapter, uint16_t pd) {
  return memo_key("pd_blks", adapter, pd);
}
std::string block_key(int adapter, uint16_t id) {
  return memo_key("block", adapter, id);
}

}  // namespace

std::vector<Block> blocks_on_disk(const Session& s, uint16_t pd) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  return memoized<std::vector<Block>>(db, disk_blocks_key(adapter, pd), [&] {
    return select_rows(db, block_model(), adapter, "pd = ?1", {json(pd)}, "start_kb");
  });
}

std::optional<Block> block_by_id(const Session& s, uint16_t id) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  return memoized<std::optional<Block>>(db, block_key(adapter, id),
                                        [&] { return select_by_id(db, block_model(), adapter, id); });
}

void remember_blocks(const Session& s, const std::vector<Block>& blocks) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  for (const Block& b : blocks) remember(db, block_key(adapter, b.id), std::optional<Block>(b));
}

void prefetch_disk_blocks(const Session& s, const std::vector<Disk>& disks) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  if (!db.memo().active() || disks.empty()) return;
  std::map<uint16_t, std::vector<Block>> by_disk;
  for (const Disk& d : disks) by_disk[d.id];
  for (Block& b : blocks_on_disks(s, disks.front().id, disks.back().id)) {
    remember(db, block_key(adapter, b.id), std::optional<Block>(b));
    auto it = by_disk.find(b.pd);
    if (it != by_disk.end()) it->second.push_back(std::move(b));
  }
  for (auto& [pd, blocks] : by_disk) remember(db, disk_blocks_key(adapter, pd), std::move(blocks));
}

std::vector<Block> blocks_on_disks(const Session& s, uint16_t first_pd, uint16_t last_pd) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  return select_rows(db, block_model(), adapter, "pd BETWEEN ?1 AND ?2", {json(first_pd), json(last_pd)},
                     "pd, start_kb");
}

QX_BLOCK_INFO block_info_record(const Block& b) {
  QX_BLOCK_INFO r{};
  r.block_id = b.id;
  r.pd_id = b.pd;
  const bool owned = b.vd != kNoId;
  r.flags = owned ? QX_BLOCK_OWNED : 0;
  r.vd_id = owned ? b.vd : uint16_t{QX_BLOCK_NO_VD};
  r.start_kb = b.start_kb;
  r.size_kb = b.size_kb;
  return r;
}

QX_HD_BLOCK hd_block_record(uint16_t pd, const std::vector<Block>& blocks) {
  QX_HD_BLOCK r{};
  r.pd_id = pd;
  if (blocks.empty()) {
    r.block_count = 0;
    std::fill(r.block_ids, r.block_ids + QX_HD_BLOCK_FIXED_TABLE, uint16_t{QX_HD_BLOCK_UNUSED});
    return r;
  }
  const size_t count = std::min<size_t>(blocks.size(), QX_HD_BLOCK_MAX);
  r.block_count = static_cast<uint8_t>(count);
  for (size_t i = 0; i < count; ++i) r.block_ids[i] = blocks[i].id;
  return r;
}

}  // namespace qx::sim
