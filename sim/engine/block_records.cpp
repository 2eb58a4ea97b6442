#include "sim/engine/block_records.h"

#include <algorithm>
#include <string>

#include "sim/engine/disk_page.h"
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
  if (const DiskPage* page = kept_disk_page(s))
    if (std::optional<size_t> at = page->position(pd)) return page->blocks[*at];
  Db& db = s.db();
  const int adapter = s.adapter_id();
  return memoized<std::vector<Block>>(db, disk_blocks_key(adapter, pd), [&] { return blocks_on_disks(s, pd, pd); });
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

std::vector<Block> blocks_on_disks(const Session& s, uint16_t first_pd, uint16_t last_pd) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  // Read in key order and sorted here: asking SQLite for this order makes it
  // sort every row through a temporary tree, which costs more than the read.
  std::vector<Block> blocks =
      select_rows(db, block_model(), adapter, "pd BETWEEN ?1 AND ?2", {json(first_pd), json(last_pd)});
  std::sort(blocks.begin(), blocks.end(),
            [](const Block& a, const Block& b) { return a.pd != b.pd ? a.pd < b.pd : a.start_kb < b.start_kb; });
  return blocks;
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
