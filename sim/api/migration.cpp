// Migrating VDs and arrays: QX_LD_GetMigratedLdSize, QX_LD_StartMigration,
// QX_DG_StartMigration.
#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/array_migration.h"
#include "sim/engine/migration.h"

using qx::sim::Call;
using qx::sim::Session;

extern "C" {

QX_API_EXPORT uint8_t QX_LD_GetMigratedLdSize(uint8_t adapter, QX_VD_MIGRATION_REQUEST* request) {
  if (request == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_LD_GetMigratedLdSize, adapter,
                           [&](Session& s) { return qx::sim::vd_migration_size(s, *request); });
}

QX_API_EXPORT uint8_t QX_LD_StartMigration(uint8_t adapter, const QX_VD_MIGRATION_REQUEST* request) {
  if (request == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_LD_StartMigration, adapter,
                           [&](Session& s) { return qx::sim::start_vd_migration(s, *request); });
}

QX_API_EXPORT uint8_t QX_DG_StartMigration(uint8_t adapter, const QX_ARRAY_REQUEST* request) {
  if (request == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_DG_StartMigration, adapter,
                           [&](Session& s) { return qx::sim::start_array_migration(s, *request); });
}

}  // extern "C"
