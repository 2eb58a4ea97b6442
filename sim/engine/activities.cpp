#include "sim/engine/activities.h"

#include <algorithm>
#include <vector>

#include "sim/engine/copy_back.h"
#include "sim/engine/events.h"
#include "sim/engine/migration.h"
#include "sim/engine/rebuild.h"
#include "sim/engine/spares.h"
#include "sim/engine/vd_events.h"
#include "sim/engine/wipe.h"
#include "sim/model/vd.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

// The VD as the completed activity leaves it; none when it is gone.
std::optional<Vd> apply_vd_completion(const Session& s, const Activity& a) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  std::optional<Vd> vd = select_by_id(db, vd_model(), adapter, a.vd);
  if (!vd) return vd;
  switch (a.kind) {
    case ActivityKind::kInitQuick:
    case ActivityKind::kInitBackground:
    case ActivityKind::kInitForeground:
      if (vd->state == QX_VD_FUNCTIONAL) vd->state = QX_VD_FUNCTIONAL_INITIALIZED;
      break;
    case ActivityKind::kSynchronize:
      if (vd->state == QX_VD_FUNCTIONAL) vd->state = QX_VD_FUNCTIONAL_INITIALIZED;
      break;
    case ActivityKind::kRebuild:
      finish_rebuild(s, a.vd);
      return vd;  // as it was: its level and marks are what the event needs
    case ActivityKind::kCopyBack:
      finish_copy_back(s, a);
      return vd;
    case ActivityKind::kMigration:
      finish_migration(s, a.vd);
      return select_by_id(db, vd_model(), adapter, a.vd);
    default: break;
  }
  update_row(db, vd_model(), adapter, *vd);
  return vd;
}

// Applies one completion, at its own time; answers whether it started other
// activities (a finished rebuild lets another degraded VD take a spare).
bool complete(const Session& call, const Activity& a, int64_t at_ms) {
  const Session s(call.db(), call.adapter_id(), at_ms, call.adapter());
  delete_row(s.db(), activity_model(), s.adapter_id(), a);
  if (is_disk_activity(a.kind)) {
    if (a.kind == ActivityKind::kMediaPatrol) log_event(s, NewEvent(events::kPdMediaPatrolCompleted, a.pd));
    if (a.kind == ActivityKind::kWipe) finish_wipe(s, a.pd);
    return false;
  }
  const std::optional<Vd> vd = apply_vd_completion(s, a);
  const EventKind* kind = vd_activity_event(a.kind, ActivityStep::kCompleted);
  if (vd && kind) log_vd_event(s, *vd, *kind);
  // A finished rebuild, or a spare freed by a copy back, may serve another VD.
  if (a.kind != ActivityKind::kRebuild && a.kind != ActivityKind::kCopyBack) return false;
  const uint16_t before = next_activity_id(s);
  rebuild_onto_spares(s);
  return next_activity_id(s) != before;
}

}  // namespace

int64_t progress_at(const Activity& a, int64_t now_ms) {
  if (a.state != ActivityState::kRunning || now_ms <= a.since_ms || a.progress > kFullProgress) return a.progress;
  int64_t gained = (now_ms - a.since_ms) * kFullProgress / (a.duration_s * 1000);
  return std::min(kFullProgress, a.progress + gained);
}

int64_t completion_ms(const Activity& a) {
  return a.since_ms + ((kFullProgress - a.progress) * a.duration_s * 1000 + kFullProgress - 1) / kFullProgress;
}

std::optional<int64_t> next_completion_ms(const Session& s) {
  Stmt stmt = s.db().prepare(std::string("SELECT MIN(") + kCompletionSql +
                             ") FROM activities WHERE adapter = ?1 AND " + kMovingSql);
  stmt.bind(1, int64_t{s.adapter_id()});
  stmt.step();
  if (stmt.column_null(0)) return std::nullopt;
  return stmt.column_int(0);
}

void complete_due_activities(const Session& s) {
  // One query finds what is due; only a completion that starts new
  // activities (which may be due too, and earlier) asks again.
  for (bool again = true; again;) {
    again = false;
    std::vector<Activity> due = select_rows(s.db(), activity_model(), s.adapter_id(),
                                            std::string(kMovingSql) + " AND " + kCompletionSql + " <= ?1",
                                            {json(s.now_ms())}, kCompletionSql);
    for (const Activity& a : due)
      if (complete(s, a, completion_ms(a))) {
        again = true;
        break;
      }
  }
}

std::optional<Activity> vd_activity(const Session& s, uint16_t vd) {
  std::vector<Activity> rows = select_rows(s.db(), activity_model(), s.adapter_id(), "vd = ?1", {json(vd)}, "id", 1);
  if (rows.empty()) return std::nullopt;
  return rows.front();
}

std::optional<Activity> pd_activity(const Session& s, uint16_t pd) {
  std::vector<Activity> rows = select_rows(s.db(), activity_model(), s.adapter_id(), "pd = ?1", {json(pd)}, "id", 1);
  if (rows.empty()) return std::nullopt;
  return rows.front();
}

Activity settled(const Activity& a, int64_t now_ms) {
  Activity out = a;
  out.progress = progress_at(a, now_ms);
  out.since_ms = now_ms;
  return out;
}

const EventKind* vd_activity_event(ActivityKind kind, ActivityStep step) {
  const EventKind* started = nullptr;  // the steps of an activity follow its "started" code
  switch (kind) {
    case ActivityKind::kSynchronize: started = &events::kVdFixStarted; break;
    case ActivityKind::kRedundancyCheck: started = &events::kVdCheckStarted; break;
    case ActivityKind::kInitQuick: started = &events::kVdFastInitStarted; break;
    case ActivityKind::kInitBackground: started = &events::kVdBackgroundInitStarted; break;
    case ActivityKind::kInitForeground: started = &events::kVdForegroundInitStarted; break;
    case ActivityKind::kRebuild: started = &events::kVdRebuildStarted; break;
    case ActivityKind::kMigration: started = &events::kVdMigrationStarted; break;
    case ActivityKind::kCopyBack: started = &events::kVdCopyBackStarted; break;
    case ActivityKind::kMediaPatrol:
    case ActivityKind::kDataScrub:
    case ActivityKind::kWipe: return nullptr;
  }
  return find_event(started->event_class, static_cast<uint16_t>(started->code + static_cast<uint16_t>(step)));
}

uint16_t next_activity_id(const Session& s) {
  Stmt stmt = s.db().prepare("SELECT COALESCE(MAX(id), -1) + 1 FROM activities WHERE adapter = ?1");
  stmt.bind(1, int64_t{s.adapter_id()});
  stmt.step();
  return static_cast<uint16_t>(stmt.column_int(0));
}

}  // namespace qx::sim
