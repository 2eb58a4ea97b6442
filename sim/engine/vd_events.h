// The VD events an adapter logs, with the marks the log's readers rely on:
// parameter 3 set to 1 for a hybrid-tier VD, and the deleted VD's name in the
// parameters of its "deleted" event.
#ifndef QX_SIM_ENGINE_VD_EVENTS_H
#define QX_SIM_ENGINE_VD_EVENTS_H

#include <cstdint>

#include "api/event_catalogue.h"
#include "sim/engine/session.h"
#include "sim/model/event.h"
#include "sim/model/vd.h"

namespace qx::sim {

// Logs VD event `kind` about `vd`. Every VD event goes through here, so that
// each carries the marks.
void log_vd_event(const Session& s, const Vd& vd, const EventKind& kind);

// The same with parameter 0 set (the array of an imported VD).
void log_vd_event(const Session& s, const Vd& vd, const EventKind& kind, uint32_t param0);

// Logs the "deleted" event of `vd`, carrying its name.
void log_vd_deleted(const Session& s, const Vd& vd);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_VD_EVENTS_H
