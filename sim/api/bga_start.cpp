// Starting background activities on VDs: QX_LD_StartINIT,
// QX_LD_StartConsistencyCheck, QX_LD_StartRebuild; and of arrays:
// QX_LD_DG_StartRebuild.
#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/array_rebuild.h"
#include "sim/engine/rebuild.h"
#include "sim/engine/vd_starts.h"

using qx::sim::Call;
using qx::sim::Session;

extern "C" {

QX_API_EXPORT uint8_t QX_LD_StartINIT(uint8_t adapter, uint16_t vd_id, uint8_t mode) {
  return qx::sim::api_call(Call::QX_LD_StartINIT, adapter,
                           [&](Session& s) { return qx::sim::start_init(s, vd_id, mode); });
}

QX_API_EXPORT uint8_t QX_LD_StartConsistencyCheck(uint8_t adapter, uint16_t vd_id, uint8_t fix) {
  return qx::sim::api_call(Call::QX_LD_StartConsistencyCheck, adapter,
                           [&](Session& s) { return qx::sim::start_consistency_check(s, vd_id, fix); });
}

QX_API_EXPORT uint8_t QX_LD_StartRebuild(uint8_t adapter, uint16_t vd_id, uint16_t pd_id) {
  return qx::sim::api_call(Call::QX_LD_StartRebuild, adapter,
                           [&](Session& s) { return qx::sim::start_rebuild(s, vd_id, pd_id); });
}

QX_API_EXPORT uint8_t QX_LD_DG_StartRebuild(uint8_t adapter, const QX_REBUILD_REQUEST* request) {
  if (request == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_LD_DG_StartRebuild, adapter,
                           [&](Session& s) { return qx::sim::start_array_rebuild(s, *request); });
}

}  // extern "C"
