// Spare drives: becoming one, going back to being free disks, and standing
// in for a missing member by themselves.
#ifndef QX_SIM_ENGINE_SPARES_H
#define QX_SIM_ENGINE_SPARES_H

#include <cstdint>

#include "sim/engine/session.h"
#include "sim/model/disk.h"
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

// Makes disk `pd` a global spare, a dedicated spare of array `array`, or a
// plain disk again (`kind` kNone), logging the change, and lets degraded VDs
// take it. Answers 0; 55 for a disk that is not there; 56 for a disk that
// holds a block.
uint8_t make_spare(const Session& s, uint16_t pd, SpareKind kind, uint16_t array);

// QX_PD_FreeHD2GlobalSpare and QX_PD_FreeHD2DGSpare: make_spare() after the
// checks, in order: 19 when the adapter keeps no spares; 160 for a dedicated
// spare without arrays; 55 for a disk that is not there, 65 for a device
// that is no disk, 9 for an
// offline or foreign disk; 54 for a global spare, 78 for a dedicated one; 56
// for a disk in an array or holding a block; for a dedicated spare 17 for an
// unknown array and 77 for a disk smaller than what the array's VDs take on
// one member.
uint8_t assign_spare(const Session& s, uint16_t pd, SpareKind kind, uint16_t array);

// Automatic rebuild: when the adapter has the rebuild feature and its
// automatic rebuild is on, each degraded or partially optimal VD with nothing
// active on it takes a spare (a dedicated spare of its array first, then a
// global one, lowest id first, that is present, online, holds no block and
// suits the VD), which starts rebuilding the missing member.
void rebuild_onto_spares(const Session& s);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_SPARES_H
