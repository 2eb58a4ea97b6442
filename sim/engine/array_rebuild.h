// Rebuilding an array as a whole: its missing member positions take new
// disks, and every degraded VD on it rebuilds onto them; steering those
// rebuilds together.
#ifndef QX_SIM_ENGINE_ARRAY_REBUILD_H
#define QX_SIM_ENGINE_ARRAY_REBUILD_H

#include <cstdint>
#include <vector>

#include "api/records.h"
#include "sim/engine/array_records.h"
#include "sim/engine/session.h"

namespace qx::sim {

// The member positions of the array that some VD on it misses, in order.
std::vector<uint8_t> missing_positions(const Session& s, const ArrayView& array);

// Whether disk `pd` can take a missing position of the array: the checks of
// a VD rebuild target against each VD on it, then 78 for a dedicated spare
// of another array and 52 for less free space than the array's VDs take on
// one member.
uint8_t check_array_target(const Session& s, const ArrayView& array, uint16_t pd);

// Gives the missing positions the targets in order (the array's member
// list changes) and starts a rebuild on each VD that misses one of them.
void begin_array_rebuild(const Session& s, const ArrayView& array, const std::vector<uint16_t>& targets);

// QX_LD_DG_StartRebuild. Answers 160 without arrays; 17 for an unknown
// array; 7 for a request kind other than 2; 152 for no targets, more than
// 160, or more than the missing positions; 7 for a repeated target; a
// target's check; 75 for an array without VDs; 60 when nothing is missing;
// 82 while a VD on it has an activity.
uint8_t start_array_rebuild(const Session& s, const QX_REBUILD_REQUEST& request);

// QX_DG_BGAControl: pause, resume or stop the rebuilds, copy backs or
// migrations of the array's VDs together. Answers 160 without arrays, 17 for
// an unknown array, 153 for an action their state does not allow.
uint8_t control_array_activity(const Session& s, uint16_t array, uint8_t action);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_ARRAY_REBUILD_H
