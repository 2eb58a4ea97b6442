// The host's view of the adapters: which VDs and disks its operating system
// shows, under which OS disk numbers, and the disk tree it keeps for them.
// While a host is presented, every committed change that alters the shown
// set renumbers (lowest free number, kept while shown) and rewrites the tree.
#ifndef QX_SIM_ENGINE_HOST_DISKS_H
#define QX_SIM_ENGINE_HOST_DISKS_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/engine/session.h"
#include "sim/model/host.h"
#include "sim/store/db.h"

namespace qx::sim {

// Starts presenting under `root` (an absolute path): numbers every shown
// object and writes the tree. Throws with the reason when the tree cannot
// be written.
void present_host(Db& db, int64_t now_ms, const std::string& root);
// Renumbers and rewrites the tree of the presented host; false when none is.
bool rescan_host(Db& db, int64_t now_ms);
// Stops presenting: the numbers go and the tree is removed.
void forget_host(Db& db);

// After a change, before it commits: when a host is presented and the shown
// set changed, renumbers and rewrites its tree. Costs one read when no host
// is presented. A tree that cannot be written is reported on standard error;
// the numbers stay right and `qxsim host rescan` writes it again.
void refresh_host(Db& db, int64_t now_ms);

// The OS disk number of a VD or PD of the session's adapter, if shown.
std::optional<uint32_t> host_number(const Session& s, HostDiskKind kind, uint16_t id);
// The VD of the session's adapter shown as OS disk `number`.
std::optional<uint16_t> vd_shown_as(const Session& s, uint32_t number);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_HOST_DISKS_H
