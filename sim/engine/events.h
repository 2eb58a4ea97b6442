// Appending to an adapter's event log.
#ifndef QX_SIM_ENGINE_EVENTS_H
#define QX_SIM_ENGINE_EVENTS_H

#include <array>
#include <cstdint>

#include "sim/model/event.h"
#include "sim/store/db.h"

namespace qx::sim {

// The log keeps this many newest events per adapter.
inline constexpr int64_t kEventLogCapacity = 4096;

struct NewEvent {
  uint16_t event_class = 0;
  uint16_t code = 0;
  uint16_t device_id = 0;
  uint8_t severity = kSeverityInfo;
  std::array<uint32_t, 4> params{};
};

// Appends an event stamped with simulated time `at_ms`; returns its sequence number.
uint32_t log_event(Db& db, int adapter, const NewEvent& event, int64_t at_ms);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_EVENTS_H
