// The adapter's media-patrol schedule: manual, or an automatic run every 7
// or 30 days.
#ifndef QX_SIM_ENGINE_PATROL_SCHEDULE_H
#define QX_SIM_ENGINE_PATROL_SCHEDULE_H

#include <cstdint>
#include <optional>

#include "sim/engine/session.h"
#include "sim/model/adapter.h"

namespace qx::sim {

// Sets the schedule of `adapter` at simulated time `now_ms`: an interval
// other than 7 or 30 days counts as 7; automatic mode plans the next run one
// interval from now, manual mode plans none.
void set_patrol_schedule(Adapter& adapter, uint8_t mode, uint32_t interval_seconds, int64_t now_ms);

// When the adapter's next automatic run falls due; none in manual mode.
std::optional<int64_t> next_scheduled_patrol_ms(const Session& s);

// The run due at the session's time: a media patrol starts on every online
// member disk of a VD that has nothing active on it or on its VD (PD event
// 17, stamped then). The next run is planned one interval later; when that
// too has passed by `until_ms` (the adapter was not looked at for a long
// time), the missed runs are not made up: the next one is the first of the
// schedule after `until_ms`.
void run_scheduled_patrol(const Session& s, int64_t until_ms);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_PATROL_SCHEDULE_H
