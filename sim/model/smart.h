// SMART attributes of a SATA disk, and the sets a new disk is given.
#ifndef QX_SIM_MODEL_SMART_H
#define QX_SIM_MODEL_SMART_H

#include <cstdint>
#include <string>
#include <vector>

#include "sim/model/field.h"

namespace qx::sim {

struct SmartAttribute {
  uint16_t pd = 0;
  uint8_t id = 0;
  std::string name;
  uint8_t current = 100, worst = 100, threshold = 0;
  uint64_t raw = 0;       // 48 bits
  int64_t since_ms = 0;   // simulated time the raw value was last set (power-on hours count on from it)
};

const Model<SmartAttribute>& smart_model();

// The attribute whose raw value counts the disk's powered-on hours.
inline constexpr uint8_t kPowerOnHoursAttribute = 9;
inline constexpr int64_t kMsPerHour = 3600 * 1000;

// The raw value at simulated time `now_ms`: the powered-on hours go on
// counting from when the value was set.
uint64_t raw_now(const SmartAttribute& attribute, int64_t now_ms);

// The attribute sets a scenario names for a disk ("hdd", "ssd"); empty for
// any other name.
std::vector<SmartAttribute> smart_set(const std::string& name, uint16_t pd);

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_SMART_H
