#include "sim/engine/vd_import.h"

#include <set>
#include <string>
#include <vector>

#include "api/event_catalogue.h"
#include "api/records.h"
#include "api/status.h"
#include "sim/engine/control.h"
#include "sim/engine/vd_events.h"
#include "sim/engine/vd_health.h"
#include "sim/model/array.h"
#include "sim/model/disk.h"
#include "sim/model/vd.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

bool importable(uint8_t state) { return state == QX_VD_FOREIGN || state == QX_VD_IMPORTABLE_FOREIGN; }

// The VDs that move together (the VD, and on array-capable adapters every
// VD of its array) and the disks they lie on.
struct Configuration {
  std::vector<Vd> vds;
  std::set<uint16_t> disks;
};

Configuration configuration_of(const Session& s, const Vd& vd) {
  Configuration c;
  const int adapter = s.adapter_id();
  if (s.adapter().max_arrays != 0) {
    c.vds = select_rows(s.db(), vd_model(), adapter, "array_id = ?1", {json(vd.array_id)}, "id");
    if (std::optional<Array> array = select_by_id(s.db(), array_model(), adapter, vd.array_id))
      c.disks.insert(array->pds.begin(), array->pds.end());
  } else {
    c.vds = {vd};
  }
  for (const Vd& v : c.vds)
    for (const Block& b : select_rows(s.db(), block_model(), adapter, "vd = ?1", {json(v.id)})) c.disks.insert(b.pd);
  return c;
}

void mark_disks(const Session& s, const std::set<uint16_t>& disks, bool foreign) {
  for (uint16_t pd : disks) {
    std::optional<Disk> d = select_by_id(s.db(), disk_model(), s.adapter_id(), pd);
    if (!d || d->foreign == foreign) continue;
    d->foreign = foreign;
    update_row(s.db(), disk_model(), s.adapter_id(), *d);
  }
}

}  // namespace

uint8_t import_vd(const Session& s, uint16_t id) {
  std::optional<Vd> vd = select_by_id(s.db(), vd_model(), s.adapter_id(), id);
  if (!vd) return kVdMissing;
  if (!importable(vd->state)) return kVdNotImportable;
  Configuration c = configuration_of(s, *vd);
  mark_disks(s, c.disks, false);
  for (Vd& v : c.vds) {
    if (!importable(v.state)) continue;
    const std::vector<uint8_t> missing = missing_slots(s, v);
    v.state = QX_VD_FUNCTIONAL;
    v.state = missing.empty() ? uint8_t{QX_VD_FUNCTIONAL_INITIALIZED} : state_with_missing(v, missing);
    update_row(s.db(), vd_model(), s.adapter_id(), v);
    log_vd_event(s, v, events::kVdImported, v.array_id);
  }
  return kOk;
}

void make_foreign(const Session& s, uint16_t id, uint8_t state) {
  if (state != QX_VD_IMPORTABLE_FOREIGN && state != QX_VD_NOT_IMPORTABLE_FOREIGN && state != QX_VD_CONFLICTED)
    throw ControlError("a foreign VD is importable, not importable or conflicted");
  std::optional<Vd> vd = select_by_id(s.db(), vd_model(), s.adapter_id(), id);
  if (!vd) throw ControlError("no VD " + std::to_string(id));
  Configuration c = configuration_of(s, *vd);
  mark_disks(s, c.disks, true);
  for (Vd& v : c.vds) {
    v.state = state;
    update_row(s.db(), vd_model(), s.adapter_id(), v);
  }
}

}  // namespace qx::sim
