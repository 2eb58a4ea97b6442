// A thin RAII layer over SQLite: one connection, prepared statements kept per
// SQL text, and errors turned into exceptions that say in words what is wrong
// (SQLite's own message and the statement only when QX_SIM_DEBUG is set).
#ifndef QX_SIM_STORE_DB_H
#define QX_SIM_STORE_DB_H

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <unordered_map>

#include <nlohmann/json.hpp>

#include "sim/store/read_memo.h"
#include "sim/store/wal_index.h"

struct sqlite3;
struct sqlite3_stmt;

namespace qx::sim {

// A deferred read transaction found, once open, another version of the state
// than the one the call had started to answer from: the call must start again.
class StateMoved : public std::runtime_error {
 public:
  StateMoved() : std::runtime_error("the state changed while a read-only call started") {}
};

// How long a connection waits for a lock another process holds, in all,
// unless QX_SIM_LOCK_WAIT_MS gives another number of milliseconds.
inline constexpr int kBusyTimeoutMs = 30000;

class DbError : public std::runtime_error {
 public:
  DbError(const std::string& what, int code) : std::runtime_error(what), code_(code) {}
  int code() const { return code_; }
  bool busy() const;         // the database was locked by another process too long
  bool not_a_state() const;  // the file is not a database, or a damaged one
  // One line for the user about the state in `file`.
  std::string about(const std::string& file) const;

 private:
  int code_;
};

// What SQLite's result `code` means to a user of the state, in words.
// `detail` (SQLite's message, the statement) is added only under QX_SIM_DEBUG.
std::string error_words(int code, int system_errno, const std::string& detail);

// A use of a prepared statement. It is reset when the use ends, so a
// statement left half-read never holds the database.
class Stmt {
 public:
  Stmt(sqlite3* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}
  ~Stmt();
  Stmt(Stmt&& other) noexcept : db_(other.db_), stmt_(other.stmt_) { other.stmt_ = nullptr; }
  Stmt(const Stmt&) = delete;
  Stmt& operator=(const Stmt&) = delete;
  Stmt& operator=(Stmt&&) = delete;
  // Parameters are numbered from 1, as in SQLite.
  Stmt& bind(int index, int64_t value);
  Stmt& bind(int index, const std::string& value);
  Stmt& bind_null(int index);
  Stmt& bind_json(int index, const nlohmann::ordered_json& value);  // numbers and booleans as integers, else text
  bool step();                                                      // true while a row is available
  void run();                                                       // steps to the end, expecting no rows
  int64_t column_int(int index) const;
  std::string column_text(int index) const;
  bool column_null(int index) const;
  int column_count() const;
  void reset();

 private:
  sqlite3* db_;
  sqlite3_stmt* stmt_;
};

class Db {
 public:
  enum class Mode { kOpenExisting, kCreate };
  Db(const std::string& path, Mode mode);
  ~Db();
  Db(const Db&) = delete;
  Db& operator=(const Db&) = delete;

  void exec(const std::string& sql);
  // A prepared statement for `sql`, reset and with its bindings cleared; the
  // connection keeps it for later calls with the same text.
  Stmt prepare(const std::string& sql);
  const std::string& path() const { return path_; }
  int64_t changes() const;
  // How long a call waits for another process's lock (kBusyTimeoutMs, or
  // QX_SIM_LOCK_WAIT_MS when the connection was opened).
  int busy_timeout_ms() const { return busy_timeout_ms_; }
  // Waits this long at most, for the statements that follow, without
  // changing busy_timeout_ms().
  void wait_at_most_ms(int ms);

  // The version of the state this connection sees in its current
  // transaction: it changes with every commit, by this connection or by
  // another one.
  uint64_t state_version();
  ReadMemo& memo() { return memo_; }

 private:
  friend class Transaction;
  void open_deferred_read();
  sqlite3* db_ = nullptr;
  // The version a deferred read transaction must find when its first
  // statement opens it; empty when none is waiting.
  std::optional<uint64_t> deferred_read_;
  std::string path_;
  std::unordered_map<std::string, sqlite3_stmt*> statements_;
  sqlite3_stmt* data_version_ = nullptr;  // one of statements_
  // The log index's header as it was just before the last look at the
  // version outside a transaction, and SQLite's data version that look
  // found; unused until the state is known to be in write-ahead log mode.
  bool journal_mode_known_ = false;
  std::optional<WalIndex> log_index_;
  std::optional<WalIndexHeader> known_header_;
  uint64_t known_data_version_ = 0;
  uint64_t own_commits_ = 0;
  int busy_timeout_ms_;
  ReadMemo memo_;
};

// One transaction; rolled back unless committed.
class Transaction {
 public:
  enum class Kind { kRead, kWrite };
  Transaction(Db& db, Kind kind);
  // A read transaction opened by the first statement that needs it, after a
  // look at the state's version (`version`, from state_version() taken
  // outside any transaction). A read-only call that its memo answers whole
  // then runs no transaction at all; one that does read finds the state
  // still at `version`, or StateMoved is thrown from that statement, since
  // what the call took from the memo may be older than what it would read.
  Transaction(Db& db, uint64_t version);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void commit();
  void rollback();
  Kind kind() const { return kind_; }

 private:
  // A deferred transaction that no statement opened ends with nothing to do.
  bool never_opened();
  Db& db_;
  Kind kind_;
  bool open_ = true;
  bool deferred_ = false;
};

}  // namespace qx::sim

#endif  // QX_SIM_STORE_DB_H
