// A disk's locate LED and forcing a disk online: QX_LocateArrayDevice,
// QX_AES_ForcePDOnline. The rules are in sim/engine/settings.h.
#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/settings.h"

using qx::sim::Call;
using qx::sim::Session;

extern "C" {

QX_API_EXPORT uint8_t QX_LocateArrayDevice(uint8_t adapter, uint8_t kind, uint16_t id, uint8_t led) {
  return qx::sim::api_call(Call::QX_LocateArrayDevice, adapter,
                           [&](Session& s) { return qx::sim::locate_device(s, kind, id, led); });
}

QX_API_EXPORT uint8_t QX_AES_ForcePDOnline(uint8_t adapter, const QX_FORCE_ONLINE* request, uint8_t pd_id,
                                           uint8_t percentage) {
  if (request == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_AES_ForcePDOnline, adapter, [&](Session& s) {
    return qx::sim::force_disk_online(s, *request, pd_id, percentage);
  });
}

}  // extern "C"
