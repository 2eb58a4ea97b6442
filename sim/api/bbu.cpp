// The battery backup unit: QX_BBU_GetInfo, QX_BBU_ChangePower.
#include <vector>

#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/battery_power.h"
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

// Starts a relearn, a charge or a discharge, or stops the running action.
QX_API_EXPORT uint8_t QX_BBU_ChangePower(uint8_t adapter, uint8_t action) {
  return qx::sim::api_call(Call::QX_BBU_ChangePower, adapter, [&](Session& s) {
    if (!(s.adapter().adv_features & QX_ADV_BBU)) return uint8_t{qx::kNotSupported};
    std::vector<qx::sim::Battery> battery = qx::sim::select_rows(s.db(), qx::sim::battery_model(), s.adapter_id());
    if (battery.empty() || !battery.front().present) return uint8_t{qx::kNotSupported};
    if (action > QX_BBU_STOP) return uint8_t{qx::kInvalidParameter};
    qx::sim::Battery& b = battery.front();
    qx::sim::settle_battery(s, b);
    qx::sim::change_battery_power(s, b, action);
    qx::sim::update_row(s.db(), qx::sim::battery_model(), s.adapter_id(), b);
    return uint8_t{qx::kOk};
  });
}

}  // extern "C"
