#include "sim/engine/disk_activities.h"

#include <algorithm>
#include <optional>
#include <set>

#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/allocate.h"
#include "sim/engine/bga_control.h"
#include "sim/engine/copy_back.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/events.h"
#include "sim/model/array.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

// The checks both disk activities make first: 19, 55, 65, 9. Answers 0 and
// fills `disk`, or the status.
uint8_t check_disk_start(const Session& s, uint16_t pd, Disk& disk) {
  if (!(s.adapter().features & QX_FEATURE_PD_BGA_STATUS)) return kNotSupported;
  std::optional<Disk> found = present_disk(s, pd);
  if (!found) return kPdMissing;
  if (!is_data_disk(*found)) return kAtapiInVd;
  if (found->offline) return kInvalidPdId;
  disk = *found;
  return kOk;
}

bool busy(const Session& s, uint16_t pd) {
  std::optional<Activity> a = pd_activity(s, pd);
  return a && is_active(*a);
}

// The other disks whose data goes with disk `pd`: those of the VDs it holds
// blocks of, and those of the arrays that list it.
std::set<uint16_t> companions(const Session& s, uint16_t pd) {
  std::set<uint16_t> out;
  Stmt stmt = s.db().prepare(
      "SELECT DISTINCT pd FROM blocks WHERE adapter = ?1 AND vd IN "
      "(SELECT vd FROM blocks WHERE adapter = ?1 AND pd = ?2 AND vd <> ?3)");
  stmt.bind(1, int64_t{s.adapter_id()}).bind(2, int64_t{pd}).bind(3, int64_t{kNoId});
  while (stmt.step()) out.insert(static_cast<uint16_t>(stmt.column_int(0)));
  for (const Array& a : select_rows(s.db(), array_model(), s.adapter_id()))
    if (std::find(a.pds.begin(), a.pds.end(), pd) != a.pds.end()) out.insert(a.pds.begin(), a.pds.end());
  out.erase(pd);
  return out;
}

bool companion_patrols(const Session& s, uint16_t pd) {
  const std::set<uint16_t> others = companions(s, pd);
  for (const Activity& a : select_rows(s.db(), activity_model(), s.adapter_id(), "kind = 'media_patrol'"))
    if (others.count(a.pd) != 0 && is_active(a)) return true;
  return false;
}

// Starts `kind` over the whole disk, replacing the record of one that ended.
void begin_disk_activity(const Session& s, const Disk& disk, ActivityKind kind) {
  if (std::optional<Activity> ended = pd_activity(s, disk.id))
    delete_row(s.db(), activity_model(), s.adapter_id(), *ended);
  start_activity(s, kind, kNoId, disk.id, activity_duration_s(s.adapter(), disk.size_kb));
}

}  // namespace

uint8_t start_media_patrol(const Session& s, uint16_t pd) {
  Disk disk;
  if (uint8_t status = check_disk_start(s, pd, disk)) return status;
  if (disk.spare == SpareKind::kNone && !holds_vd_block(s, pd)) return kPdNotSpare;
  if (busy(s, pd) || is_copy_back_target(s, pd)) return kBgaRunning;
  if (companion_patrols(s, pd)) return kOneMediaPatrol;
  begin_media_patrol(s, pd);
  return kOk;
}

void begin_media_patrol(const Session& s, uint16_t pd) {
  std::optional<Disk> disk = present_disk(s, pd);
  if (!disk) return;
  begin_disk_activity(s, *disk, ActivityKind::kMediaPatrol);
  log_event(s, NewEvent(events::kPdMediaPatrolStarted, pd));
}

uint8_t start_data_scrub(const Session& s, uint16_t pd) {
  Disk disk;
  if (uint8_t status = check_disk_start(s, pd, disk)) return status;
  if (disk.spare == SpareKind::kNone) return kPdNotSpare;
  if (holds_vd_block(s, pd)) return kSpareInUse;
  if (busy(s, pd)) return kBgaRunning;
  begin_disk_activity(s, disk, ActivityKind::kDataScrub);
  return kOk;
}

void end_disk_activity(const Session& s, uint16_t pd) {
  std::optional<Activity> a = pd_activity(s, pd);
  if (!a) return;
  delete_row(s.db(), activity_model(), s.adapter_id(), *a);
  if (a->kind == ActivityKind::kMediaPatrol && is_active(*a))
    log_event(s, NewEvent(events::kPdMediaPatrolAborted, pd));
}

}  // namespace qx::sim
