// Injected failures: a QX_ call that answers a chosen status instead of
// doing its work.
#ifndef QX_SIM_MODEL_FAULT_H
#define QX_SIM_MODEL_FAULT_H

#include <cstdint>
#include <string>

#include "sim/model/field.h"

namespace qx::sim {

inline constexpr int kAnyAdapter = -1;
inline constexpr int64_t kAlways = -1;

struct Fault {
  uint32_t id = 0;
  std::string function;          // QX_ function name
  int8_t adapter = kAnyAdapter;  // adapter id the call names, or kAnyAdapter
  uint8_t status = 1;
  int64_t remaining = kAlways;  // calls still to fail; kAlways = every call
};

const Model<Fault>& fault_model();

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_FAULT_H
