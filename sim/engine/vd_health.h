// How many member disks a VD can lose, its state after losing some, and
// what a disk leaving does to the VDs it served.
#ifndef QX_SIM_ENGINE_VD_HEALTH_H
#define QX_SIM_ENGINE_VD_HEALTH_H

#include <cstdint>
#include <vector>

#include "sim/engine/events.h"
#include "sim/engine/session.h"
#include "sim/model/disk.h"
#include "sim/model/vd.h"
#include "sim/store/db.h"

namespace qx::sim {

// The state a VD has when the member slots in `missing` have no usable disk
// (slot numbers 0 .. vd.members - 1); with none missing a degraded, partially
// optimal or offline VD is whole again. Conflicted, foreign and other special
// states are left as they are.
uint8_t state_with_missing(const Vd& vd, const std::vector<uint8_t>& missing);

// The member slots of a VD that serve no data: those without a block, those
// whose block lies on an offline disk, and those a rebuild is still writing.
std::vector<uint8_t> missing_slots(const Session& s, const Vd& vd);

// Brings VD `vd` to the state its member slots give. A VD that gets worse
// logs offline, degraded or lost redundancy; an initialization, consistency
// check or migration on it fails, and so does any activity on a VD that goes
// offline. Returns whether the state changed.
bool refresh_vd_state(const Session& s, uint16_t vd);

// Disk `pd` is gone from the VDs it served: pulled (its blocks are dropped)
// or failed (its blocks stay as stale members that a rebuild replaces). A
// rebuild writing onto it fails, its own patrol or scrub ends, the VDs take
// their new states, and degraded VDs take spares where the adapter allows.
void lose_disk(const Session& s, uint16_t pd, bool keep_blocks);

// Disk `disk`, offline until now, comes online: it is marked online and
// `event` logged, its stale blocks serve again and the VDs that hold them
// take their states; a VD back from offline logs VD event 1.
void regain_disk(const Session& s, Disk disk, const NewEvent& event);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_VD_HEALTH_H
