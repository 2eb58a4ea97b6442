// The adapter's media-patrol schedule: manual, or an automatic run every 7
// or 30 days.
#ifndef QX_SIM_ENGINE_PATROL_SCHEDULE_H
#define QX_SIM_ENGINE_PATROL_SCHEDULE_H

#include <cstdint>

#include "sim/model/adapter.h"

namespace qx::sim {

// Sets the schedule of `adapter` at simulated time `now_ms`: an interval
// other than 7 or 30 days counts as 7; automatic mode plans the next run one
// interval from now, manual mode plans none.
void set_patrol_schedule(Adapter& adapter, uint8_t mode, uint32_t interval_seconds, int64_t now_ms);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_PATROL_SCHEDULE_H
