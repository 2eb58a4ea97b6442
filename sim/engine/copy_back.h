// Copy back: once a disk replaces a member that a spare stands in for, the
// spare's data is copied to the new disk, which then takes the member's
// place, and the spare is free to stand in again.
#ifndef QX_SIM_ENGINE_COPY_BACK_H
#define QX_SIM_ENGINE_COPY_BACK_H

#include <cstdint>
#include <set>

#include "sim/engine/session.h"
#include "sim/model/activity.h"
#include "sim/model/adapter.h"

namespace qx::sim {

// Whether the adapter copies a spare's data back (feature bit 6 and its
// `copy_back` setting). Otherwise a rebuilt spare becomes a plain member.
bool copies_back(const Adapter& adapter);

// The disks that copy backs which have not ended write to; one query, kept
// for the calls that follow while the state stays the same.
std::set<uint16_t> copy_back_targets(const Session& s);

// Whether a copy back that has not ended writes to disk `pd`: such a disk
// counts as assigned.
bool is_copy_back_target(const Session& s, uint16_t pd);

// Disk `pd` has come in. When the adapter copies back and the disk is an
// online plain disk holding no block, it takes the data of the lowest spare
// that stands in for members and whose sector size and data it fits: each
// VD served by that spare, with nothing active on it, starts a copy back
// onto the disk (VD event 90) over its block.
void start_copy_back(const Session& s, uint16_t pd);

// Copy back `a` completed: the VD's blocks on the spare move to the target
// disk, and an array that listed the spare lists the target once the spare
// holds none of its VDs' blocks.
void finish_copy_back(const Session& s, const Activity& a);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_COPY_BACK_H
