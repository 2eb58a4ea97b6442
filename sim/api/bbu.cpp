// The battery backup unit: QX_BBU_GetInfo.
#include <vector>

#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/model/battery.h"
#include "sim/store/table.h"

using qx::sim::Call;
using qx::sim::Session;

extern "C" {

// An adapter without battery support answers 19; one whose battery is not
// fitted answers a record that says so.
QX_API_EXPORT uint8_t QX_BBU_GetInfo(uint8_t adapter, QX_BBU_INFO* info) {
  if (info == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_BBU_GetInfo, adapter, [&](Session& s) {
    if (!(s.adapter().adv_features & QX_ADV_BBU)) return uint8_t{qx::kNotSupported};
    std::vector<qx::sim::Battery> battery = qx::sim::select_rows(s.db(), qx::sim::battery_model(), s.adapter_id());
    *info = QX_BBU_INFO{};
    info->present = !battery.empty() && battery.front().present ? 1 : 0;
    return uint8_t{qx::kOk};
  });
}

}  // extern "C"
