// Adapter registers written through the library: mailbox registers and the
// internal register space. A register never written reads as 0, except the
// read-only identity registers, which the adapter's own fields answer.
#ifndef QX_SIM_MODEL_REGISTER_H
#define QX_SIM_MODEL_REGISTER_H

#include <cstdint>

#include "sim/model/field.h"

namespace qx::sim {

inline constexpr uint32_t kMailboxRegisters = 16;
inline constexpr uint32_t kLastInternalRegister = 0xFFC;
inline constexpr uint32_t kFirstWritableRegister = 0x20;  // below: the adapter's identity, read-only

enum class RegisterSpace : uint8_t { kMailbox, kInternal };

struct RegisterValue {
  RegisterSpace space = RegisterSpace::kInternal;
  uint32_t address = 0;
  uint32_t value = 0;
  int64_t written_ms = 0;  // simulated time of the last write
};

const Model<RegisterValue>& register_model();

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_REGISTER_H
