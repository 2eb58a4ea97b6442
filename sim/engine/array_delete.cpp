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

std::vector<Vd> vds_on(Db& db, int adapter, uint16_t array) {
  return select_rows(db, vd_model(), adapter, "array_id = ?1", {json(array)});
}

void remove_array(Db& db, int adapter, const Array& array, int64_t now_ms) {
  free_dedicated_spares(db, adapter, array.id, now_ms);
  delete_row(db, array_model(), adapter, array);
  log_event(db, adapter, NewEvent(events::kArrayDeleted, array.id), now_ms);
}

}  // namespace

uint8_t delete_array(const Session& s, uint16_t id) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  const int64_t now_ms = s.now_ms();
  std::optional<Array> array = select_by_id(db, array_model(), adapter, id);
  if (!array) return kInvalidArrayId;
  if (!vds_on(db, adapter, id).empty()) return kArrayHasVds;
  remove_array(db, adapter, *array, now_ms);
  return kOk;
}

uint8_t delete_package_vd(const Session& s, uint16_t id) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  const int64_t now_ms = s.now_ms();
  std::optional<Array> array = select_by_id(db, array_model(), adapter, id);
  if (!array || !array->package) return kInvalidArrayId;
  std::vector<Vd> vds = vds_on(db, adapter, id);
  for (const Vd& vd : vds) {
    if (std::optional<Activity> a = vd_activity(db, adapter, vd.id); a && is_active(*a)) return kVdHasBga;
    if (vd.has_os) return kVdHasOs;
  }
  for (const Vd& vd : vds) {
    if (vd.target_of != kNoId) continue;  // a migration target goes with its source
    log_vd_deleted(db, adapter, vd, now_ms);
    remove_vd(db, adapter, vd.id);
  }
  remove_array(db, adapter, *array, now_ms);
  return kOk;
}

}  // namespace qx::sim
