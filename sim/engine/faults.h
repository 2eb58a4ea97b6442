// Looking up and spending injected faults.
#ifndef QX_SIM_ENGINE_FAULTS_H
#define QX_SIM_ENGINE_FAULTS_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/model/fault.h"
#include "sim/store/db.h"

namespace qx::sim {

// Every fault, by id.
std::vector<Fault> list_faults(Db& db);

// The first fault of `faults` (by id) that applies to a call of `function`
// on `adapter` (-1 for calls that name no adapter).
std::optional<Fault> find_fault(const std::vector<Fault>& faults, std::string_view function, int adapter);

// Counts one use of a limited fault, removing it when it is spent. Needs a
// write transaction; does nothing for a fault that always applies.
void spend_fault(Db& db, const Fault& fault);

// Whether spending this fault changes the state.
inline bool fault_is_limited(const Fault& fault) {
  return fault.remaining != kAlways;
}

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_FAULTS_H
