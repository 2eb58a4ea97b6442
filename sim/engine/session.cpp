#include "sim/engine/session.h"

#include "sim/store/read_memo.h"
#include "sim/store/table.h"

namespace qx::sim {

std::optional<Adapter> adapter_record(Db& db, int adapter) {
  return memoized<std::optional<Adapter>>(db, memo_key("adapter", adapter),
                                          [&] { return select_by_id(db, adapter_model(), adapter, adapter); });
}

const Adapter& Session::adapter() const {
  if (!adapter_) adapter_ = adapter_record(db_, adapter_id_).value();
  return *adapter_;
}

}  // namespace qx::sim
