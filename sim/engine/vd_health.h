// How many member disks a VD can lose, and its state after losing some.
#ifndef QX_SIM_ENGINE_VD_HEALTH_H
#define QX_SIM_ENGINE_VD_HEALTH_H

#include <cstdint>
#include <vector>

#include "sim/engine/session.h"
#include "sim/model/vd.h"

namespace qx::sim {

// The state a VD has when the member slots in `missing` have no disk
// (slot numbers 0 .. vd.members - 1). Conflicted, foreign and other special
// states are left as they are.
uint8_t state_with_missing(const Vd& vd, const std::vector<uint8_t>& missing);

// Removes the disk's blocks from the VDs that own them and brings those VDs
// to their new states, logging the events an adapter logs. Returns the ids
// of the VDs that changed.
std::vector<uint16_t> detach_disk(const Session& s, uint16_t pd);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_VD_HEALTH_H
