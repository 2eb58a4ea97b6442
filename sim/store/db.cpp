#include "sim/store/db.h"

#include <cstdlib>
#include <cstring>

#include <sqlite3.h>

namespace qx::sim {

namespace {

bool debugging() {
  const char* debug = std::getenv("QX_SIM_DEBUG");
  return debug != nullptr && *debug != '\0' && std::strcmp(debug, "0") != 0;
}

[[noreturn]] void fail(sqlite3* db, int code, const std::string& doing) {
  std::string detail = doing + ": " + (db ? sqlite3_errmsg(db) : sqlite3_errstr(code));
  throw DbError(error_words(code, db ? sqlite3_system_errno(db) : 0, detail), code);
}

// QX_SIM_LOCK_WAIT_MS, when it is a number of milliseconds; else the default.
int lock_wait_ms() {
  const char* text = std::getenv("QX_SIM_LOCK_WAIT_MS");
  if (text == nullptr || *text == '\0') return kBusyTimeoutMs;
  char* end = nullptr;
  const long ms = std::strtol(text, &end, 10);
  if (*end != '\0' || ms < 0 || ms > 3600000) return kBusyTimeoutMs;
  return static_cast<int>(ms);
}

}  // namespace

std::string error_words(int code, int system_errno, const std::string& detail) {
  std::string words;
  switch (code & 0xFF) {
    case SQLITE_READONLY: words = "the state is read-only (its file or its directory cannot be written)"; break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: words = "the state is locked by another process"; break;
    case SQLITE_NOTADB: words = "not a state of this program (not a database)"; break;
    case SQLITE_CORRUPT: words = "the state is damaged"; break;
    case SQLITE_FULL: words = "the disk is full"; break;
    case SQLITE_PERM:
    case SQLITE_AUTH: words = "permission denied"; break;
    case SQLITE_CANTOPEN:
      words = std::string("the state cannot be opened") +
              (system_errno != 0 ? std::string(" (") + std::strerror(system_errno) + ")" : "");
      break;
    case SQLITE_IOERR:
      words = std::string("reading or writing the state failed") +
              (system_errno != 0 ? std::string(" (") + std::strerror(system_errno) + ")" : "");
      break;
    default: words = sqlite3_errstr(code); break;
  }
  if (debugging() && !detail.empty()) words += " [" + detail + "]";
  return words;
}

bool DbError::not_a_state() const {
  int primary = code_ & 0xFF;
  return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

std::string DbError::about(const std::string& file) const {
  if (busy()) return "the simulated controller's state " + file + " is locked by another process";
  return file + ": " + what();
}

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

Db::Db(const std::string& path, Mode mode) : path_(path), busy_timeout_ms_(lock_wait_ms()) {
  // Nothing here reads SQLite's memory statistics, and keeping them takes a
  // global lock and two counters on every allocation, thousands per run.
  // It can be set only before SQLite starts: later connections keep it.
  static const int no_memory_statistics = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
  (void)no_memory_statistics;
  int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
  if (mode == Mode::kCreate) flags |= SQLITE_OPEN_CREATE;
  int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
  if (rc != SQLITE_OK) {
    std::string detail = std::string("open: ") + (db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc));
    int system_errno = db_ ? sqlite3_system_errno(db_) : 0;
    sqlite3_close(db_);
    db_ = nullptr;
    throw DbError(error_words(rc, system_errno, detail), rc);
  }
  sqlite3_extended_result_codes(db_, 1);
  sqlite3_busy_timeout(db_, busy_timeout_ms_);
  // Keep the write-ahead log and its index when the last connection closes:
  // every qxcli run would otherwise create and delete both files again.
  int persist = 1;
  sqlite3_file_control(db_, "main", SQLITE_FCNTL_PERSIST_WAL, &persist);
}

Db::~Db() {
  for (auto& [sql, stmt] : statements_) sqlite3_finalize(stmt);
  // The last connection to close checkpoints the log into the state file,
  // which syncs the log, the directory and the file even when there is
  // nothing to copy: three syncs for every run that only read. A connection
  // that committed nothing leaves that to the next one that writes; what is
  // in the log is as safe there as in the file.
  if (own_commits_ == 0 && sqlite3_total_changes64(db_) == 0)
    sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
  sqlite3_close(db_);
}

void Db::wait_at_most_ms(int ms) {
  sqlite3_busy_timeout(db_, ms);
}

void Db::exec(const std::string& sql) {
  if (deferred_read_) open_deferred_read();
  char* message = nullptr;
  int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message);
  if (rc != SQLITE_OK) {
    std::string detail = "\"" + sql + "\": " + (message ? message : sqlite3_errstr(rc));
    sqlite3_free(message);
    throw DbError(error_words(rc, sqlite3_system_errno(db_), detail), rc);
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
  // connection's own commits are counted here. Every call asks, so the
  // statement is kept at hand rather than looked up by its text.
  if (deferred_read_) open_deferred_read();
  // Asking SQLite takes and drops a read lock. Outside a transaction, a log
  // index header unchanged since the last time says no one has committed
  // since: the answer is the same. The header is taken before SQLite is
  // asked, so a commit in between shows as a change next time.
  const bool outside = sqlite3_get_autocommit(db_) != 0;
  std::optional<WalIndexHeader> header;
  if (outside && log_index_) {
    header = log_index_->header();
    if (header && header == known_header_) return (known_data_version_ << 32) ^ own_commits_;
  }
  if (data_version_ == nullptr) {
    static const std::string kDataVersion = "PRAGMA data_version";
    prepare(kDataVersion);
    data_version_ = statements_.at(kDataVersion);
  }
  uint64_t data_version = 0;
  {
    Stmt stmt(db_, data_version_);
    stmt.step();
    data_version = static_cast<uint64_t>(stmt.column_int(0));
  }
  if (outside) {
    known_header_ = header;
    known_data_version_ = data_version;
    // The journal mode is known once the state has been read.
    if (!journal_mode_known_) {
      journal_mode_known_ = true;
      Stmt mode = prepare("PRAGMA journal_mode");
      if (mode.step() && mode.column_text(0) == "wal") log_index_.emplace(db_);
    }
  }
  return (data_version << 32) ^ own_commits_;
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
