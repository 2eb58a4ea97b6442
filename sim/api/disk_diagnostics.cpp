// A disk's error table and wiping its configuration data:
// QX_PD_RCT_GetCount, QX_PD_GetRCT, QX_PD_WipeHDRMD.
#include <algorithm>
#include <optional>
#include <vector>

#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/media.h"
#include "sim/engine/wipe.h"

using qx::sim::Call;
using qx::sim::Session;

extern "C" {

QX_API_EXPORT uint8_t QX_PD_RCT_GetCount(uint8_t adapter, uint16_t pd_id, uint32_t* count) {
  if (count == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_PD_RCT_GetCount, adapter, [&](Session& s) -> uint8_t {
    if (!qx::sim::present_disk(s, pd_id)) return qx::kPdMissing;
    *count = static_cast<uint32_t>(qx::sim::error_table(s, pd_id).size());
    return qx::kOk;
  });
}

QX_API_EXPORT uint8_t QX_PD_GetRCT(uint8_t adapter, uint16_t pd_id, QX_RCT_ENTRY* entries, uint32_t count) {
  if (entries == nullptr && count != 0) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_PD_GetRCT, adapter, [&](Session& s) -> uint8_t {
    if (!qx::sim::present_disk(s, pd_id)) return qx::kPdMissing;
    const std::vector<QX_RCT_ENTRY> records = qx::sim::rct_records(qx::sim::error_table(s, pd_id), count);
    std::fill_n(entries, count, QX_RCT_ENTRY{});
    std::copy(records.begin(), records.end(), entries);
    return qx::kOk;
  });
}

QX_API_EXPORT uint8_t QX_PD_WipeHDRMD(uint8_t adapter, uint16_t pd_id, uint8_t force) {
  return qx::sim::api_call(Call::QX_PD_WipeHDRMD, adapter,
                           [&](Session& s) { return qx::sim::start_wipe(s, pd_id, force); });
}

}  // extern "C"
