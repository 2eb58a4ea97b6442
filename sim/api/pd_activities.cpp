// Starting the activities of one disk: QX_PD_StartMediaPatrol,
// QX_PD_StartDataScrub. The rules are in sim/engine/disk_activities.h.
#include "api/qx_api.h"
#include "sim/api/library.h"
#include "sim/engine/disk_activities.h"

using qx::sim::Call;
using qx::sim::Session;

extern "C" {

QX_API_EXPORT uint8_t QX_PD_StartMediaPatrol(uint8_t adapter, uint16_t pd_id) {
  return qx::sim::api_call(Call::QX_PD_StartMediaPatrol, adapter,
                           [&](Session& s) { return qx::sim::start_media_patrol(s, pd_id); });
}

QX_API_EXPORT uint8_t QX_PD_StartDataScrub(uint8_t adapter, uint16_t pd_id) {
  return qx::sim::api_call(Call::QX_PD_StartDataScrub, adapter,
                           [&](Session& s) { return qx::sim::start_data_scrub(s, pd_id); });
}

}  // extern "C"
