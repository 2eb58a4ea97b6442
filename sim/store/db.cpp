#include "sim/store/db.h"

#include <sqlite3.h>

namespace qx::sim {

namespace {
[[noreturn]] void fail(sqlite3* db, int code, const std::string& doing) {
  std::string message = doing + ": " + (db ? sqlite3_errmsg(db) : sqlite3_errstr(code));
  throw DbError(message, code);
}
}  // namespace

Stmt::~Stmt() {
  if (stmt_) sqlite3_reset(stmt_);
}

bool DbError::busy() const {
  int primary = code_ & 0xFF;
  return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

Stmt& Stmt::bind(int index, int64_t value) {
  int rc = sqlite3_bind_int64(stmt_, index, value);
  if (rc != SQLITE_OK) fail(db_, rc, "bind");
  return *this;
}

Stmt& Stmt::bind(int index, const std::string& value) {
  int rc = sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
  if (rc != SQLITE_OK) fail(db_, rc, "bind");
  return *this;
}

Stmt& Stmt::bind_null(int index) {
  int rc = sqlite3_bind_null(stmt_, index);
  if (rc != SQLITE_OK) fail(db_, rc, "bind");
  return *this;
}

Stmt& Stmt::bind_json(int index, const nlohmann::ordered_json& value) {
  if (value.is_boolean()) return bind(index, int64_t{value.get<bool>() ? 1 : 0});
  if (value.is_number_unsigned()) return bind(index, static_cast<int64_t>(value.get<uint64_t>()));
  if (value.is_number_integer()) return bind(index, value.get<int64_t>());
  if (value.is_string()) return bind(index, value.get<std::string>());
  if (value.is_null()) return bind_null(index);
  return bind(index, value.dump());
}

bool Stmt::step() {
  int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  fail(db_, rc, std::string("query \"") + sqlite3_sql(stmt_) + "\"");
}

void Stmt::run() {
  while (step()) {
  }
}

int64_t Stmt::column_int(int index) const {
  return sqlite3_column_int64(stmt_, index);
}

std::string Stmt::column_text(int index) const {
  const unsigned char* text = sqlite3_column_text(stmt_, index);
  if (!text) return {};
  return std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(sqlite3_column_bytes(stmt_, index)));
}

bool Stmt::column_null(int index) const {
  return sqlite3_column_type(stmt_, index) == SQLITE_NULL;
}

int Stmt::column_count() const {
  return sqlite3_column_count(stmt_);
}

void Stmt::reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

Db::Db(const std::string& path, Mode mode) : path_(path) {
  int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
  if (mode == Mode::kCreate) flags |= SQLITE_OPEN_CREATE;
  int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
  if (rc != SQLITE_OK) {
    std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
    sqlite3_close(db_);
    db_ = nullptr;
    throw DbError(message, rc);
  }
  sqlite3_extended_result_codes(db_, 1);
  sqlite3_busy_timeout(db_, 30000);
  // Keep the write-ahead log and its index when the last connection closes:
  // every qxcli run would otherwise create and delete both files again.
  int persist = 1;
  sqlite3_file_control(db_, "main", SQLITE_FCNTL_PERSIST_WAL, &persist);
}

Db::~Db() {
  for (auto& [sql, stmt] : statements_) sqlite3_finalize(stmt);
  sqlite3_close(db_);
}

void Db::exec(const std::string& sql) {
  if (deferred_read_) open_deferred_read();
  char* message = nullptr;
  int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message);
  if (rc != SQLITE_OK) {
    std::string text = message ? message : sqlite3_errstr(rc);
    sqlite3_free(message);
    throw DbError(text, rc);
  }
}

Stmt Db::prepare(const std::string& sql) {
  if (deferred_read_) open_deferred_read();
  auto it = statements_.find(sql);
  if (it == statements_.end()) {
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v3(db_, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    if (rc != SQLITE_OK) fail(db_, rc, "prepare \"" + sql + "\"");
    it = statements_.emplace(sql, stmt).first;
  }
  Stmt stmt(db_, it->second);
  stmt.reset();
  return stmt;
}

int64_t Db::changes() const {
  return sqlite3_changes64(db_);
}

uint64_t Db::state_version() {
  // SQLite's data version counts the commits of other connections; this
  // connection's own commits are counted here.
  static const std::string kDataVersion = "PRAGMA data_version";
  Stmt stmt = prepare(kDataVersion);
  stmt.step();
  return (static_cast<uint64_t>(stmt.column_int(0)) << 32) ^ own_commits_;
}

void Db::open_deferred_read() {
  const uint64_t expected = *deferred_read_;
  deferred_read_.reset();
  prepare("BEGIN").run();
  // The version is read again inside the transaction: a commit between the
  // first look and BEGIN is seen here.
  if (state_version() != expected) throw StateMoved();
}

// The transaction statements are prepared once per connection, like every
// other statement: a call of the library runs one transaction.
Transaction::Transaction(Db& db, Kind kind) : db_(db), kind_(kind) {
  db_.prepare(kind == Kind::kWrite ? "BEGIN IMMEDIATE" : "BEGIN").run();
}

Transaction::Transaction(Db& db, uint64_t version) : db_(db), kind_(Kind::kRead), deferred_(true) {
  db_.deferred_read_ = version;
}

bool Transaction::never_opened() {
  if (!deferred_ || !db_.deferred_read_) return false;
  db_.deferred_read_.reset();
  open_ = false;
  return true;
}

Transaction::~Transaction() {
  if (never_opened()) return;
  if (open_) {
    try {
      db_.prepare("ROLLBACK").run();
    } catch (const DbError&) {
      // Nothing more can be done in a destructor; SQLite rolls back on close.
    }
  }
}

void Transaction::commit() {
  if (never_opened()) return;
  db_.prepare("COMMIT").run();
  open_ = false;
  if (kind_ == Kind::kWrite) ++db_.own_commits_;
}

void Transaction::rollback() {
  if (never_opened()) return;
  db_.prepare("ROLLBACK").run();
  open_ = false;
}

}  // namespace qx::sim
