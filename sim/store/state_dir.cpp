#include "sim/store/state_dir.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#if !defined(_WIN32)
#include <pwd.h>
#endif

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <vector>

#include "platform/files.h"
#include "sim/engine/image_files.h"
#include "sim/scenario/scenario.h"
#include "sim/store/schema.h"

namespace qx::sim {

namespace {

namespace fs = std::filesystem;

constexpr const char* kTempMark = ".new.";

// A temporary state left by a process that was killed while building it is
// removed by the next process that builds one, once it is this old.
constexpr std::chrono::minutes kStaleTempAge{10};

void make_directory(const std::string& directory) {
  std::error_code ec;
  fs::create_directories(directory, ec);
  if (ec) throw StateError(directory + ": cannot create the state directory: " + ec.message());
}

void remove_state_files(const std::string& file) {
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) std::remove((file + suffix).c_str());
}

// Removes the temporary states beside `file` that nobody has touched for
// kStaleTempAge; a younger one may be another process's work in progress.
void clear_stale_temps(const std::string& file) {
  const fs::path path(file);
  const std::string prefix = path.filename().string() + kTempMark;
  std::error_code ec;
  const auto now = fs::file_time_type::clock::now();
  fs::path directory = path.parent_path();
  if (directory.empty()) directory = ".";
  std::vector<fs::path> stale;
  for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.rfind(prefix, 0) != 0) continue;
    std::error_code time_ec;
    const auto written = fs::last_write_time(it->path(), time_ec);
    if (!time_ec && now - written > kStaleTempAge) stale.push_back(it->path());
  }
  for (const fs::path& p : stale) fs::remove(p, ec);
}

// Creates an empty file beside `file` under a name no other process uses,
// and returns the name.
std::string create_temp(const std::string& file) {
  std::random_device entropy;
  for (int tries = 0; tries < 100; ++tries) {
    const std::string name =
        file + kTempMark + std::to_string(platform::process_id()) + "." + std::to_string(entropy());
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd >= 0) {
      ::close(fd);
      return name;
    }
    if (errno != EEXIST)
      throw StateError(file + ": cannot create a new state in its directory: " + std::strerror(errno));
  }
  throw StateError(file + ": cannot find a free temporary name beside it");
}

// Builds a complete state from `scenario` at a temporary name and puts it in
// place as `file`, never replacing a file: when another process got there
// first, its state stays (`exists_ok`) or this is refused.
void build_and_place(const std::string& file, const nlohmann::ordered_json& scenario, bool exists_ok,
                    const std::string& what) {
  clear_stale_temps(file);
  const std::string temp = create_temp(file);
  try {
    Db db(temp, Db::Mode::kOpenExisting);
    db.exec("PRAGMA journal_mode = WAL");
    Transaction txn(db, Transaction::Kind::kWrite);
    create_schema(db);
    load_scenario(db, scenario);
    txn.commit();
  } catch (const DbError& e) {
    remove_state_files(temp);
    throw StateError(file + ": cannot create " + what + ": " + e.what());
  } catch (...) {
    remove_state_files(temp);
    throw;
  }
  const int placed = platform::place_new_file(temp, file);
  remove_state_files(temp);
  if (placed != 0 && !(exists_ok && placed == EEXIST))
    throw StateError(file + ": cannot create " + what + ": " + std::strerror(placed));
}

enum class Found { kNothing, kState, kNotOurs };

// What is at `file`: nothing, a state of ours (opened into `db`), or a file
// that is not one (`problem` says why, where the file is a database).
// Anything else (a directory, a locked or unreadable state) is refused with
// a message naming the file.
Found look_at(const std::string& file, std::unique_ptr<Db>& db, std::string& problem) {
  struct stat st;
  if (::stat(file.c_str(), &st) != 0) {
    if (errno == ENOENT) return Found::kNothing;
    throw StateError(file + ": " + std::strerror(errno));
  }
  if (!S_ISREG(st.st_mode)) throw StateError(file + ": not a regular file, so not a state; it is left alone");
  try {
    db = std::make_unique<Db>(file, Db::Mode::kOpenExisting);
    problem = check_schema(*db);
    if (problem.empty()) return Found::kState;
    db.reset();
    return Found::kNotOurs;
  } catch (const DbError& e) {
    db.reset();
    if (e.not_a_state()) return Found::kNotOurs;
    throw StateError(e.about(file));
  }
}

std::unique_ptr<Db> open_checked(const std::string& file) {
  std::unique_ptr<Db> db;
  try {
    db = std::make_unique<Db>(file, Db::Mode::kOpenExisting);
    std::string problem = check_schema(*db);
    if (!problem.empty()) throw StateError(file + ": " + problem);
  } catch (const DbError& e) {
    throw StateError(e.about(file));
  }
  return db;
}

bool absolute(const char* path) {
  return path != nullptr && *path != '\0' && fs::path(path).is_absolute();
}

// The home directory the system's user database gives the user running us.
std::string account_home() {
#if defined(_WIN32)
  const char* profile = std::getenv("USERPROFILE");
  return profile != nullptr ? profile : "";
#else
  long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
  struct passwd entry;
  struct passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) return "";
  return found->pw_dir != nullptr ? found->pw_dir : "";
#endif
}

}  // namespace

std::string choose_state_directory(const char* qx_sim_home, const char* xdg_state_home, const char* home,
                                   const std::function<std::string()>& account_home_of_user) {
  if (qx_sim_home != nullptr && *qx_sim_home != '\0') return qx_sim_home;
  if (absolute(xdg_state_home)) return std::string(xdg_state_home) + "/qxraid";
  if (absolute(home)) return std::string(home) + "/.local/state/qxraid";
  const std::string account = account_home_of_user();
  if (absolute(account.c_str())) return account + "/.local/state/qxraid";
  throw StateError(
      "no directory for the simulated controller's state: set QX_SIM_HOME, XDG_STATE_HOME or HOME to an "
      "absolute path");
}

std::string state_directory() {
  return choose_state_directory(std::getenv("QX_SIM_HOME"), std::getenv("XDG_STATE_HOME"), std::getenv("HOME"),
                                account_home);
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
    // When several processes start at once, one state wins and the others
    // open it.
    build_and_place(file, read_scenario("default"), true, "the first state");
  }
  return open_checked(file);
}

void init_state(const std::string& directory, const std::string& scenario_name, bool replace) {
  nlohmann::ordered_json scenario = read_scenario(scenario_name);
  std::string file = state_file(directory);
  make_directory(directory);
  std::unique_ptr<Db> db;
  std::string problem;
  switch (look_at(file, db, problem)) {
    case Found::kNothing:
      break;
    case Found::kState:
      if (!replace) throw StateError(file + ": a state already exists (use --force to replace it)");
      try {
        // One transaction, so that processes that have the state open see
        // either the old or the new state, and one that holds it locked
        // keeps it.
        Transaction txn(*db, Transaction::Kind::kWrite);
        remove_unnamed_image_files(*db);
        const std::vector<std::string> replaced = named_image_files(*db);
        load_scenario(*db, scenario);
        txn.commit();
        for (const std::string& name : replaced) remove_image_file(*db, name);
      } catch (const DbError& e) {
        throw StateError(e.about(file) + "; it is left as it was");
      }
      return;
    case Found::kNotOurs:
      if (!replace)
        throw StateError(file + ": " + (problem.empty() ? "a file that is not a state is there" : problem) +
                         " (use --force to replace it)");
      remove_state_files(file);
      break;
  }
  build_and_place(file, scenario, false, "the state");
}

}  // namespace qx::sim
