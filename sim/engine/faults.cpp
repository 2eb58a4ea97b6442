#include "sim/engine/faults.h"

#include "sim/store/read_memo.h"
#include "sim/store/table.h"

namespace qx::sim {

std::optional<Fault> find_fault(Db& db, std::string_view function, int adapter) {
  // Every call looks for a fault; read-only calls share one read of the
  // (short) list while the state stays the same.
  static const std::string kKey = "faults";
  return with_memoized<std::vector<Fault>>(
      db, kKey, [&] { return select_rows(db, fault_model(), kAnyAdapter, "1", {}, "id"); },
      [&](const std::vector<Fault>& faults) -> std::optional<Fault> {
        for (const Fault& f : faults)
          if (f.function == function && (f.adapter == kAnyAdapter || f.adapter == adapter) && f.remaining != 0)
            return f;
        return std::nullopt;
      });
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
