#include "sim/engine/session.h"

#include "sim/store/read_memo.h"
#include "sim/store/table.h"

namespace qx::sim {

const Adapter& Session::adapter() const {
  if (adapter_ == nullptr)
    adapter_ = &memoized_in_place(db_, memo_key("adapter", adapter_id_), owned_,
                                  [&] { return select_by_id(db_, adapter_model(), adapter_id_, adapter_id_).value(); });
  return *adapter_;
}

}  // namespace qx::sim
