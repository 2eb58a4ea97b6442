#include "sim/engine/array_delete.h"

#include <optional>
#include <vector>

#include "api/records.h"
#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/bga_control.h"
#include "sim/engine/events.h"
#include "sim/engine/spares.h"
#include "sim/engine/vd_events.h"
#include "sim/engine/vd_remove.h"
#include "sim/model/array.h"
#include "sim/model/vd.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

std::vector<Vd> vds_on(const Session& s, uint16_t array) {
  return select_rows(s.db(), vd_model(), s.adapter_id(), "array_id = ?1", {json(array)});
}

void remove_array(const Session& s, const Array& array) {
  free_dedicated_spares(s, array.id);
  delete_row(s.db(), array_model(), s.adapter_id(), array);
  log_event(s, NewEvent(events::kArrayDeleted, array.id));
}

}  // namespace

uint8_t delete_array(const Session& s, uint16_t id) {
  std::optional<Array> array = select_by_id(s.db(), array_model(), s.adapter_id(), id);
  if (!array) return kInvalidArrayId;
  if (!vds_on(s, id).empty()) return kArrayHasVds;
  remove_array(s, *array);
  return kOk;
}

uint8_t delete_package_vd(const Session& s, uint16_t id) {
  std::optional<Array> array = select_by_id(s.db(), array_model(), s.adapter_id(), id);
  if (!array || !array->package) return kInvalidArrayId;
  std::vector<Vd> vds = vds_on(s, id);
  for (const Vd& vd : vds) {
    if (std::optional<Activity> a = vd_activity(s, vd.id); a && is_active(*a)) return kVdHasBga;
    if (vd.has_os) return kVdHasOs;
  }
  for (const Vd& vd : vds) {
    if (vd.target_of != kNoId) continue;  // a migration target goes with its source
    log_vd_deleted(s, vd);
    remove_vd(s, vd.id);
  }
  remove_array(s, *array);
  return kOk;
}

}  // namespace qx::sim
