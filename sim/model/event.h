// The adapter's event log.
#ifndef QX_SIM_MODEL_EVENT_H
#define QX_SIM_MODEL_EVENT_H

#include <array>
#include <cstdint>

#include "api/records.h"
#include "sim/model/field.h"

namespace qx::sim {

struct Event {
  uint32_t seq = 0;
  uint16_t event_class = 0;
  uint16_t code = 0;
  uint32_t time = 0;
  uint16_t device_id = 0;
  uint8_t severity = QX_SEVERITY_INFO;
  uint8_t adapter_number = 0;
  std::array<uint32_t, 4> params{};
  uint8_t sense_length = 0;
  std::array<uint8_t, 30> sense{};
};

const Model<Event>& event_model();
QX_EVENT to_record(const Event& event);

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_EVENT_H
