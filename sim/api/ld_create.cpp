// Creating a VD from disks, and how large it can be: QX_LD_Create, QX_LD_GetMaxSize.
#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/array_create.h"
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

QX_API_EXPORT uint8_t QX_LD_GetMaxSize(uint8_t adapter, QX_CREATE_VD_REQUEST* request) {
  if (request == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_LD_GetMaxSize, adapter, [&](Session& s) {
    uint64_t size_kb = 0;
    const uint8_t status = s.adapter().max_arrays != 0 ? qx::sim::array_max_size(s, *request, &size_kb)
                                                       : qx::sim::max_vd_size(s, *request, &size_kb);
    if (status == qx::kOk) request->size_mb = size_kb;  // the answer is in KB
    return status;
  });
}

}  // extern "C"
