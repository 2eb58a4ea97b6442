// The library's process-wide connection to the state, and the entry every
// exported function goes through.
#ifndef QX_SIM_API_LIBRARY_H
#define QX_SIM_API_LIBRARY_H

#include <cstdint>

#include "sim/engine/call.h"

namespace qx::sim {

// Runs one exported call (see run_call); answers 1 when the library is not
// initialized.
uint8_t api_call(const char* function, int adapter, Access access, const CallBody& body);

}  // namespace qx::sim

#endif  // QX_SIM_API_LIBRARY_H
