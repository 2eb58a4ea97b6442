#include "sim/engine/faults.h"

#include "sim/store/table.h"

namespace qx::sim {

std::vector<Fault> list_faults(Db& db) { return select_rows(db, fault_model(), kAnyAdapter, "1", {}, "id"); }

std::optional<Fault> find_fault(const std::vector<Fault>& faults, std::string_view function, int adapter) {
  for (const Fault& f : faults)
    if (f.function == function && (f.adapter == kAnyAdapter || f.adapter == adapter) && f.remaining != 0) return f;
  return std::nullopt;
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
