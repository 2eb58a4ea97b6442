#include "sim/engine/faults.h"

#include "sim/store/table.h"

namespace qx::sim {

std::optional<Fault> find_fault(Db& db, const std::string& function, int adapter) {
  std::vector<Fault> rows = select_rows(db, fault_model(), kAnyAdapter,
                                        "function = ?1 AND (adapter = -1 OR adapter = ?2) AND remaining <> 0",
                                        {json(function), json(adapter)}, "id", 1);
  if (rows.empty()) return std::nullopt;
  return rows.front();
}

void spend_fault(Db& db, const Fault& fault) {
  if (!fault_is_limited(fault)) return;
  if (fault.remaining <= 1) {
    delete_row(db, fault_model(), kAnyAdapter, fault);
  } else {
    Fault spent = fault;
    --spent.remaining;
    update_row(db, fault_model(), kAnyAdapter, spent);
  }
}

}  // namespace qx::sim
