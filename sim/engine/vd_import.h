// Foreign configurations: VDs whose disks came from another adapter, and
// importing them.
#ifndef QX_SIM_ENGINE_VD_IMPORT_H
#define QX_SIM_ENGINE_VD_IMPORT_H

#include <cstdint>

#include "sim/engine/session.h"

namespace qx::sim {

// QX_LD_Import: 59 for an unknown VD; 80 for one that is not foreign and
// importable (states 6 and 7 import). Its disks (on array-capable adapters,
// its array's disks, and the array's other importable VDs with it) lose
// their foreign mark; each VD takes the state its member slots give and
// logs its import with its array id.
uint8_t import_vd(const Session& s, uint16_t vd);

// Makes VD `vd` a foreign configuration in `state` (importable 7, not
// importable 8, conflicted 11), as if its disks came from another adapter:
// its disks are marked foreign, and on array-capable adapters its array's
// disks and other VDs with it. Throws ControlError for an unknown VD or
// another state.
void make_foreign(const Session& s, uint16_t vd, uint8_t state);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_VD_IMPORT_H
