#include "sim/engine/spares.h"

#include <optional>

#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/allocate.h"
#include "sim/engine/bga_control.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/events.h"
#include "sim/model/disk.h"
#include "sim/model/vd.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

void unset_spare(Db& db, int adapter, Disk disk, int64_t now_ms) {
  disk.spare = SpareKind::kNone;
  disk.spare_array = 0;
  update_row(db, disk_model(), adapter, disk);
  log_event(db, adapter, NewEvent(events::kPdSpareUnset, disk.id), now_ms);
}

}  // namespace

uint8_t spare_to_free(const Session& s, uint16_t pd) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  const int64_t now_ms = s.now_ms();
  std::optional<Disk> disk = present_disk(db, adapter, pd);
  if (!disk) return kPdMissing;
  if (disk->spare == SpareKind::kNone) return kPdNotSpare;
  if (holds_vd_block(db, adapter, pd)) return kSpareInUse;  // it stands in for a member
  if (std::optional<Activity> a = pd_activity(db, adapter, pd);
      a && a->kind == ActivityKind::kMediaPatrol && is_active(*a))
    abort_activity(db, adapter, *a, now_ms);
  unset_spare(db, adapter, *disk, now_ms);
  return kOk;
}

void free_dedicated_spares(Db& db, int adapter, uint16_t array, int64_t now_ms) {
  for (const Disk& d :
       select_rows(db, disk_model(), adapter, "spare = 'dedicated' AND spare_array = ?1", {json(array)}))
    unset_spare(db, adapter, d, now_ms);
}

}  // namespace qx::sim
