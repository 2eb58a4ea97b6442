// How every library call runs: as one transaction on the state, after the
// activities of its adapter are brought up to the current simulated time and
// after injected faults have had their say.
#ifndef QX_SIM_ENGINE_CALL_H
#define QX_SIM_ENGINE_CALL_H

#include <cstdint>
#include <functional>

#include "sim/engine/session.h"
#include "sim/store/db.h"

namespace qx::sim {

// How a call uses the state: reading, changing, or not at all (a call that
// answers without it never runs through run_call).
enum class Access { kRead, kWrite, kNone };

using CallBody = std::function<uint8_t(Session&)>;

// Runs `body` for the call `function` on `adapter` (-1 for calls that name
// none). A changing call (kWrite) takes the write lock for its whole run and
// commits only when the body answers 0 (or keeps its changes with another
// answer: Session::keep_changes()); a reading call sees one consistent
// snapshot. An adapter that does not exist answers 13. Internal failures are
// reported on standard error and answer 1.
uint8_t run_call(Db& db, const char* function, int adapter, Access access, const CallBody& body);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_CALL_H
