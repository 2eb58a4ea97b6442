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

void unset_spare(const Session& s, Disk disk) {
  disk.spare = SpareKind::kNone;
  disk.spare_array = 0;
  update_row(s.db(), disk_model(), s.adapter_id(), disk);
  log_event(s, NewEvent(events::kPdSpareUnset, disk.id));
}

}  // namespace

uint8_t spare_to_free(const Session& s, uint16_t pd) {
  std::optional<Disk> disk = present_disk(s, pd);
  if (!disk) return kPdMissing;
  if (disk->spare == SpareKind::kNone) return kPdNotSpare;
  if (holds_vd_block(s, pd)) return kSpareInUse;  // it stands in for a member
  if (std::optional<Activity> a = pd_activity(s, pd); a && a->kind == ActivityKind::kMediaPatrol && is_active(*a))
    abort_activity(s, *a);
  unset_spare(s, *disk);
  return kOk;
}

void free_dedicated_spares(const Session& s, uint16_t array) {
  for (const Disk& d :
       select_rows(s.db(), disk_model(), s.adapter_id(), "spare = 'dedicated' AND spare_array = ?1", {json(array)}))
    unset_spare(s, d);
}

}  // namespace qx::sim
