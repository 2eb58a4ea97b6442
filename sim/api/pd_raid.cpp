// Disk RAID status and file systems, and turning a spare back into a free
// disk: QX_PD_GetHDRaidStatus, QX_PD_GetMBRInfo, QX_PD_Spare2FreeHD,
// QX_PD_FreeHD2GlobalSpare, QX_PD_FreeHD2DGSpare.
#include <algorithm>
#include <optional>

#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/paging.h"
#include "sim/engine/pd_raid_status.h"
#include "sim/engine/spares.h"

using qx::sim::Call;
using qx::sim::PdRaidView;
using qx::sim::Session;

extern "C" {

QX_API_EXPORT uint8_t QX_PD_GetHDRaidStatus(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call(Call::QX_PD_GetHDRaidStatus, adapter, [&](Session& s) {
    qx::sim::ListSource<PdRaidView, QX_PD_RAID_STATUS> source;
    source.missing_status = qx::kPdMissing;
    source.page = [&s](int64_t start, int64_t limit) {
      return qx::sim::pd_raid_views(s, start, limit);
    };
    source.one = [&s](int64_t id) { return qx::sim::pd_raid_view(s, id); };
    source.id_of = [](const PdRaidView& v) { return int64_t{v.disk.id}; };
    source.record = [](const PdRaidView& v) { return qx::sim::pd_raid_status_record(v); };
    return qx::sim::serve_list(query, s.adapter().max_buffer_kb, source);
  });
}

QX_API_EXPORT uint8_t QX_PD_GetMBRInfo(uint8_t adapter, QX_MBR_INFO* info) {
  if (info == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_PD_GetMBRInfo, adapter, [&](Session& s) {
    if (info->count == 0 || info->count > QX_MAX_CREATE_PDS) return uint8_t{qx::kInvalidParameter};
    uint8_t flags[QX_MAX_CREATE_PDS] = {};
    for (int i = 0; i < info->count; ++i) {
      std::optional<qx::sim::Disk> disk = qx::sim::present_disk(s, info->pd_ids[i]);
      if (!disk) return uint8_t{qx::kPdMissing};
      flags[i] = disk->has_file_system ? 1 : 0;
    }
    std::copy(flags, flags + QX_MAX_CREATE_PDS, info->has_file_system);
    return uint8_t{qx::kOk};
  });
}

QX_API_EXPORT uint8_t QX_PD_Spare2FreeHD(uint8_t adapter, uint16_t pd_id) {
  return qx::sim::api_call(Call::QX_PD_Spare2FreeHD, adapter, [&](Session& s) {
    return qx::sim::spare_to_free(s, pd_id);
  });
}

QX_API_EXPORT uint8_t QX_PD_FreeHD2GlobalSpare(uint8_t adapter, uint16_t pd_id) {
  return qx::sim::api_call(Call::QX_PD_FreeHD2GlobalSpare, adapter, [&](Session& s) {
    return qx::sim::assign_spare(s, pd_id, qx::sim::SpareKind::kGlobal, 0);
  });
}

QX_API_EXPORT uint8_t QX_PD_FreeHD2DGSpare(uint8_t adapter, uint16_t pd_id, uint16_t array_id) {
  return qx::sim::api_call(Call::QX_PD_FreeHD2DGSpare, adapter, [&](Session& s) {
    return qx::sim::assign_spare(s, pd_id, qx::sim::SpareKind::kDedicated, array_id);
  });
}

}  // extern "C"
