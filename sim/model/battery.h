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
};

const Model<Battery>& battery_model();

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_BATTERY_H
