// Appending to an adapter's event log.
#ifndef QX_SIM_ENGINE_EVENTS_H
#define QX_SIM_ENGINE_EVENTS_H

#include <array>
#include <cstdint>

#include "api/event_catalogue.h"
#include "sim/engine/session.h"
#include "sim/model/event.h"

namespace qx::sim {

// The log keeps this many newest events per adapter.
inline constexpr int64_t kEventLogCapacity = 4096;

// An event to log: always one of the catalogue's, which gives its class,
// code and severity.
struct NewEvent {
  NewEvent(const EventKind& kind, uint16_t device)
      : event_class(kind.event_class), code(kind.code), device_id(device), severity(kind.severity) {}
  uint16_t event_class;
  uint16_t code;
  uint16_t device_id;
  uint8_t severity;
  std::array<uint32_t, 4> params{};
};

// Appends an event to the log of the call's adapter, stamped with the time of
// the call; returns its sequence number.
uint32_t log_event(const Session& s, const NewEvent& event);
// The same, stamped with another moment: when something happened between
// calls, such as an activity that completed while no call ran.
uint32_t log_event(const Session& s, const NewEvent& event, int64_t at_ms);

// The time an event that happened at `at_ms` carries in the log of the
// call's adapter: calendar seconds, or seconds since its boot while the
// host has not set its clock.
uint32_t event_time(const Session& s, int64_t at_ms);

// Appends `row` as given, for what nothing models (a fan, an ECC error):
// only its sequence number and adapter number are assigned here.
uint32_t append_event(const Session& s, Event row);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_EVENTS_H
