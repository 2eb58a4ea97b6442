// Reading blocks: QX_BLK_GetInfo (one block), QX_BLK_GetHDBlock (the block
// ids of a disk).
#include <map>
#include <utility>
#include <vector>

#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/block_records.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/paging.h"
#include "sim/store/table.h"

using qx::sim::Access;
using qx::sim::Block;
using qx::sim::Disk;
using qx::sim::json;
using qx::sim::ListSource;
using qx::sim::Session;

namespace {

// A disk with the blocks that lie on it.
using DiskBlocks = std::pair<uint16_t, std::vector<Block>>;

}  // namespace

extern "C" {

QX_API_EXPORT uint8_t QX_BLK_GetInfo(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call("QX_BLK_GetInfo", adapter, Access::kRead, [&](Session& s) {
    ListSource<Block, QX_BLOCK_INFO> source;
    source.missing_status = qx::kInvalidBlockId;
    source.page = [&s](int64_t start, int64_t limit) {
      return qx::sim::select_rows(s.db(), qx::sim::block_model(), s.adapter_id(), "id >= ?1", {json(start)}, "id",
                                  limit);
    };
    source.one = [&s](int64_t id) { return qx::sim::select_by_id(s.db(), qx::sim::block_model(), s.adapter_id(), id); };
    source.id_of = [](const Block& b) { return int64_t{b.id}; };
    source.record = [](const Block& b) { return qx::sim::block_info_record(b); };
    return qx::sim::serve_list(query, s.adapter().max_buffer_kb, source);
  });
}

QX_API_EXPORT uint8_t QX_BLK_GetHDBlock(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call("QX_BLK_GetHDBlock", adapter, Access::kRead, [&](Session& s) {
    ListSource<DiskBlocks, QX_HD_BLOCK> source;
    source.missing_status = qx::kPdMissing;
    source.page = [&s](int64_t start, int64_t limit) {
      std::vector<Disk> disks = qx::sim::present_disks(s.db(), s.adapter_id(), start, limit);
      std::vector<DiskBlocks> page;
      if (disks.empty()) return page;
      std::map<uint16_t, size_t> index;
      for (const Disk& d : disks) {
        index.emplace(d.id, page.size());
        page.push_back({d.id, {}});
      }
      for (Block& b : qx::sim::blocks_on_disks(s.db(), s.adapter_id(), disks.front().id, disks.back().id)) {
        auto it = index.find(b.pd);
        if (it != index.end()) page[it->second].second.push_back(std::move(b));
      }
      return page;
    };
    source.one = [&s](int64_t id) -> std::optional<DiskBlocks> {
      std::optional<Disk> disk = qx::sim::present_disk(s.db(), s.adapter_id(), id);
      if (!disk) return std::nullopt;
      return DiskBlocks{disk->id, qx::sim::blocks_on_disk(s.db(), s.adapter_id(), disk->id)};
    };
    source.id_of = [](const DiskBlocks& d) { return int64_t{d.first}; };
    source.record = [](const DiskBlocks& d) { return qx::sim::hd_block_record(d.first, d.second); };
    return qx::sim::serve_list(query, s.adapter().max_buffer_kb, source);
  });
}

}  // extern "C"
