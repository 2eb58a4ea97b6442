// Importing a foreign VD: QX_LD_Import.
#include "api/qx_api.h"
#include "sim/api/library.h"
#include "sim/engine/vd_import.h"

using qx::sim::Call;
using qx::sim::Session;

extern "C" {

QX_API_EXPORT uint8_t QX_LD_Import(uint8_t adapter, uint16_t vd_id) {
  return qx::sim::api_call(Call::QX_LD_Import, adapter, [&](Session& s) { return qx::sim::import_vd(s, vd_id); });
}

}  // extern "C"
