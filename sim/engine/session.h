// What a library call's body, and every engine function it calls, works
// with: the state, the adapter the call names and the simulated time of the
// call.
#ifndef QX_SIM_ENGINE_SESSION_H
#define QX_SIM_ENGINE_SESSION_H

#include <cstdint>
#include <optional>

#include "sim/model/adapter.h"
#include "sim/store/db.h"

namespace qx::sim {

class Session {
 public:
  Session(Db& db, int adapter, int64_t now_ms) : db_(db), adapter_id_(adapter), now_ms_(now_ms) {}
  // With the adapter's record already in hand (it is not read again).
  Session(Db& db, int adapter, int64_t now_ms, const Adapter& record)
      : db_(db), adapter_id_(adapter), now_ms_(now_ms), owned_(record), adapter_(&*owned_) {}
  // With the adapter's record kept elsewhere for the whole call (null: read
  // when first asked for).
  Session(Db& db, int adapter, int64_t now_ms, const Adapter* kept)
      : db_(db), adapter_id_(adapter), now_ms_(now_ms), adapter_(kept) {}
  // It may point into itself.
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  Db& db() const { return db_; }
  int adapter_id() const { return adapter_id_; }
  int64_t now_ms() const { return now_ms_; }
  // The adapter the call names, read once per call. In a read-only call it
  // is the record the calls share, not a copy.
  const Adapter& adapter() const;
  // A changing call commits only when it answers 0, unless its body asks to
  // keep its changes: its answer then reports how an action ended (a
  // pass-through command that ended in a check condition), or a refusal
  // leaves the adapter's own trace (the event of a refused flash update)
  // and changes nothing else.
  void keep_changes() const { keep_changes_ = true; }
  bool keeps_changes() const { return keep_changes_; }

 private:
  Db& db_;
  int adapter_id_;
  int64_t now_ms_;
  mutable std::optional<Adapter> owned_;      // read by this call alone
  mutable const Adapter* adapter_ = nullptr;  // owned_, or the shared record
  mutable bool keep_changes_ = false;
};

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_SESSION_H
