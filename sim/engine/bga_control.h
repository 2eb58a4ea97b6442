// Starting background activities and steering them as an adapter's
// firmware does: pause, resume, stop, and the cancel that ends whatever a VD
// runs before it is deleted.
#ifndef QX_SIM_ENGINE_BGA_CONTROL_H
#define QX_SIM_ENGINE_BGA_CONTROL_H

#include <cstdint>

#include "sim/engine/activities.h"
#include "sim/engine/session.h"
#include "sim/model/activity.h"
#include "sim/model/adapter.h"
#include "sim/store/db.h"

namespace qx::sim {

// An activity that has not ended: running, paused or auto-paused. An aborted
// or interrupted one is only a record of what happened.
bool is_active(const Activity& activity);

// Simulated seconds an activity needs to cover `size_kb` of a VD at the
// adapter's rate (at least one).
int64_t activity_duration_s(const Adapter& adapter, uint64_t size_kb);

// Inserts a running activity of `kind` on VD `vd` or disk `pd` (the other
// kNoId) that covers its object in `duration_s` at full speed, slowed by the
// kind's rate. Logs nothing.
Activity start_activity(const Session& s, ActivityKind kind, uint16_t vd, uint16_t pd, int64_t duration_s);

// Starts a running activity on VD `vd` and logs its "started" event.
void start_vd_activity(const Session& s, uint16_t vd, ActivityKind kind, int64_t duration_s);

// Pause, resume or stop (QX_BGA_ACTION_...) the activity of a VD, or cancel
// it, which ends it whatever its state. Answers 0; 59 for a VD that does not
// exist; 153 for an action the activity's state does not allow (nothing to
// pause, resume or stop; pausing a paused one, ...). A cancel with nothing
// to end does nothing and answers 0.
uint8_t control_vd_activity(const Session& s, uint16_t vd, uint8_t action);

// Pause, resume or stop the media patrol or data scrub of a disk. Answers 0;
// 55 for a disk that is not there; 153 as above.
uint8_t control_pd_activity(const Session& s, uint16_t pd, uint8_t action);

// Ends an activity before its time: removes it and logs what an adapter logs
// ("aborted" for a VD activity, "manually stopped" for a media patrol). A
// migration takes the VD it was building with it; a rebuild drops the blocks
// it was writing (their disks are free or spare again, the VD stays degraded).
void abort_activity(const Session& s, const Activity& activity);

// Ends a VD activity as abort_activity() does, logging `step` (aborted or
// failed) instead.
void end_activity(const Session& s, const Activity& activity, ActivityStep step);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_BGA_CONTROL_H
