// The messages waiting in an adapter's debug-message dump, oldest first.
// Kept in the database only: a scenario starts with the dump empty.
#ifndef QX_SIM_MODEL_DUMP_H
#define QX_SIM_MODEL_DUMP_H

#include <cstdint>
#include <string>

#include "sim/model/field.h"

namespace qx::sim {

// The longest message, without its NUL: what fits a chunk of the dump.
inline constexpr size_t kDumpMessageMax = 4087;

struct DumpMessage {
  uint32_t seq = 0;
  std::string text;
};

const Model<DumpMessage>& dump_message_model();

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_DUMP_H
