// A disk's SMART data: QX_PD_GET_SMART_INFO.
#include <optional>

#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/smart_records.h"

using qx::sim::Call;
using qx::sim::Session;

extern "C" {

QX_API_EXPORT uint8_t QX_PD_GET_SMART_INFO(uint8_t adapter, uint16_t pd_id, uint8_t max_attributes,
                                           QX_SMART_INFO* smart) {
  return qx::sim::api_call(Call::QX_PD_GET_SMART_INFO, adapter, [&](Session& s) -> uint8_t {
    if (smart == nullptr || max_attributes == 0) return qx::kInvalidParameter;
    std::optional<qx::sim::Disk> disk = qx::sim::present_disk(s, pd_id);
    if (!disk) return qx::kPdMissing;
    if (!qx::sim::reports_smart(*disk)) return qx::kNotSupported;
    *smart = qx::sim::smart_record(qx::sim::disk_smart(s, pd_id), max_attributes, s.now_ms());
    return qx::kOk;
  });
}

}  // extern "C"
