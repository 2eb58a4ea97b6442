#include "sim/store/state_dir.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/files.h"
#include "sim/scenario/scenario.h"
#include "sim/store/schema.h"

namespace qx::sim {

namespace {

namespace fs = std::filesystem;

void make_directory(const std::string& directory) {
  std::error_code ec;
  fs::create_directories(directory, ec);
  if (ec) throw StateError(directory + ": cannot create the state directory: " + ec.message());
}

// Builds a complete state from `scenario` in a new file at `path`.
void build_state_file(const std::string& path, const nlohmann::ordered_json& scenario) {
  Db db(path, Db::Mode::kCreate);
  db.exec("PRAGMA journal_mode = WAL");
  Transaction txn(db, Transaction::Kind::kWrite);
  create_schema(db);
  load_scenario(db, scenario);
  txn.commit();
}

void remove_state_files(const std::string& file) {
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) std::remove((file + suffix).c_str());
}

std::unique_ptr<Db> open_checked(const std::string& file) {
  std::unique_ptr<Db> db;
  try {
    db = std::make_unique<Db>(file, Db::Mode::kOpenExisting);
    std::string problem = check_schema(*db);
    if (!problem.empty()) throw StateError(file + ": " + problem);
  } catch (const DbError& e) {
    throw StateError(file + ": " + e.what());
  }
  return db;
}

}  // namespace

std::string state_directory() {
  if (const char* home = std::getenv("QX_SIM_HOME"); home && *home) return home;
  if (const char* xdg = std::getenv("XDG_STATE_HOME"); xdg && *xdg) return std::string(xdg) + "/qxraid";
  if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/.local/state/qxraid";
  return ".qxraid";
}

std::string state_file(const std::string& directory) {
  return directory + "/state.db";
}

std::unique_ptr<Db> open_state(const std::string& directory) {
  std::string file = state_file(directory);
  struct stat st;
  if (::stat(file.c_str(), &st) != 0) {
    if (errno != ENOENT) throw StateError(file + ": " + std::strerror(errno));
    make_directory(directory);
    // Build the first state aside and put it in place without replacing a
    // file, so when several processes start at once, one state wins and the
    // others open it.
    std::string temp = file + ".new." + std::to_string(platform::process_id());
    try {
      build_state_file(temp, read_scenario("default"));
    } catch (const std::exception& e) {
      remove_state_files(temp);
      throw StateError(file + ": cannot create the first state: " + e.what());
    }
    int placed = platform::place_new_file(temp, file);
    remove_state_files(temp);
    if (placed != 0 && placed != EEXIST)
      throw StateError(file + ": cannot create the first state: " + std::strerror(placed));
  }
  return open_checked(file);
}

void init_state(const std::string& directory, const std::string& scenario_name, bool replace) {
  nlohmann::ordered_json scenario = read_scenario(scenario_name);
  std::string file = state_file(directory);
  make_directory(directory);
  std::error_code exists_error;
  if (fs::exists(file, exists_error)) {
    if (!replace) throw StateError(file + ": a state already exists (use --force to replace it)");
    std::unique_ptr<Db> db;
    try {
      db = open_checked(file);
    } catch (const StateError&) {
      // Not a state this build can use: start afresh.
      remove_state_files(file);
    }
    if (db) {
      // Replace the contents in one transaction, so that processes that have
      // the state open see either the old or the new state.
      Transaction txn(*db, Transaction::Kind::kWrite);
      load_scenario(*db, scenario);
      txn.commit();
      return;
    }
  }
  std::string temp = file + ".new." + std::to_string(platform::process_id());
  try {
    build_state_file(temp, scenario);
  } catch (...) {
    remove_state_files(temp);
    throw;
  }
  int placed = platform::place_new_file(temp, file);
  remove_state_files(temp);
  if (placed != 0) throw StateError(file + ": cannot create the state: " + std::strerror(placed));
}

}  // namespace qx::sim
