// Reading physical disks: QX_PD_GetHDInfo_Ext and QX_PD_GetHDInfo (the
// information record in its two forms), QX_PD_GetConfig,
// QX_PD_GetFreeSpaceInfo, QX_PD_GetBGAStatus.
#include <optional>
#include <vector>

#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/block_records.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/paging.h"
#include "sim/engine/topology_records.h"

using qx::sim::Call;
using qx::sim::Disk;
using qx::sim::ListSource;
using qx::sim::Session;

namespace {

const std::vector<qx::sim::Expander> kNoExpanders;

// The disks the call's adapter sees, each answered as `Record`. Reading a
// page of disks also reads their blocks and activities, so the records cost
// no query each.
template <class Record>
ListSource<Disk, Record> disk_source(Session& s, std::function<Record(const Disk&)> record) {
  ListSource<Disk, Record> source;
  source.missing_status = qx::kPdMissing;
  source.page = [&s](int64_t start, int64_t limit) {
    return qx::sim::present_disks(s, start, limit);
  };
  source.one = [&s](int64_t id) { return qx::sim::present_disk(s, id); };
  source.id_of = [](const Disk& d) { return int64_t{d.id}; };
  source.record = std::move(record);
  return source;
}

uint8_t serve_pd_info(Call call, uint8_t adapter, QX_QUERY_HEADER* query, qx::sim::PdForm form) {
  return qx::sim::api_call(call, adapter, [&](Session& s) {
    // Read only when a disk hangs on an expander: most listings have none.
    std::optional<std::vector<qx::sim::Expander>> expanders;
    return qx::sim::serve_list(query, s.adapter().max_buffer_kb, disk_source<QX_PD_INFO>(s, [&](const Disk& d) {
                                 if (d.link_kind == QX_NODE_EXPANDER && !expanders)
                                   expanders = qx::sim::expander_addresses(s);
                                 return qx::sim::pd_info_record(
                                     d, static_cast<uint8_t>(s.adapter_id()), form,
                                     qx::sim::parent_address(s.adapter(), expanders ? *expanders : kNoExpanders,
                                                             d.link_kind, d.parent_id,
                                                             qx::sim::parent_phys(d).front()));
                               }));
  });
}

}  // namespace

extern "C" {

QX_API_EXPORT uint8_t QX_PD_GetHDInfo_Ext(uint8_t adapter, QX_QUERY_HEADER* query) {
  return serve_pd_info(Call::QX_PD_GetHDInfo_Ext, adapter, query, qx::sim::PdForm::kExtended);
}

QX_API_EXPORT uint8_t QX_PD_GetHDInfo(uint8_t adapter, QX_QUERY_HEADER* query) {
  return serve_pd_info(Call::QX_PD_GetHDInfo, adapter, query, qx::sim::PdForm::kPlain);
}

QX_API_EXPORT uint8_t QX_PD_GetConfig(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call(Call::QX_PD_GetConfig, adapter, [&](Session& s) {
    return qx::sim::serve_list(query, s.adapter().max_buffer_kb, disk_source<QX_PD_CONFIG>(s, [](const Disk& d) {
                                 return qx::sim::pd_config_record(d);
                               }));
  });
}

QX_API_EXPORT uint8_t QX_PD_GetFreeSpaceInfo(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call(Call::QX_PD_GetFreeSpaceInfo, adapter, [&](Session& s) {
    const uint64_t reserved = s.adapter().disk_reserved_kb;
    return qx::sim::serve_list(query, s.adapter().max_buffer_kb, disk_source<QX_FREE_SPACE>(s, [&](const Disk& d) {
                                 const uint64_t usable = qx::sim::usable_kb(
                                     d, reserved, qx::sim::blocks_on_disk(s, d.id));
                                 return qx::sim::free_space_record(d, usable);
                               }));
  });
}

QX_API_EXPORT uint8_t QX_PD_GetBGAStatus(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call(Call::QX_PD_GetBGAStatus, adapter, [&](Session& s) {
    return qx::sim::serve_list(query, s.adapter().max_buffer_kb, disk_source<QX_PD_BGA_STATUS>(s, [&](const Disk& d) {
                                 return qx::sim::pd_bga_status_record(
                                     d.id, qx::sim::disk_activity(s, d.id), s.now_ms());
                               }));
  });
}

}  // extern "C"
