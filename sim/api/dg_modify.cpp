// QX_CreateOrModify_DG: the size of an existing array after a migration.
// Creating arrays, and the size of a new one, are not built yet and answer
// 19.
#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/array_migration.h"

using qx::sim::Call;
using qx::sim::Session;

extern "C" {

QX_API_EXPORT uint8_t QX_CreateOrModify_DG(uint8_t adapter, QX_ARRAY_REQUEST* request, uint8_t mode) {
  if (request == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_CreateOrModify_DG, adapter, [&](Session& s) {
    if (mode != QX_DG_SIZE_ONLY || request->array_id == QX_NEW_ID) return uint8_t{qx::kNotSupported};
    return qx::sim::array_migration_size(s, *request);
  });
}

}  // extern "C"
