#include "sim/engine/patrol_schedule.h"

namespace qx::sim {

namespace {
constexpr uint32_t kSecondsPerDay = 86400;
constexpr int64_t kMsPerDay = int64_t{kSecondsPerDay} * 1000;
}  // namespace

void set_patrol_schedule(Adapter& adapter, uint8_t mode, uint32_t interval_seconds, int64_t now_ms) {
  const bool monthly = interval_seconds == 30 * kSecondsPerDay;
  adapter.schedule_mode = mode;
  adapter.schedule_days = monthly ? 30 : 7;
  adapter.next_patrol_ms = mode == QX_SCHEDULE_AUTO ? now_ms + adapter.schedule_days * kMsPerDay : 0;
}

}  // namespace qx::sim
