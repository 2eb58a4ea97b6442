// Where the state lives, and replacing it: what is replaced, what is
// refused, and what a process holding the state keeps.
#include "sim/store/state_dir.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include <gtest/gtest.h>

#include "platform/environment.h"
#include "sim/engine/call.h"
#include "sim/engine/events.h"
#include "sim/model/adapter.h"
#include "sim/model/event.h"
#include "sim/model/fault.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

using testing::TempState;
namespace fs = std::filesystem;

#if !defined(_WIN32)  // POSIX paths: "/x" is not absolute on Windows
TEST(StateDirectory, FollowsTheVariablesThenTheUserDatabaseAndNeverTheCurrentDirectory) {
  auto account = [](std::string home) { return [home] { return home; }; };
  EXPECT_EQ(choose_state_directory("/q", "/x", "/h", account("/a")), "/q");
  EXPECT_EQ(choose_state_directory("rel/q", "/x", "/h", account("/a")), "rel/q") << "QX_SIM_HOME is taken as given";
  EXPECT_EQ(choose_state_directory("", "/x", "/h", account("/a")), "/x/qxraid");
  EXPECT_EQ(choose_state_directory(nullptr, "relative", "/h", account("/a")), "/h/.local/state/qxraid")
      << "a relative XDG_STATE_HOME is ignored";
  EXPECT_EQ(choose_state_directory(nullptr, nullptr, nullptr, account("/a")), "/a/.local/state/qxraid");
  EXPECT_EQ(choose_state_directory(nullptr, "", "home", account("/a")), "/a/.local/state/qxraid");
  try {
    choose_state_directory(nullptr, nullptr, nullptr, account(""));
    FAIL() << "with no home at all the choice is refused";
  } catch (const StateError& e) {
    EXPECT_STREQ(e.what(),
                 "no directory for the simulated controller's state: set QX_SIM_HOME, XDG_STATE_HOME or HOME to an "
                 "absolute path");
  }
}
#endif

size_t adapter_count(const std::string& dir) {
  return select_rows(*open_state(dir), adapter_model(), kAnyAdapter).size();
}

TEST(InitState, ForceReplacesAStateOrAFileThatIsNotOneButNothingElse) {
  TempState state("default");
  ASSERT_GT(adapter_count(state.dir()), 0u);
  init_state(state.dir(), "empty", true);
  EXPECT_EQ(adapter_count(state.dir()), 0u) << "the empty scenario replaced the state";

  { std::ofstream(state.file(), std::ios::trunc) << std::string(4096, 'x'); }
  EXPECT_THROW(init_state(state.dir(), "default", false), StateError) << "not replaced without --force";
  init_state(state.dir(), "default", true);
  EXPECT_GT(adapter_count(state.dir()), 0u);

  TempState other;
  fs::create_directory(other.file());
  try {
    init_state(other.dir(), "empty", true);
    FAIL() << "a directory in the state's place must be refused";
  } catch (const StateError& e) {
    EXPECT_EQ(std::string(e.what()), other.file() + ": not a regular file, so not a state; it is left alone");
  }
  EXPECT_TRUE(fs::is_directory(other.file()));
}

// Another connection holds the state's exclusive lock (another process in
// effect: SQLite locks connections of one process against each other too).
// `init --force` is refused, and the holder's own later write is kept; a call
// waits only the lock wait in all, then says why before it fails.
TEST(InitState, ALockedStateIsNeitherReplacedNorWaitedForWithoutEnd) {
  TempState state("default");
  const size_t adapters = adapter_count(state.dir());
  std::unique_ptr<Db> holder = state.open();
  holder->exec("PRAGMA locking_mode = EXCLUSIVE");
  std::optional<Transaction> held(std::in_place, *holder, Transaction::Kind::kWrite);
  log_event(Session(*holder, 0, 0), NewEvent(events::kMiscShutdownReceived, 4242));
  const std::string locked = "the simulated controller's state " + state.file() + " is locked by another process";

  platform::set_environment("QX_SIM_LOCK_WAIT_MS", "300");
  try {
    init_state(state.dir(), "empty", true);
    ADD_FAILURE() << "a locked state must not be replaced";
  } catch (const StateError& e) {
    EXPECT_EQ(e.what(), locked);
  }
  std::unique_ptr<Db> db = std::make_unique<Db>(state.file(), Db::Mode::kOpenExisting);
  platform::unset_environment("QX_SIM_LOCK_WAIT_MS");
  ::testing::internal::CaptureStderr();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(run_call(*db, "QX_test_write", 0, Access::kWrite, [](Session&) { return uint8_t{0}; }), 1);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << "one lock wait, not twenty";
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "qx_api: " + locked + "\n");

  held->commit();
  held.reset();
  holder.reset();
  db = state.open();
  EXPECT_EQ(select_rows(*db, adapter_model(), kAnyAdapter).size(), adapters) << "the state was not replaced";
  EXPECT_FALSE(select_rows(*db, event_model(), 0, "device_id = 4242").empty()) << "the holder's write is kept";
}

// A temporary state left by a killed process never stands in the way: the
// names are unique, and an old one is cleared.
TEST(InitState, LeftoverTemporaryStatesDoNotBreakFirstUse) {
  TempState state;
  const std::string reused = state.file() + ".new." + std::to_string(::getpid());
  const std::string old = state.file() + ".new.1.2";
  for (const std::string& name : {reused, old}) std::ofstream(name) << "not a database, left by a killed process";
  fs::last_write_time(old, fs::file_time_type::clock::now() - std::chrono::hours(1));
  EXPECT_GT(adapter_count(state.dir()), 0u) << "the first state is created";
  EXPECT_FALSE(fs::exists(old)) << "an old leftover is cleared";
  EXPECT_TRUE(fs::exists(reused)) << "a recent one may be another process's work and stays";
}

}  // namespace
}  // namespace qx::sim
