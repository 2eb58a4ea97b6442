#include "sim/engine/bga_control.h"

#include <algorithm>
#include <optional>

#include "api/records.h"
#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/events.h"
#include "sim/engine/vd_events.h"
#include "sim/engine/vd_remove.h"
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

void log_step(Db& db, int adapter, const Activity& a, ActivityStep step, int64_t now_ms) {
  if (is_disk_activity(a.kind)) return;  // disks log only a stopped media patrol
  std::optional<Vd> vd = select_by_id(db, vd_model(), adapter, a.vd);
  const EventKind* kind = vd_activity_event(a.kind, step);
  if (vd && kind) log_vd_event(db, adapter, *vd, *kind, now_ms);
}

// Pause, resume or stop of an existing activity (or of none).
uint8_t steer(Db& db, int adapter, const std::optional<Activity>& a, uint8_t action, int64_t now_ms) {
  if (!a || !is_active(*a)) return kInvalidBgaAction;
  if (action == QX_BGA_ACTION_STOP) {
    abort_activity(db, adapter, *a, now_ms);
    return kOk;
  }
  std::optional<Activity> next = after_action(*a, action, now_ms);
  if (!next) return kInvalidBgaAction;
  update_row(db, activity_model(), adapter, *next);
  log_step(db, adapter, *next, action == QX_BGA_ACTION_PAUSE ? ActivityStep::kPaused : ActivityStep::kResumed, now_ms);
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

void start_vd_activity(Db& db, int adapter, uint16_t vd, ActivityKind kind, int64_t duration_s, int64_t now_ms) {
  Activity a;
  a.id = next_activity_id(db, adapter);
  a.kind = kind;
  a.vd = vd;
  a.state = ActivityState::kRunning;
  a.progress = 0;
  a.duration_s = std::max<int64_t>(1, duration_s);
  a.since_ms = now_ms;
  insert_row(db, activity_model(), adapter, a);
  log_step(db, adapter, a, ActivityStep::kStarted, now_ms);
}

void end_activity(Db& db, int adapter, const Activity& a, ActivityStep step, int64_t now_ms) {
  delete_row(db, activity_model(), adapter, a);
  if (a.kind == ActivityKind::kMigration)
    for (const Vd& target : select_rows(db, vd_model(), adapter, "target_of = ?1", {json(a.vd)}))
      remove_vd(db, adapter, target.id);
  if (a.kind == ActivityKind::kRebuild)
    for (const Block& b : select_rows(db, block_model(), adapter, "vd = ?1 AND rebuilding <> 0", {json(a.vd)}))
      delete_row(db, block_model(), adapter, b);
  log_step(db, adapter, a, step, now_ms);
}

void abort_activity(Db& db, int adapter, const Activity& a, int64_t now_ms) {
  if (a.kind == ActivityKind::kMediaPatrol) {
    delete_row(db, activity_model(), adapter, a);
    log_event(db, adapter, NewEvent(events::kPdMediaPatrolStopped, a.pd), now_ms);
    return;
  }
  end_activity(db, adapter, a, ActivityStep::kAborted, now_ms);
}

uint8_t control_vd_activity(const Session& s, uint16_t vd, uint8_t action) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  const int64_t now_ms = s.now_ms();
  if (!select_by_id(db, vd_model(), adapter, vd)) return kVdMissing;
  std::optional<Activity> a = vd_activity(db, adapter, vd);
  if (action != QX_BGA_ACTION_CANCEL) {
    if (action != QX_BGA_ACTION_PAUSE && action != QX_BGA_ACTION_RESUME && action != QX_BGA_ACTION_STOP)
      return kInvalidBgaAction;
    return steer(db, adapter, a, action, now_ms);
  }
  if (!a) return kOk;
  if (is_active(*a))
    abort_activity(db, adapter, *a, now_ms);
  else
    delete_row(db, activity_model(), adapter, *a);  // the record of one that ended already
  return kOk;
}

uint8_t control_pd_activity(const Session& s, uint16_t pd, uint8_t action) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  const int64_t now_ms = s.now_ms();
  std::optional<Disk> disk = select_by_id(db, disk_model(), adapter, pd);
  if (!disk || !disk->present) return kPdMissing;
  if (action != QX_BGA_ACTION_PAUSE && action != QX_BGA_ACTION_RESUME && action != QX_BGA_ACTION_STOP)
    return kInvalidBgaAction;
  return steer(db, adapter, pd_activity(db, adapter, pd), action, now_ms);
}

}  // namespace qx::sim
