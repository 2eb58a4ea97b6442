// The activity engine: background activities move on with simulated time,
// and one that reaches 100 % completes, changing the state as an adapter
// would and logging its events.
#ifndef QX_SIM_ENGINE_ACTIVITIES_H
#define QX_SIM_ENGINE_ACTIVITIES_H

#include <cstdint>
#include <optional>

#include "api/event_catalogue.h"
#include "sim/engine/session.h"
#include "sim/model/activity.h"

namespace qx::sim {

// Progress (0 .. kFullProgress) of the activity at simulated time `now_ms`.
int64_t progress_at(const Activity& activity, int64_t now_ms);

// Simulated time at which a running activity reaches 100 %.
int64_t completion_ms(const Activity& activity);

// The earliest simulated time at which a running activity of the adapter
// completes; none when nothing runs.
std::optional<int64_t> next_completion_ms(const Session& s);

// Applies every completion due by the time of the call, oldest first, each
// logged at the moment it completed. Needs a write transaction.
void complete_due_activities(const Session& s);

// The activity of a VD or a disk, if one exists (running or not).
std::optional<Activity> vd_activity(const Session& s, uint16_t vd);
std::optional<Activity> pd_activity(const Session& s, uint16_t pd);

// Takes a snapshot of the progress at `now_ms` into the row (before its
// state changes, so progress is kept across pause and resume).
Activity settled(const Activity& activity, int64_t now_ms);

// The next free activity id on the adapter.
uint16_t next_activity_id(const Session& s);

// Steps of a VD activity that the event log records.
enum class ActivityStep : uint16_t { kStarted = 0, kPaused = 2, kResumed = 3, kAborted = 4, kCompleted = 5, kFailed = 7 };

// The VD event of a step of a VD activity; nullptr for disk activities.
const EventKind* vd_activity_event(ActivityKind kind, ActivityStep step);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_ACTIVITIES_H
