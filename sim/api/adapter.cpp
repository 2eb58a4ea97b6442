// The adapter family: count, information record, OEM data.
#include <algorithm>
#include <cstring>

#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/flash_store.h"
#include "sim/store/table.h"

using qx::sim::Call;
using qx::sim::Session;

extern "C" {

QX_API_EXPORT uint8_t QX_Adapter_GetCount(void) {
  // A fault on this call makes it report the fault's status as the count.
  uint8_t count = 0;
  uint8_t status = qx::sim::api_call(Call::QX_Adapter_GetCount, -1, [&](Session& s) {
    qx::sim::Stmt stmt = s.db().prepare("SELECT COUNT(*) FROM adapters");
    stmt.step();
    count = static_cast<uint8_t>(stmt.column_int(0));
    return uint8_t{qx::kOk};
  });
  return status == qx::kOk ? count : status;
}

QX_API_EXPORT uint8_t QX_Adapter_GetInfo(uint8_t adapter, uint8_t* out, QX_ADAPTER_INFO* info) {
  if (info == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_Adapter_GetInfo, adapter, [&](Session& s) {
    *info = qx::sim::to_record(s.adapter());
    const std::array<uint8_t, 6> health = qx::sim::adapter_image_health(s.db(), adapter);
    std::copy(health.begin(), health.end(), info->image_health);
    if (out) *out = 0;
    return uint8_t{qx::kOk};
  });
}

}  // extern "C"
