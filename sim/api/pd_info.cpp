// Reading physical disks: QX_PD_GetHDInfo_Ext and QX_PD_GetHDInfo (the
// information record in its two forms), QX_PD_GetConfig,
// QX_PD_GetFreeSpaceInfo, QX_PD_GetBGAStatus.
#include <map>
#include <optional>
#include <vector>

#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/block_records.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/paging.h"
#include "sim/store/table.h"

using qx::sim::Access;
using qx::sim::Activity;
using qx::sim::Block;
using qx::sim::Disk;
using qx::sim::json;
using qx::sim::ListSource;
using qx::sim::Session;

namespace {

// The disks the call's adapter sees, each answered as `Record`. `on_rows`,
// when given, is told which disks an answer holds before their records are
// made, so that it can read what they need in one go.
template <class Record>
ListSource<Disk, Record> disk_source(Session& s, std::function<Record(const Disk&)> record,
                                     std::function<void(uint16_t first, uint16_t last)> on_rows = nullptr) {
  ListSource<Disk, Record> source;
  source.missing_status = qx::kPdMissing;
  source.page = [&s, on_rows](int64_t start, int64_t limit) {
    std::vector<Disk> disks = qx::sim::present_disks(s.db(), s.adapter_id(), start, limit);
    if (on_rows && !disks.empty()) on_rows(disks.front().id, disks.back().id);
    return disks;
  };
  source.one = [&s, on_rows](int64_t id) {
    std::optional<Disk> disk = qx::sim::present_disk(s.db(), s.adapter_id(), id);
    if (on_rows && disk) on_rows(disk->id, disk->id);
    return disk;
  };
  source.id_of = [](const Disk& d) { return int64_t{d.id}; };
  source.record = std::move(record);
  return source;
}

uint8_t serve_pd_info(const char* function, uint8_t adapter, QX_QUERY_HEADER* query, qx::sim::PdForm form) {
  return qx::sim::api_call(function, adapter, Access::kRead, [&](Session& s) {
    return qx::sim::serve_list(query, s.adapter().max_buffer_kb, disk_source<QX_PD_INFO>(s, [&](const Disk& d) {
      return qx::sim::pd_info_record(d, static_cast<uint8_t>(s.adapter_id()), form);
    }));
  });
}

}  // namespace

extern "C" {

QX_API_EXPORT uint8_t QX_PD_GetHDInfo_Ext(uint8_t adapter, QX_QUERY_HEADER* query) {
  return serve_pd_info("QX_PD_GetHDInfo_Ext", adapter, query, qx::sim::PdForm::kExtended);
}

QX_API_EXPORT uint8_t QX_PD_GetHDInfo(uint8_t adapter, QX_QUERY_HEADER* query) {
  return serve_pd_info("QX_PD_GetHDInfo", adapter, query, qx::sim::PdForm::kPlain);
}

QX_API_EXPORT uint8_t QX_PD_GetConfig(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call("QX_PD_GetConfig", adapter, Access::kRead, [&](Session& s) {
    return qx::sim::serve_list(query, s.adapter().max_buffer_kb, disk_source<QX_PD_CONFIG>(s, [](const Disk& d) {
      return qx::sim::pd_config_record(d);
    }));
  });
}

QX_API_EXPORT uint8_t QX_PD_GetFreeSpaceInfo(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call("QX_PD_GetFreeSpaceInfo", adapter, Access::kRead, [&](Session& s) {
    std::map<uint16_t, std::vector<Block>> blocks;
    const uint64_t reserved = s.adapter().disk_reserved_kb;
    auto source = disk_source<QX_FREE_SPACE>(
        s,
        [&](const Disk& d) {
          auto it = blocks.find(d.id);
          const std::vector<Block> none;
          return qx::sim::free_space_record(d, qx::sim::usable_kb(d, reserved, it == blocks.end() ? none : it->second));
        },
        [&](uint16_t first, uint16_t last) {
          blocks.clear();
          for (Block& b : qx::sim::blocks_on_disks(s.db(), s.adapter_id(), first, last))
            blocks[b.pd].push_back(std::move(b));
        });
    return qx::sim::serve_list(query, s.adapter().max_buffer_kb, source);
  });
}

QX_API_EXPORT uint8_t QX_PD_GetBGAStatus(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call("QX_PD_GetBGAStatus", adapter, Access::kRead, [&](Session& s) {
    std::map<uint16_t, Activity> activities;
    auto source = disk_source<QX_PD_BGA_STATUS>(
        s,
        [&](const Disk& d) {
          auto it = activities.find(d.id);
          std::optional<Activity> activity;
          if (it != activities.end()) activity = it->second;
          return qx::sim::pd_bga_status_record(d.id, activity, s.now_ms());
        },
        [&](uint16_t first, uint16_t last) {
          activities.clear();
          for (Activity& a : qx::sim::select_rows(s.db(), qx::sim::activity_model(), s.adapter_id(),
                                                  "pd BETWEEN ?1 AND ?2", {json(first), json(last)}, "id"))
            activities.emplace(a.pd, std::move(a));
        });
    return qx::sim::serve_list(query, s.adapter().max_buffer_kb, source);
  });
}

}  // extern "C"
