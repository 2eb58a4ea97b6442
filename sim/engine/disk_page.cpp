#include "sim/engine/disk_page.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "sim/engine/block_records.h"
#include "sim/store/read_memo.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

std::string page_key(int adapter) {
  return memo_key("pd_page", adapter);
}

}  // namespace

std::optional<size_t> DiskPage::position(int64_t id) const {
  if (disks.empty() || id < disks.front().id) return std::nullopt;
  // Ids ascend without repeats, so disk `id` lies no further in than its
  // distance from the first id, and exactly there when no id is missing
  // before it (the common case, answered without a search).
  const size_t bound = std::min(disks.size(), static_cast<size_t>(id - disks.front().id) + 1);
  if (disks[bound - 1].id == id) return bound - 1;
  auto end = disks.begin() + static_cast<std::ptrdiff_t>(bound);
  auto it = std::lower_bound(disks.begin(), end, id, [](const Disk& d, int64_t x) { return d.id < x; });
  if (it == end || it->id != id) return std::nullopt;
  return static_cast<size_t>(it - disks.begin());
}

void keep_disk_page(const Session& s, const std::vector<Disk>& disks) {
  Db& db = s.db();
  if (!db.memo().active() || disks.empty()) return;
  DiskPage page;
  page.disks = disks;
  page.blocks.resize(disks.size());
  page.activities.resize(disks.size());
  std::vector<Block> blocks = blocks_on_disks(s, disks.front().id, disks.back().id);
  remember_blocks(s, blocks);
  for (Block& b : blocks)
    if (std::optional<size_t> at = page.position(b.pd)) page.blocks[*at].push_back(std::move(b));
  for (Activity& a : select_rows(db, activity_model(), s.adapter_id(), "pd BETWEEN ?1 AND ?2",
                                 {json(disks.front().id), json(disks.back().id)}, "id")) {
    std::optional<size_t> at = page.position(a.pd);
    if (at && !page.activities[*at]) page.activities[*at] = std::move(a);
  }
  remember(db, page_key(s.adapter_id()), std::move(page));
}

const DiskPage* kept_disk_page(const Session& s) {
  const ReadMemo& memo = s.db().memo();
  if (!memo.active()) return nullptr;
  return memo.find<DiskPage>(page_key(s.adapter_id()));
}

}  // namespace qx::sim
