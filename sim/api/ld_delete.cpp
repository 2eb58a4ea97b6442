// Deleting a VD: QX_LD_Delete.
#include "api/qx_api.h"
#include "sim/api/library.h"
#include "sim/engine/vd_remove.h"

using qx::sim::Call;
using qx::sim::Session;

extern "C" {

QX_API_EXPORT uint8_t QX_LD_Delete(uint8_t adapter, uint16_t vd_id, uint8_t flag) {
  return qx::sim::api_call(Call::QX_LD_Delete, adapter, [&](Session& s) {
    return qx::sim::delete_vd(s, vd_id, flag);
  });
}

}  // extern "C"
