// Reading blocks: QX_BLK_GetInfo (one block), QX_BLK_GetHDBlock (the block
// ids of a disk).
#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/block_records.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/paging.h"
#include "sim/store/table.h"

using qx::sim::Call;
using qx::sim::Block;
using qx::sim::Disk;
using qx::sim::json;
using qx::sim::ListSource;
using qx::sim::Session;

extern "C" {

QX_API_EXPORT uint8_t QX_BLK_GetInfo(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call(Call::QX_BLK_GetInfo, adapter, [&](Session& s) {
    ListSource<Block, QX_BLOCK_INFO> source;
    source.missing_status = qx::kInvalidBlockId;
    source.page = [&s](int64_t start, int64_t limit) {
      return qx::sim::select_key_range(s.db(), qx::sim::block_model(), s.adapter_id(), start, qx::sim::kLastKey, limit);
    };
    source.one = [&s](int64_t id) { return qx::sim::block_by_id(s, static_cast<uint16_t>(id)); };
    source.id_of = [](const Block& b) { return int64_t{b.id}; };
    source.record = [](const Block& b) { return qx::sim::block_info_record(b); };
    return qx::sim::serve_list(query, s.adapter().max_buffer_kb, source);
  });
}

QX_API_EXPORT uint8_t QX_BLK_GetHDBlock(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call(Call::QX_BLK_GetHDBlock, adapter, [&](Session& s) {
    ListSource<Disk, QX_HD_BLOCK> source;
    source.missing_status = qx::kPdMissing;
    // A page of disks comes with their blocks (see present_disks()).
    source.page = [&s](int64_t start, int64_t limit) {
      return qx::sim::present_disks(s, start, limit);
    };
    source.one = [&s](int64_t id) { return qx::sim::present_disk(s, id); };
    source.id_of = [](const Disk& d) { return int64_t{d.id}; };
    source.record = [&s](const Disk& d) {
      return qx::sim::hd_block_record(d.id, qx::sim::blocks_on_disk(s, d.id));
    };
    return qx::sim::serve_list(query, s.adapter().max_buffer_kb, source);
  });
}

}  // extern "C"
