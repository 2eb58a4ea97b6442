// Reading and writing adapter registers. Mailbox registers 0 to 15 take a
// written value after a simulated second, and refuse another write until
// then; the internal space is 4-byte aligned up to 0xFFC, its first eight
// registers the adapter's identity (read-only).
#ifndef QX_SIM_ENGINE_REGISTERS_H
#define QX_SIM_ENGINE_REGISTERS_H

#include <cstdint>

#include "api/records.h"
#include "sim/engine/session.h"

namespace qx::sim {

// The simulated time a mailbox write takes to be taken by the adapter.
inline constexpr int64_t kMailboxWriteMs = 1000;

// `type` is the call's register type: 0 mailbox, 1 internal, 255 (not
// given) internal. The request carries the value read or to write. Each
// answers the call's status.
uint8_t read_register(const Session& s, uint8_t type, uint32_t address, QX_REGISTER_REQUEST* request);
uint8_t write_register(const Session& s, uint8_t type, uint32_t address, const QX_REGISTER_REQUEST* request);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_REGISTERS_H
