// Steering background activities: QX_LD_BGAControl, QX_PD_BGAControl,
// QX_DG_BGAControl.
#include "sim/engine/array_rebuild.h"
#include "sim/engine/bga_control.h"
#include "api/qx_api.h"
#include "sim/api/library.h"

using qx::sim::Call;
using qx::sim::Session;

extern "C" {

QX_API_EXPORT uint8_t QX_LD_BGAControl(uint8_t adapter, uint16_t vd_id, uint8_t action) {
  return qx::sim::api_call(Call::QX_LD_BGAControl, adapter, [&](Session& s) {
    return qx::sim::control_vd_activity(s, vd_id, action);
  });
}

QX_API_EXPORT uint8_t QX_PD_BGAControl(uint8_t adapter, uint16_t pd_id, uint8_t action) {
  return qx::sim::api_call(Call::QX_PD_BGAControl, adapter, [&](Session& s) {
    return qx::sim::control_pd_activity(s, pd_id, action);
  });
}

QX_API_EXPORT uint8_t QX_DG_BGAControl(uint8_t adapter, uint16_t array_id, uint8_t action) {
  return qx::sim::api_call(Call::QX_DG_BGAControl, adapter, [&](Session& s) {
    return qx::sim::control_array_activity(s, array_id, action);
  });
}

}  // extern "C"
