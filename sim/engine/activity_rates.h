// How fast background activities move: each kind follows one of the
// adapter's rates (0..250), and an activity at rate 250 moves at the
// adapter's full speed.
#ifndef QX_SIM_ENGINE_ACTIVITY_RATES_H
#define QX_SIM_ENGINE_ACTIVITY_RATES_H

#include <cstdint>

#include "sim/engine/call.h"
#include "sim/model/activity.h"
#include "sim/model/adapter.h"

namespace qx::sim {

// The rate that drives `kind` on the adapter: adapters with device ids
// 0x6001-0x6145 have one BGA rate for every kind.
uint8_t activity_rate(const Adapter& adapter, ActivityKind kind);

// Seconds from 0 to 100 % for an activity that takes `full_speed_s` at rate
// 250; a rate of 0 is taken as the slowest rate, 1, so that nothing stops.
int64_t duration_at_rate(int64_t full_speed_s, uint8_t rate);

// Re-anchors the adapter's running activities whose rate differs between
// `before` and `after`: progress so far is kept, the rest moves at the new
// rate.
void rescale_activities(const Session& s, const Adapter& before, const Adapter& after);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_ACTIVITY_RATES_H
