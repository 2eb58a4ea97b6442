#include "sim/engine/call.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <cstdio>
#include <exception>
#include <string>
#include <thread>
#include <vector>

#include "api/status.h"
#include "sim/engine/due_moments.h"
#include "sim/engine/clock.h"
#include "sim/engine/debug_dump.h"
#include "sim/engine/faults.h"
#include "sim/engine/host_disks.h"
#include "sim/store/read_memo.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

// What a call looks at before its body, whatever adapter it names: the
// simulated clock and the injected faults. Read-only calls share one reading
// while the state stays the same; the time itself is taken at each call, so
// a running clock runs on between calls that change nothing.
struct Basis {
  Clock clock;
  std::vector<Fault> faults;
};

// And for the adapter the call names: its record (none when it does not
// exist) and when the next thing happens on it by itself (a moment, not a
// span from now). Shared the same way, per adapter.
struct Prelude {
  std::optional<int64_t> next_due;
  std::optional<Adapter> adapter;
};

Prelude read_prelude(Db& db, int adapter, int64_t now_ms) {
  Prelude p;
  if (adapter >= 0) {
    p.adapter = select_by_id(db, adapter_model(), adapter, adapter);
    if (p.adapter) p.next_due = next_due_ms(Session(db, adapter, now_ms, &*p.adapter));
  }
  return p;
}

// Marks what a call reads, while the scope lasts, as shared with the calls
// that follow, as long as the state stays at `version` (none: not shared).
class MemoScope {
 public:
  MemoScope(Db& db, std::optional<uint64_t> version) : db_(db), on_(version.has_value()) {
    if (on_) db_.memo().begin_read(*version);
  }
  ~MemoScope() {
    if (on_) db_.memo().end_read();
  }
  MemoScope(const MemoScope&) = delete;
  MemoScope& operator=(const MemoScope&) = delete;

 private:
  Db& db_;
  bool on_;
};

// One attempt in a transaction of the given kind. Empty when the attempt
// found that it must write although it holds only a read transaction. A
// deferred read opens its transaction only if the memo cannot answer.
std::optional<uint8_t> attempt(Db& db, const char* function, int adapter, Transaction::Kind kind, bool defer,
                               const CallBody& body) {
  std::optional<Transaction> txn;
  std::optional<uint64_t> read_version;
  if (kind == Transaction::Kind::kRead && defer) {
    read_version = db.state_version();
    txn.emplace(db, *read_version);
  } else {
    txn.emplace(db, kind);
    // A call that may write looks at the clock, the faults and its adapter
    // through the memo as well: in its transaction it finds the version the
    // memo holds when nothing has been committed since the calls before it.
    read_version = db.state_version();
  }
  std::optional<MemoScope> memo(std::in_place, db, read_version);
  const bool can_write = kind == Transaction::Kind::kWrite;
  std::optional<Basis> basis_now;
  const Basis& basis = memoized_in_place(db, memo_key("call_basis", -1), basis_now,
                                         [&] { return Basis{read_clock(db), list_faults(db)}; });
  const int64_t now_ms = basis.clock.now_ms();
  std::optional<Prelude> read_now;
  const Prelude& prelude = memoized_in_place(db, memo_key("prelude", adapter), read_now,
                                             [&] { return read_prelude(db, adapter, now_ms); });
  // The rest of a call that may write reads the state itself: what it
  // changes must show in what it reads next.
  if (can_write) memo.reset();
  // What happens by itself reads the adapter afresh when first asked: it may
  // change the record.
  Session engine(db, adapter, now_ms, can_write || !prelude.adapter ? nullptr : &*prelude.adapter);

  // The engine's own changes (what happened by itself, spent faults) are
  // committed on their own, so that a failing body cannot undo them.
  bool engine_wrote = false;
  if (prelude.next_due && *prelude.next_due <= now_ms) {
    if (!can_write) return std::nullopt;
    bring_up_to_date(engine);
    refresh_host(db, now_ms);  // a completed activity may show or hide a disk
    engine_wrote = true;
  }
  if (std::optional<Fault> fault = find_fault(basis.faults, function, adapter)) {
    if (fault_is_limited(*fault)) {
      if (!can_write) return std::nullopt;
      spend_fault(db, *fault);
      engine_wrote = true;
    }
    if (engine_wrote) txn->commit();
    return fault->status;
  }
  if (engine_wrote) {
    txn->commit();
    txn.emplace(db, kind);
  }
  if (adapter >= 0 && !prelude.adapter) return kInvalidAdapterId;

  // The body sees the adapter as its call found it (read in this very
  // transaction), as it would on its first ask, unless the engine has changed
  // it since: then it reads the record when first asked.
  Session session(db, adapter, now_ms, engine_wrote || !prelude.adapter ? nullptr : &*prelude.adapter);
  uint8_t status = body(session);
  if ((status == kOk || session.keeps_changes()) && can_write) {
    refresh_host(db, now_ms);  // the host sees what the change shows or hides
    // The dump's own calls leave no message of themselves.
    if (prelude.adapter && prelude.adapter->dump_started && std::strncmp(function, "qx_dump_", 8) != 0)
      dump_call(session, function);
    txn->commit();
  }
  return status;
}

}  // namespace

uint8_t run_call(Db& db, const char* function, int adapter, Access access, const CallBody& body) {
  using std::chrono::steady_clock;
  Transaction::Kind kind = access == Access::kWrite ? Transaction::Kind::kWrite : Transaction::Kind::kRead;
  bool defer = true;
  // SQLite waits for a lock within one statement; some conflicts it answers
  // at once instead. Either way the call as a whole waits no longer than the
  // connection's busy timeout.
  const steady_clock::time_point deadline = steady_clock::now() + std::chrono::milliseconds(db.busy_timeout_ms());
  struct RestoreTimeout {
    Db& db;
    ~RestoreTimeout() { db.wait_at_most_ms(db.busy_timeout_ms()); }
  } restore{db};
  for (;;) {
    try {
      if (std::optional<uint8_t> status = attempt(db, function, adapter, kind, defer, body)) return *status;
      kind = Transaction::Kind::kWrite;  // the state must be brought up to date first
    } catch (const StateMoved&) {
      defer = false;  // another process committed meanwhile: start again, in a transaction from the start
    } catch (const DbError& e) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - steady_clock::now());
      if (e.busy() && left.count() > 0) {
        std::this_thread::sleep_for(std::min(left, std::chrono::milliseconds(5)));
        db.wait_at_most_ms(static_cast<int>(left.count()));
        continue;
      }
      std::fprintf(stderr, "qx_api: %s\n", e.about(db.path()).c_str());
      return kFailed;
    } catch (const std::exception& e) {
      std::fprintf(stderr, "qx_api: %s: %s\n", function, e.what());
      return kFailed;
    }
  }
}

}  // namespace qx::sim
