// Battery actions as timed states: charging, discharging and a relearn
// (discharging, then charging) move the charge with simulated time, one
// percent per kBatteryMsPerPercent, and end by themselves at full or empty.
#ifndef QX_SIM_ENGINE_BATTERY_POWER_H
#define QX_SIM_ENGINE_BATTERY_POWER_H

#include <cstdint>

#include "sim/engine/session.h"
#include "sim/model/battery.h"

namespace qx::sim {

inline constexpr int64_t kBatteryMsPerPercent = 36'000;  // a full charge takes an hour
// Below this charge the write cache is not protected (battery events 28, 29).
inline constexpr uint8_t kBatteryLowPercent = 30;

// Brings the battery up to the session's time, logging each end of an
// action and each crossing of the low-charge line at the moment it happened.
void settle_battery(const Session& s, Battery& battery);

// Starts action 0 relearn, 1 charge, 2 discharge or stops the running one
// (3), on a battery already settled; logs the start or stop.
void change_battery_power(const Session& s, Battery& battery, uint8_t action);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_BATTERY_POWER_H
