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
      : db_(db), adapter_id_(adapter), now_ms_(now_ms), adapter_(record) {}
  Db& db() const { return db_; }
  int adapter_id() const { return adapter_id_; }
  int64_t now_ms() const { return now_ms_; }
  // The adapter the call names (read once per call).
  const Adapter& adapter() const;

 private:
  Db& db_;
  int adapter_id_;
  int64_t now_ms_;
  mutable std::optional<Adapter> adapter_;
};

// The record of adapter `adapter`, shared by the calls of one read-only
// transaction; none when there is no such adapter.
std::optional<Adapter> adapter_record(Db& db, int adapter);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_SESSION_H
