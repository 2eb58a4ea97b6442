// Where the state lives, and replacing it: what is replaced, what is
// refused, and what a process holding the state keeps.
#include "sim/store/state_dir.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

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

// A process that holds the state's write lock while `init --force` runs
// keeps the state and its own later write; the replacement is refused.
TEST(InitState, ForceRefusesAStateThatAnotherProcessHoldsLocked) {
  TempState state("default");
  const size_t adapters = adapter_count(state.dir());
  int ready[2], go[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(go), 0);
  pid_t holder = ::fork();
  if (holder == 0) {
    std::unique_ptr<Db> db = state.open();
    db->exec("PRAGMA locking_mode = EXCLUSIVE");
    Transaction txn(*db, Transaction::Kind::kWrite);
    log_event(*db, 0, {QX_EVT_CLASS_MISC, 7, 4242, kSeverityInfo, {}}, 0);
    char byte = 1;
    if (::write(ready[1], &byte, 1) != 1 || ::read(go[0], &byte, 1) != 1) ::_exit(3);
    txn.commit();
    ::_exit(0);
  }
  char byte = 0;
  ASSERT_EQ(::read(ready[0], &byte, 1), 1);
  ::setenv("QX_SIM_LOCK_WAIT_MS", "200", 1);
  std::string message;
  try {
    init_state(state.dir(), "empty", true);
  } catch (const StateError& e) {
    message = e.what();
  }
  ::unsetenv("QX_SIM_LOCK_WAIT_MS");
  ASSERT_EQ(::write(go[1], &byte, 1), 1);
  int status = 0;
  ::waitpid(holder, &status, 0);
  for (int fd : {ready[0], ready[1], go[0], go[1]}) ::close(fd);

  EXPECT_EQ(message, "the simulated controller's state " + state.file() + " is locked by another process");
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  std::unique_ptr<Db> db = state.open();
  EXPECT_EQ(select_rows(*db, adapter_model(), kAnyAdapter).size(), adapters) << "the state was not replaced";
  EXPECT_FALSE(select_rows(*db, event_model(), 0, "device_id = 4242").empty()) << "the holder's write is kept";
}

// A call that meets a lock held by another process waits the lock wait in
// all, then says what is wrong before the call fails.
TEST(InitState, ACallWaitsForALockOnlyTheLockWaitAndSaysWhy) {
  TempState state("default");
  std::unique_ptr<Db> holder = state.open();
  Transaction held(*holder, Transaction::Kind::kWrite);
  ::setenv("QX_SIM_LOCK_WAIT_MS", "300", 1);
  std::unique_ptr<Db> db = state.open();
  ::unsetenv("QX_SIM_LOCK_WAIT_MS");
  ::testing::internal::CaptureStderr();
  const auto start = std::chrono::steady_clock::now();
  uint8_t status = run_call(*db, "QX_test_write", 0, Access::kWrite, [](Session&) { return uint8_t{0}; });
  const auto waited = std::chrono::steady_clock::now() - start;
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 1);
  EXPECT_LT(waited, std::chrono::seconds(5)) << "the wait is bounded by the lock wait, not repeated";
  EXPECT_EQ(err, "qx_api: the simulated controller's state " + state.file() + " is locked by another process\n");
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
