// Battery actions as timed states: charging, discharging and a relearn
// (discharging, then charging) move the charge with simulated time, one
// percent per kBatteryMsPerPercent, and end by themselves at full or empty.
#ifndef QX_SIM_ENGINE_BATTERY_POWER_H
#define QX_SIM_ENGINE_BATTERY_POWER_H

#include <cstdint>
#include <optional>

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

// The next moment at which the running action ends or crosses the
// low-charge line, each of which settle_battery() logs; none while idle.
std::optional<int64_t> next_battery_moment_ms(const Battery& battery);

// True while a fitted battery, settled, is below the low-charge line: VDs
// whose cache policy is automatic then write through.
bool battery_low(const Battery& battery);

// The adapter's battery, if the state has one.
std::optional<Battery> read_battery(const Session& s);

// Brings the stored battery up to the session's time, logging what happened.
void settle_stored_battery(const Session& s);

// What the simulator's operator changes on a battery: fitted or not, and its
// charge.
struct BatteryChange {
  std::optional<bool> present;
  std::optional<uint8_t> charge_percent;  // 0..100
};
// Fits, removes or recharges the adapter's battery at the session's time (an
// adapter without one gets one), logging the fitting, the removal and a
// crossing of the low-charge line. A removed battery stops its action; a
// running action goes on from the new charge.
void change_stored_battery(const Session& s, const BatteryChange& change);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_BATTERY_POWER_H
