#include "sim/engine/wipe.h"

#include <algorithm>
#include <optional>

#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/allocate.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/events.h"
#include "sim/engine/spares.h"
#include "sim/engine/vd_health.h"
#include "sim/store/table.h"

namespace qx::sim {

uint8_t start_wipe(const Session& s, uint16_t pd, uint8_t force) {
  if (force > 1) return kInvalidParameter;
  std::optional<Disk> disk = present_disk(s, pd);
  if (!disk) return kPdMissing;
  if (!is_data_disk(*disk)) return kAtapiInVd;
  if (disk_carries_os(s, *disk)) return kDiskHasOs;  // even forced: the host runs from it
  const bool member = holds_vd_block(s, pd);
  if (!force && member) return kPdAssigned;
  if (!force && disk->spare != SpareKind::kNone) return kPdIsSpare;
  if (pd_activity(s, pd)) return kBgaRunning;  // a wipe, patrol or scrub
  if (member) lose_disk(s, pd, false);
  if (disk->spare != SpareKind::kNone) make_spare(s, pd, SpareKind::kNone, 0);

  const Adapter& a = s.adapter();
  const int64_t reserved_mb = static_cast<int64_t>(a.disk_reserved_kb / 1024);
  Activity wipe;
  wipe.id = next_activity_id(s);
  wipe.kind = ActivityKind::kWipe;
  wipe.pd = pd;
  wipe.duration_s = std::max<int64_t>(1, (reserved_mb + a.wipe_rate_mb_s - 1) / a.wipe_rate_mb_s);
  wipe.since_ms = s.now_ms();
  insert_row(s.db(), activity_model(), s.adapter_id(), wipe);
  return kOk;
}

bool wipe_running(const Session& s, uint16_t pd) {
  const std::optional<Activity> a = pd_activity(s, pd);
  return a && a->kind == ActivityKind::kWipe;
}

void finish_wipe(const Session& s, uint16_t pd) {
  std::optional<Disk> disk = select_by_id(s.db(), disk_model(), s.adapter_id(), pd);
  if (!disk) return;
  disk->foreign = false;
  update_row(s.db(), disk_model(), s.adapter_id(), *disk);
  log_event(s, NewEvent(events::kPdSetFree, pd));
}

}  // namespace qx::sim
