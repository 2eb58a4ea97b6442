// Spare drives going back to being free disks.
#ifndef QX_SIM_ENGINE_SPARES_H
#define QX_SIM_ENGINE_SPARES_H

#include <cstdint>

#include "sim/engine/session.h"
#include "sim/store/db.h"

namespace qx::sim {

// Turns spare `pd` back into a free disk, stopping a media patrol that runs
// on it. Answers 0; 55 for a disk that is not there; 53 for a disk that is
// no spare; 89 for a spare that stands in for a member (it holds a VD's
// block).
uint8_t spare_to_free(const Session& s, uint16_t pd);

// The dedicated spares of array `array` become free disks (the array is
// going away).
void free_dedicated_spares(const Session& s, uint16_t array);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_SPARES_H
