// What happens on an adapter by itself as simulated time passes: activities
// complete, and the battery's actions end or cross the low-charge line. Each
// call first brings these up to date, in the order they happened.
#ifndef QX_SIM_ENGINE_DUE_MOMENTS_H
#define QX_SIM_ENGINE_DUE_MOMENTS_H

#include <cstdint>
#include <optional>

#include "sim/engine/session.h"

namespace qx::sim {

// The earliest moment at which something happens by itself on the adapter;
// none when nothing is under way.
std::optional<int64_t> next_due_ms(const Session& s);

// Applies every moment due by the session's time, oldest first, each at its
// own moment (its events stamped then). Needs a write transaction.
void bring_up_to_date(const Session& s);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_DUE_MOMENTS_H
