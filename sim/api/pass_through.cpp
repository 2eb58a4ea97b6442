// Commands sent to a disk as they are, and ECC errors induced on purpose:
// QX_PassThrough_SCSI, QX_PassThrough.
#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/pass_through.h"

using qx::sim::Call;
using qx::sim::Session;

extern "C" {

QX_API_EXPORT uint8_t QX_PassThrough_SCSI(uint8_t adapter, uint16_t pd_id, QX_SCSI_REQUEST* request) {
  if (request == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_PassThrough_SCSI, adapter,
                           [&](Session& s) { return qx::sim::pass_through_scsi(s, pd_id, *request); });
}

QX_API_EXPORT uint8_t QX_PassThrough(uint8_t adapter, QX_ECC_REQUEST* request) {
  if (request == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_PassThrough, adapter, [&](Session& s) { return qx::sim::pass_through_ecc(s, *request); });
}

}  // extern "C"
