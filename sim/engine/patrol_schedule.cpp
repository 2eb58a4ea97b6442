#include "sim/engine/patrol_schedule.h"

#include <set>

#include "sim/engine/activities.h"
#include "sim/engine/bga_control.h"
#include "sim/engine/block_records.h"
#include "sim/engine/disk_activities.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/settings.h"

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

std::optional<int64_t> next_scheduled_patrol_ms(const Session& s) {
  const Adapter& a = s.adapter();
  // A state that names no next run (0) plans none.
  if (a.schedule_mode != QX_SCHEDULE_AUTO || a.next_patrol_ms <= 0) return std::nullopt;
  return a.next_patrol_ms;
}

void run_scheduled_patrol(const Session& s, int64_t until_ms) {
  auto active = [](const std::optional<Activity>& activity) { return activity && is_active(*activity); };
  std::set<uint16_t> members;
  for (const Block& b : blocks_on_disks(s, 0, kNoId - 1))
    if (b.vd != kNoId && !active(vd_activity(s, b.vd))) members.insert(b.pd);
  for (uint16_t pd : members) {
    std::optional<Disk> disk = present_disk(s, pd);
    if (!disk || disk->offline || active(pd_activity(s, pd))) continue;
    begin_media_patrol(s, pd);
  }
  Adapter a = s.adapter();
  const int64_t interval = a.schedule_days * kMsPerDay;
  const int64_t missed = until_ms > s.now_ms() ? (until_ms - s.now_ms()) / interval : 0;
  a.next_patrol_ms = s.now_ms() + (missed + 1) * interval;
  save_adapter(s.db(), a);
}

}  // namespace qx::sim
