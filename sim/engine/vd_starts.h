// Starting the background activities of a VD: initialization, consistency
// check (a fix or a check only), and what every start has in common.
#ifndef QX_SIM_ENGINE_VD_STARTS_H
#define QX_SIM_ENGINE_VD_STARTS_H

#include <cstdint>
#include <optional>

#include "sim/engine/session.h"
#include "sim/model/activity.h"
#include "sim/model/vd.h"

namespace qx::sim {

// The checks every start on a VD makes first, in order: the VD is listed
// (59), the adapter has the activity's feature bit (19), nothing is active
// on it (61; an aborted or interrupted record does not count). Answers 0 and
// fills `vd`, or the status.
uint8_t check_vd_start(const Session& s, uint16_t id, uint8_t feature_bit, Vd& vd);

// Starts `kind` on `vd` for `duration_s`: drops the record of an ended
// activity, stops the media patrols of the member disks and logs the start.
void begin_vd_activity(const Session& s, const Vd& vd, ActivityKind kind, int64_t duration_s);

// QX_LD_StartINIT: mode 2 only (7); a redundant level (19); a functional VD
// (85); not the VD of the running operating system (158). The full
// initialization erases the members' file systems.
uint8_t start_init(const Session& s, uint16_t vd, uint8_t mode);

// QX_LD_StartConsistencyCheck: fix 1 synchronizes, 0 only checks (else 7); a
// redundant level (19); a functional VD (85).
uint8_t start_consistency_check(const Session& s, uint16_t vd, uint8_t fix);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_VD_STARTS_H
