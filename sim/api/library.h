// The library's process-wide connection to the state, and the entry every
// exported function goes through.
#ifndef QX_SIM_API_LIBRARY_H
#define QX_SIM_API_LIBRARY_H

#include <cstdint>

#include "sim/engine/call.h"
#include "sim/engine/call_registry.h"

namespace qx::sim {

// Runs one exported call (see run_call) under its name and access in the
// call registry; answers 1 when the library is not initialized.
uint8_t api_call(Call call, int adapter, const CallBody& body);
// The same with the access given here: for a call that changes the state
// on some uses only (most pages of a flash transfer change nothing).
uint8_t api_call(Call call, int adapter, Access access, const CallBody& body);

}  // namespace qx::sim

#endif  // QX_SIM_API_LIBRARY_H
