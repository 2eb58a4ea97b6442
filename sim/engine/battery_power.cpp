#include "sim/engine/battery_power.h"

#include <algorithm>
#include <vector>

#include "api/event_catalogue.h"
#include "sim/engine/events.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

bool charging(uint8_t action) { return action == kBatteryCharging || action == kBatteryRelearnCharging; }

// When a charge falling from `from` first stands below the low line, or one
// rising from below it first reaches the line again.
int64_t low_crossing_ms(const Battery& b) {
  const int64_t from = b.charge_percent;
  const int64_t steps = charging(b.action) ? kBatteryLowPercent - from : from - kBatteryLowPercent + 1;
  return b.action_since_ms + steps * kBatteryMsPerPercent;
}

bool crosses_low_line(const Battery& b) {
  return charging(b.action) ? b.charge_percent < kBatteryLowPercent : b.charge_percent >= kBatteryLowPercent;
}

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
    log_battery(s, events::kBatteryAbnormalWriteThrough, low_crossing_ms(b));
  if (from < kBatteryLowPercent && to >= kBatteryLowPercent)
    log_battery(s, events::kBatteryNormalWriteBack, low_crossing_ms(b));
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

std::optional<int64_t> next_battery_moment_ms(const Battery& b) {
  if (b.action == kBatteryIdle) return std::nullopt;
  const int64_t end = action_end_ms(b);
  return crosses_low_line(b) ? std::min(end, low_crossing_ms(b)) : end;
}

bool battery_low(const Battery& b) { return b.present && b.charge_percent < kBatteryLowPercent; }

std::optional<Battery> read_battery(const Session& s) {
  std::vector<Battery> rows = select_rows(s.db(), battery_model(), s.adapter_id());
  if (rows.empty()) return std::nullopt;
  return rows.front();
}

void settle_stored_battery(const Session& s) {
  std::optional<Battery> b = read_battery(s);
  if (!b || b->action == kBatteryIdle) return;
  settle_battery(s, *b);
  update_row(s.db(), battery_model(), s.adapter_id(), *b);
}

void change_stored_battery(const Session& s, const BatteryChange& change) {
  std::optional<Battery> stored = read_battery(s);
  Battery b = stored.value_or(Battery{});
  if (!stored) b.present = false;  // a new row starts as an empty bay
  settle_battery(s, b);
  const bool was_low = battery_low(b);
  const bool was_present = b.present;
  if (change.present) b.present = *change.present;
  if (change.charge_percent) b.charge_percent = std::min<uint8_t>(*change.charge_percent, 100);
  b.action_since_ms = s.now_ms();
  if (!b.present) b.action = kBatteryIdle;
  if (b.present != was_present)
    log_battery(s, b.present ? events::kBatteryPresent : events::kBatteryRemoved, s.now_ms());
  if (battery_low(b) != was_low)
    log_battery(s, was_low ? events::kBatteryNormalWriteBack : events::kBatteryAbnormalWriteThrough, s.now_ms());
  if (stored)
    update_row(s.db(), battery_model(), s.adapter_id(), b);
  else
    insert_row(s.db(), battery_model(), s.adapter_id(), b);
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
