// Building on arrays: QX_CreateOrModify_DG, QX_CreateOrModify_VD, QX_Create_PackageVD, QX_LD_DG_QuickCreate.
// Arrays-less adapters have none of them and answer 160.
#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/array_create.h"
#include "sim/engine/array_migration.h"

using qx::sim::Call;
using qx::sim::Session;

namespace {

bool has_arrays(const Session& s) { return s.adapter().max_arrays != 0; }

}  // namespace

extern "C" {

QX_API_EXPORT uint8_t QX_CreateOrModify_DG(uint8_t adapter, QX_ARRAY_REQUEST* request, uint8_t mode) {
  if (request == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_CreateOrModify_DG, adapter, [&](Session& s) {
    if (!has_arrays(s)) return uint8_t{qx::kNotSupportedOnAdapter};
    // The size an existing array would have after a migration.
    if (mode == QX_DG_SIZE_ONLY && request->array_id != QX_NEW_ID)
      return qx::sim::array_migration_size(s, *request);
    return qx::sim::create_array(s, *request, mode);
  });
}

QX_API_EXPORT uint8_t QX_CreateOrModify_VD(uint8_t adapter, QX_ARRAY_VD_REQUEST* request) {
  if (request == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_CreateOrModify_VD, adapter, [&](Session& s) {
    if (!has_arrays(s)) return uint8_t{qx::kNotSupportedOnAdapter};
    return qx::sim::create_array_vd(s, *request);
  });
}

QX_API_EXPORT uint8_t QX_Create_PackageVD(uint8_t adapter, QX_PACKAGE_VD_REQUEST* request) {
  if (request == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_Create_PackageVD, adapter, [&](Session& s) {
    if (!has_arrays(s)) return uint8_t{qx::kNotSupportedOnAdapter};
    return qx::sim::create_package_vd(s, *request);
  });
}

QX_API_EXPORT uint8_t QX_LD_DG_QuickCreate(uint8_t adapter, uint8_t protection) {
  return qx::sim::api_call(Call::QX_LD_DG_QuickCreate, adapter, [&](Session& s) {
    if (!has_arrays(s)) return uint8_t{qx::kNotSupportedOnAdapter};
    return qx::sim::quick_create(s, protection);
  });
}

}  // extern "C"
