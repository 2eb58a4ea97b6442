// The battery backup unit of an adapter.
#ifndef QX_SIM_MODEL_BATTERY_H
#define QX_SIM_MODEL_BATTERY_H

#include <cstdint>

#include "sim/model/field.h"

namespace qx::sim {

struct Battery {
  bool present = false;
  uint8_t charge_percent = 100;
  int16_t temperature_c = 30;
  uint16_t voltage_mv = 4100;
  // What the battery is doing (kBattery...), since when, from which charge.
  uint8_t action = 0;
  int64_t action_since_ms = 0;
};

inline constexpr uint8_t kBatteryIdle = 0;
inline constexpr uint8_t kBatteryCharging = 1;
inline constexpr uint8_t kBatteryDischarging = 2;
inline constexpr uint8_t kBatteryRelearnDischarging = 3;  // a relearn empties the battery, then charges it
inline constexpr uint8_t kBatteryRelearnCharging = 4;

const Model<Battery>& battery_model();

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_BATTERY_H
