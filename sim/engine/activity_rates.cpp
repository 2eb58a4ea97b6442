#include "sim/engine/activity_rates.h"

#include <algorithm>

#include "sim/engine/activities.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {
constexpr uint16_t kSingleRateFirst = 0x6001;
constexpr uint16_t kSingleRateLast = 0x6145;
}  // namespace

uint8_t activity_rate(const Adapter& a, ActivityKind kind) {
  if (a.device_id >= kSingleRateFirst && a.device_id <= kSingleRateLast) return a.bga_rate;
  switch (kind) {
    case ActivityKind::kRebuild: return a.rebuild_rate;
    case ActivityKind::kSynchronize:
    case ActivityKind::kRedundancyCheck: return a.sync_rate;
    case ActivityKind::kInitForeground:
    case ActivityKind::kInitBackground:
    case ActivityKind::kInitQuick: return a.init_rate;
    case ActivityKind::kMigration: return a.migration_rate;
    case ActivityKind::kCopyBack: return a.copy_back_rate;
    case ActivityKind::kMediaPatrol:
    case ActivityKind::kDataScrub: return a.media_patrol_rate;
    case ActivityKind::kWipe: return QX_RATE_SCALE;  // a wipe has its own speed, wipe_rate_mb_s
  }
  return QX_RATE_SCALE;
}

int64_t duration_at_rate(int64_t full_speed_s, uint8_t rate) {
  const int64_t effective = std::max<int64_t>(rate, 1);
  return std::max<int64_t>(1, (full_speed_s * QX_RATE_SCALE + effective - 1) / effective);
}

void rescale_activities(const Session& s, const Adapter& before, const Adapter& after) {
  for (const Activity& a : select_rows(s.db(), activity_model(), s.adapter_id())) {
    if (a.state != ActivityState::kRunning) continue;
    const int64_t old_rate = std::max<int64_t>(activity_rate(before, a.kind), 1);
    const int64_t new_rate = std::max<int64_t>(activity_rate(after, a.kind), 1);
    if (old_rate == new_rate) continue;
    Activity anchored = settled(a, s.now_ms());
    anchored.duration_s = std::max<int64_t>(1, (a.duration_s * old_rate + new_rate - 1) / new_rate);
    update_row(s.db(), activity_model(), s.adapter_id(), anchored);
  }
}

}  // namespace qx::sim
