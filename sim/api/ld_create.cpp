// Creating a VD from disks: QX_LD_Create.
#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/vd_create.h"

using qx::sim::Call;
using qx::sim::Session;

extern "C" {

QX_API_EXPORT uint8_t QX_LD_Create(uint8_t adapter, const QX_CREATE_VD_REQUEST* request) {
  if (request == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_LD_Create, adapter, [&](Session& s) {
    uint16_t id = 0;
    return qx::sim::create_vd(s, *request, &id);
  });
}

}  // extern "C"
