#include "sim/engine/bga_control.h"

#include <algorithm>
#include <optional>

#include "api/records.h"
#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/activity_rates.h"
#include "sim/engine/events.h"
#include "sim/engine/vd_events.h"
#include "sim/engine/migration.h"
#include "sim/model/disk.h"
#include "sim/model/vd.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

constexpr int64_t kFallbackRateMbS = 100;     // an adapter that states no rate

bool is_paused(ActivityState s) {
  return s == ActivityState::kPaused || s == ActivityState::kAutoPaused;
}

// The activity after `action`, or nothing when its state does not allow it.
std::optional<Activity> after_action(const Activity& a, uint8_t action, int64_t now_ms) {
  Activity next = settled(a, now_ms);
  switch (action) {
    case QX_BGA_ACTION_PAUSE:
      if (a.state != ActivityState::kRunning) return std::nullopt;
      next.state = ActivityState::kPaused;
      return next;
    case QX_BGA_ACTION_RESUME:
      if (!is_paused(a.state)) return std::nullopt;
      next.state = ActivityState::kRunning;
      return next;
    default: return std::nullopt;
  }
}

void log_step(const Session& s, const Activity& a, ActivityStep step) {
  if (is_disk_activity(a.kind)) return;  // disks log only a stopped media patrol
  std::optional<Vd> vd = select_by_id(s.db(), vd_model(), s.adapter_id(), a.vd);
  const EventKind* kind = vd_activity_event(a.kind, step);
  if (vd && kind) log_vd_event(s, *vd, *kind);
}

// Pause, resume or stop of an existing activity (or of none).
uint8_t steer(const Session& s, const std::optional<Activity>& a, uint8_t action) {
  if (!a || !is_active(*a)) return kInvalidBgaAction;
  if (action == QX_BGA_ACTION_STOP) {
    abort_activity(s, *a);
    return kOk;
  }
  std::optional<Activity> next = after_action(*a, action, s.now_ms());
  if (!next) return kInvalidBgaAction;
  update_row(s.db(), activity_model(), s.adapter_id(), *next);
  log_step(s, *next, action == QX_BGA_ACTION_PAUSE ? ActivityStep::kPaused : ActivityStep::kResumed);
  return kOk;
}

}  // namespace

bool is_active(const Activity& a) {
  return a.state == ActivityState::kRunning || is_paused(a.state);
}

int64_t activity_duration_s(const Adapter& adapter, uint64_t size_kb) {
  int64_t rate = adapter.bga_rate_mb_s != 0 ? adapter.bga_rate_mb_s : kFallbackRateMbS;
  int64_t mb = static_cast<int64_t>(size_kb / 1024);
  return std::max<int64_t>(1, (mb + rate - 1) / rate);
}

Activity start_activity(const Session& s, ActivityKind kind, uint16_t vd, uint16_t pd, int64_t duration_s) {
  Activity a;
  a.id = next_activity_id(s);
  a.kind = kind;
  a.vd = vd;
  a.pd = pd;
  a.state = ActivityState::kRunning;
  a.progress = 0;
  a.duration_s = duration_at_rate(std::max<int64_t>(1, duration_s), activity_rate(s.adapter(), kind));
  a.since_ms = s.now_ms();
  insert_row(s.db(), activity_model(), s.adapter_id(), a);
  return a;
}

void start_vd_activity(const Session& s, uint16_t vd, ActivityKind kind, int64_t duration_s) {
  log_step(s, start_activity(s, kind, vd, kNoId, duration_s), ActivityStep::kStarted);
}

void end_activity(const Session& s, const Activity& a, ActivityStep step) {
  delete_row(s.db(), activity_model(), s.adapter_id(), a);
  if (a.kind == ActivityKind::kMigration) drop_migration_target(s, a.vd);
  if (a.kind == ActivityKind::kRebuild)
    for (const Block& b :
         select_rows(s.db(), block_model(), s.adapter_id(), "vd = ?1 AND rebuilding <> 0", {json(a.vd)}))
      delete_row(s.db(), block_model(), s.adapter_id(), b);
  log_step(s, a, step);
}

void abort_activity(const Session& s, const Activity& a) {
  if (a.kind == ActivityKind::kMediaPatrol) {
    delete_row(s.db(), activity_model(), s.adapter_id(), a);
    log_event(s, NewEvent(events::kPdMediaPatrolStopped, a.pd));
    return;
  }
  end_activity(s, a, ActivityStep::kAborted);
}

uint8_t control_vd_activity(const Session& s, uint16_t vd, uint8_t action) {
  if (!select_by_id(s.db(), vd_model(), s.adapter_id(), vd)) return kVdMissing;
  std::optional<Activity> a = vd_activity(s, vd);
  if (action != QX_BGA_ACTION_CANCEL) {
    if (action != QX_BGA_ACTION_PAUSE && action != QX_BGA_ACTION_RESUME && action != QX_BGA_ACTION_STOP)
      return kInvalidBgaAction;
    return steer(s, a, action);
  }
  if (!a) return kOk;
  if (is_active(*a))
    abort_activity(s, *a);
  else
    delete_row(s.db(), activity_model(), s.adapter_id(), *a);  // the record of one that ended already
  return kOk;
}

uint8_t control_pd_activity(const Session& s, uint16_t pd, uint8_t action) {
  std::optional<Disk> disk = select_by_id(s.db(), disk_model(), s.adapter_id(), pd);
  if (!disk || !disk->present) return kPdMissing;
  if (action != QX_BGA_ACTION_PAUSE && action != QX_BGA_ACTION_RESUME && action != QX_BGA_ACTION_STOP)
    return kInvalidBgaAction;
  std::optional<Activity> a = pd_activity(s, pd);
  if (a && a->kind == ActivityKind::kWipe) return kBgaRunning;  // a wipe runs to its end
  return steer(s, a, action);
}

}  // namespace qx::sim
