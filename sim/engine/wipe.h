// Wiping the configuration data an adapter keeps in the reserved area at
// the start of a disk. The wipe runs as an activity of the disk; while it
// runs the disk takes no pass-through command and joins no new VD, and when
// it ends the disk is free and no longer foreign.
#ifndef QX_SIM_ENGINE_WIPE_H
#define QX_SIM_ENGINE_WIPE_H

#include <cstdint>

#include "sim/engine/session.h"

namespace qx::sim {

// Starts wiping disk `pd`. With `force` 1 a member disk first leaves its
// VDs (as if pulled, though it stays online) and a spare stops being one;
// without it such disks are refused. Answers the call's status.
uint8_t start_wipe(const Session& s, uint16_t pd, uint8_t force);

// True while a wipe of the disk runs.
bool wipe_running(const Session& s, uint16_t pd);

// The end of a wipe: the disk is free, not foreign, and says so in the log.
void finish_wipe(const Session& s, uint16_t pd);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_WIPE_H
