#include "sim/engine/vd_events.h"

#include <algorithm>
#include <cstring>

#include "sim/engine/capacity.h"
#include "sim/engine/events.h"

namespace qx::sim {

namespace {

NewEvent vd_event(const Vd& vd, const EventKind& kind) {
  NewEvent e(kind, vd.id);
  if (is_tier_level(vd.raid_level)) e.params[3] = QX_EVT_TIER_VD;
  return e;
}

}  // namespace

void log_vd_event(const Session& s, const Vd& vd, const EventKind& kind) {
  log_event(s, vd_event(vd, kind));
}

void log_vd_event(const Session& s, const Vd& vd, const EventKind& kind, uint32_t param0) {
  NewEvent e = vd_event(vd, kind);
  e.params[0] = param0;
  log_event(s, e);
}

void log_vd_deleted(const Session& s, const Vd& vd) {
  NewEvent e = vd_event(vd, events::kVdDeleted);
  // The name fills the four parameters; a reader takes them as the name when
  // the first is not 0. A name that ends before the last parameter leaves
  // room for the tier mark.
  const bool tier_mark = e.params[3] != 0 && vd.name.size() < 3 * sizeof(uint32_t);
  char name[sizeof e.params] = {};
  std::memcpy(name, vd.name.data(), std::min(vd.name.size(), sizeof name));
  std::memcpy(e.params.data(), name, sizeof name);
  if (tier_mark) e.params[3] = QX_EVT_TIER_VD;
  log_event(s, e);
}

}  // namespace qx::sim
