// Taking a VD out of the state.
#ifndef QX_SIM_ENGINE_VD_REMOVE_H
#define QX_SIM_ENGINE_VD_REMOVE_H

#include <cstdint>

#include "sim/engine/session.h"
#include "sim/store/db.h"

namespace qx::sim {

// Removes VD `vd` with everything that hangs on it: its blocks (their space
// becomes free), its activity record, and the VD its migration was building.
// Logs nothing; the caller logs what the adapter reports.
void remove_vd(const Session& s, uint16_t vd);

// Whether a VD is offline or foreign: nothing runs on it and nothing holds it.
bool is_offline_or_foreign(uint8_t state);

// Deletes a VD as an adapter does when asked to (QX_LD_Delete): frees its
// blocks and logs the "deleted" event with its name. `flag` is
// QX_DELETE_LIVE, or QX_DELETE_OFFLINE_OR_FOREIGN for a VD in one of those
// states. Answers 0; 59 for a VD that is not listed; 7 for another flag;
// 85 for the offline flag on a VD that is neither; 61 while a background
// activity runs or is paused on it (stop or cancel it first); 158 when the
// running operating system is on it.
uint8_t delete_vd(const Session& s, uint16_t vd, uint8_t flag);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_VD_REMOVE_H
