#include "sim/engine/battery_power.h"

#include <algorithm>

#include "api/event_catalogue.h"
#include "sim/engine/events.h"

namespace qx::sim {

namespace {

bool charging(uint8_t action) { return action == kBatteryCharging || action == kBatteryRelearnCharging; }

// When the running action reaches full or empty.
int64_t action_end_ms(const Battery& b) {
  const int64_t to_go = charging(b.action) ? 100 - b.charge_percent : b.charge_percent;
  return b.action_since_ms + to_go * kBatteryMsPerPercent;
}

void log_battery(const Session& s, const EventKind& kind, int64_t at_ms) {
  log_event(s, NewEvent(kind, static_cast<uint16_t>(s.adapter_id())), at_ms);
}

// Moves the charge of the running action to `until` (not past its end),
// logging a crossing of the low-charge line.
void advance(const Session& s, Battery& b, int64_t until) {
  const int64_t elapsed = std::max<int64_t>(0, until - b.action_since_ms);
  const int64_t step = elapsed / kBatteryMsPerPercent;
  const int64_t from = b.charge_percent;
  const int64_t to = charging(b.action) ? std::min<int64_t>(100, from + step) : std::max<int64_t>(0, from - step);
  if (from >= kBatteryLowPercent && to < kBatteryLowPercent)
    log_battery(s, events::kBatteryAbnormalWriteThrough,
                b.action_since_ms + (from - kBatteryLowPercent + 1) * kBatteryMsPerPercent);
  if (from < kBatteryLowPercent && to >= kBatteryLowPercent)
    log_battery(s, events::kBatteryNormalWriteBack, b.action_since_ms + (kBatteryLowPercent - from) * kBatteryMsPerPercent);
  b.charge_percent = static_cast<uint8_t>(to);
  b.action_since_ms += step * kBatteryMsPerPercent;
}

}  // namespace

void settle_battery(const Session& s, Battery& b) {
  while (b.action != kBatteryIdle) {
    const int64_t end = action_end_ms(b);
    if (end > s.now_ms()) {
      advance(s, b, s.now_ms());
      return;
    }
    advance(s, b, end);
    b.action_since_ms = end;
    switch (b.action) {
      case kBatteryCharging:
        log_battery(s, events::kBatteryChargingCompleted, end);
        b.action = kBatteryIdle;
        break;
      case kBatteryDischarging:
        log_battery(s, events::kBatteryDischargingStopped, end);
        b.action = kBatteryIdle;
        break;
      case kBatteryRelearnDischarging:
        b.action = kBatteryRelearnCharging;
        break;
      default:
        log_battery(s, events::kBatteryRelearnCompleted, end);
        b.action = kBatteryIdle;
        break;
    }
  }
}

void change_battery_power(const Session& s, Battery& b, uint8_t action) {
  const int64_t now = s.now_ms();
  b.action_since_ms = now;
  switch (action) {
    case QX_BBU_RELEARN:
      b.action = kBatteryRelearnDischarging;
      log_battery(s, events::kBatteryRelearnStarted, now);
      break;
    case QX_BBU_CHARGE:
      b.action = kBatteryCharging;
      log_battery(s, events::kBatteryChargingStarted, now);
      break;
    case QX_BBU_DISCHARGE:
      b.action = kBatteryDischarging;
      log_battery(s, events::kBatteryDischarging, now);
      break;
    default:
      if (b.action == kBatteryIdle) break;
      log_battery(s, charging(b.action) ? events::kBatteryChargingStopped : events::kBatteryDischargingStopped, now);
      b.action = kBatteryIdle;
      break;
  }
}

}  // namespace qx::sim
