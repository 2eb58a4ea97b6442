// The state under several processes at once, and under a process killed in
// the middle of a change.
#if !defined(_WIN32)
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <fstream>
#include <set>

#include <gtest/gtest.h>

#include <random>

#include "sim/engine/bga_control.h"
#include "sim/engine/call.h"
#include "sim/engine/events.h"
#include "sim/engine/vd_remove.h"
#include "sim/model/activity.h"
#include "sim/model/adapter.h"
#include "sim/model/event.h"
#include "sim/model/fault.h"
#include "sim/model/vd.h"
#include "sim/store/schema.h"
#include "sim/store/state_dir.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

using testing::TempState;

// The tests from here to the end of the POSIX block run their children with
// fork(); the first use by many processes is also checked across systems by
// tests/first_use_check.sh.
#if !defined(_WIN32)
int64_t event_count(Db& db, int adapter) {
  Stmt stmt = db.prepare("SELECT COUNT(*) FROM events WHERE adapter = ?1");
  stmt.bind(1, int64_t{adapter});
  stmt.step();
  return stmt.column_int(0);
}

// Runs `child` in a forked process; returns its exit status.
template <class F>
pid_t spawn(F child) {
  pid_t pid = ::fork();
  if (pid == 0) {
    int code = 1;
    try {
      code = child();
    } catch (...) {
      code = 2;
    }
    ::_exit(code);
  }
  return pid;
}

int wait_exit(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Store, ConcurrentWritersLoseNoUpdate) {
  TempState state("default");
  int64_t before = event_count(*state.open(), 0);
  constexpr int kProcesses = 6;
  constexpr int kCallsEach = 40;
  std::vector<pid_t> children;
  for (int p = 0; p < kProcesses; ++p) {
    children.push_back(spawn([&] {
      std::unique_ptr<Db> db = state.open();
      for (int i = 0; i < kCallsEach; ++i) {
        uint8_t status = run_call(*db, "test_write", 0, Access::kWrite, [&](Session& s) {
          log_event(s, NewEvent(events::kMiscShutdownReceived, static_cast<uint16_t>(p)));
          return uint8_t{0};
        });
        if (status != 0) return 3;
      }
      return 0;
    }));
  }
  for (pid_t pid : children) EXPECT_EQ(wait_exit(pid), 0);

  std::unique_ptr<Db> db = state.open();
  EXPECT_EQ(event_count(*db, 0), before + kProcesses * kCallsEach);
  std::set<uint32_t> seqs;
  for (const Event& e : select_rows(*db, event_model(), 0)) seqs.insert(e.seq);
  EXPECT_EQ(static_cast<int64_t>(seqs.size()), before + kProcesses * kCallsEach) << "sequence numbers are unique";
  EXPECT_EQ(*seqs.rbegin(), static_cast<uint32_t>(before + kProcesses * kCallsEach)) << "and without gaps";
}

bool integrity_ok(Db& db) {
  Stmt check = db.prepare("PRAGMA integrity_check");
  return check.step() && check.column_text(0) == "ok";
}

// Runs `work` in a child, kills the child with SIGKILL as soon as `work` has
// returned, and answers what `work` answered.
template <class F>
uint8_t kill_after(F work) {
  int ready[2];
  if (::pipe(ready) != 0) return 255;
  pid_t pid = spawn([&] {
    char byte = static_cast<char>(work());
    if (::write(ready[1], &byte, 1) != 1) return 4;
    ::pause();
    return 0;
  });
  char byte = static_cast<char>(255);
  if (::read(ready[0], &byte, 1) != 1) byte = static_cast<char>(255);
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
  ::close(ready[0]);
  ::close(ready[1]);
  return static_cast<uint8_t>(byte);
}

// A child that writes many rows in one transaction and is killed before or
// after it commits. The state is as it was before, or as after, never between.
void kill_during_change(bool commit_first) {
  TempState state("default");
  int64_t before = event_count(*state.open(), 0);
  kill_after([&] {
    std::unique_ptr<Db> db = state.open();
    Transaction txn(*db, Transaction::Kind::kWrite);
    for (int i = 0; i < 500; ++i) log_event(Session(*db, 0, 0), NewEvent(events::kMiscShutdownReceived, 0));
    if (commit_first) txn.commit();
    return 0;
  });
  std::unique_ptr<Db> db = state.open();
  EXPECT_TRUE(integrity_ok(*db));
  EXPECT_EQ(event_count(*db, 0), before + (commit_first ? 500 : 0));
}

TEST(Store, KillBeforeCommitLeavesTheOldState) {
  kill_during_change(false);
}
TEST(Store, KillAfterCommitKeepsTheNewState) {
  kill_during_change(true);
}

// `init --force` and first use killed at moments spread over their run: the
// state is always one whole state, the old or the new, and opens.
TEST(Store, KillDuringInitOrFirstUseLeavesOneWholeState) {
  TempState state("default");
  const size_t default_adapters = select_rows(*state.open(), adapter_model(), kAnyAdapter).size();
  std::mt19937 random(std::random_device{}());
  for (int round = 0; round < 16; ++round) {
    const bool first_use = round % 2 == 1;
    const std::string dir = first_use ? state.dir() + "/fresh" + std::to_string(round) : state.dir();
    pid_t pid = spawn([&] {
      if (first_use) {
        open_state(dir);
      } else {
        init_state(dir, round % 4 == 0 ? "large" : "default", true);
      }
      return 0;
    });
    ::usleep(std::uniform_int_distribution<useconds_t>(0, 400000)(random));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);

    std::unique_ptr<Db> db = open_state(dir);
    EXPECT_TRUE(integrity_ok(*db)) << "round " << round;
    const size_t adapters = select_rows(*db, adapter_model(), kAnyAdapter).size();
    EXPECT_TRUE(adapters == default_adapters || adapters == 1) << "round " << round << ": " << adapters << " adapters";
  }
}

// qxcli deletes a VD in two library calls: one ends the VD's activity, the
// next deletes the VD. Killed between the two, the VD stays, its activity
// ended and logged as aborted, as a real adapter is left when its host dies
// there; a second delete then removes it.
TEST(Store, KillBetweenTheTwoCallsOfADeleteLeavesTheVdWithItsActivityEnded) {
  TempState state;
  const std::string file = state.dir() + "/initializing.json";
  std::ofstream(file) << R"({"clock": {"frozen": true, "time_ms": 1767225600000}, "adapters": [{
      "disks": [{"id": 0, "size_kb": 1000000}, {"id": 1, "size_kb": 1000000}],
      "vds": [{"id": 3, "raid_level": 1, "size_kb": 400000}],
      "blocks": [{"id": 0, "pd": 0, "vd": 3, "member": 0, "start_kb": 262144, "size_kb": 400000},
                 {"id": 1, "pd": 1, "vd": 3, "member": 1, "start_kb": 262144, "size_kb": 400000}],
      "activities": [{"kind": "init_background", "vd": 3, "progress": 2500, "duration_s": 100}]}]})";
  init_state(state.dir(), file, true);
  EXPECT_EQ(kill_after([&] {
              return run_call(*state.open(), "QX_LD_BGAControl", 0, Access::kWrite, [](Session& s) {
                return control_vd_activity(s, 3, QX_BGA_ACTION_CANCEL);
              });
            }),
            0)
      << "the cancel succeeded";

  std::unique_ptr<Db> db = state.open();
  EXPECT_TRUE(integrity_ok(*db));
  EXPECT_EQ(select_rows(*db, vd_model(), 0).size(), 1u) << "the VD is still there";
  EXPECT_TRUE(select_rows(*db, activity_model(), 0).empty()) << "its initialization ended";
  EXPECT_EQ(select_rows(*db, event_model(), 0, "device_id = 3").size(), 1u) << "and was logged once";
  EXPECT_EQ(run_call(*db, "QX_LD_Delete", 0, Access::kWrite,
                     [](Session& s) { return delete_vd(s, 3, QX_DELETE_LIVE); }),
            0);
  EXPECT_TRUE(select_rows(*db, vd_model(), 0).empty());
}

TEST(Store, FirstUseByManyProcessesCreatesOneState) {
  TempState state;
  std::string dir = state.dir() + "/nested/home";
  std::vector<pid_t> children;
  for (int p = 0; p < 4; ++p)
    children.push_back(spawn([&] {
      std::unique_ptr<Db> db = open_state(dir);
      return select_rows(*db, event_model(), 0).empty() ? 5 : 0;
    }));
  for (pid_t pid : children) EXPECT_EQ(wait_exit(pid), 0);
  std::unique_ptr<Db> db = open_state(dir);
  EXPECT_EQ(check_schema(*db), "");
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    EXPECT_EQ(entry.path().filename().string().find(".new."), std::string::npos) << "no temporary file is left";
}

#endif  // !_WIN32

TEST(Store, RefusesAStateThatIsNotOurs) {
  TempState state;
  {
    std::ofstream garbage(state.file());
    garbage << "this is not a database, just text that is long enough to fill a header page ..........";
  }
  try {
    open_state(state.dir());
    FAIL() << "a file that is not a database must be refused";
  } catch (const StateError& e) {
    EXPECT_NE(std::string(e.what()).find(state.file()), std::string::npos) << e.what();
  }
  // Refused, and never overwritten.
  std::ifstream in(state.file());
  std::string first;
  in >> first;
  EXPECT_EQ(first, "this");
}

TEST(Store, RefusesAnotherSchemaVersion) {
  TempState state("empty");
  {
    std::unique_ptr<Db> db = state.open();
    set_meta_int(*db, "schema_version", kSchemaVersion + 1);
  }
  try {
    open_state(state.dir());
    FAIL() << "a state of another schema version must be refused";
  } catch (const StateError& e) {
    EXPECT_NE(std::string(e.what()).find("schema version"), std::string::npos) << e.what();
  }
}

#if !defined(_WIN32)  // a POSIX shell command line
TEST(Store, LibraryInitializeReportsABadStateOnOneLine) {
  TempState state;
  { std::ofstream(state.file()) << "garbage garbage garbage garbage garbage garbage garbage garbage garbage"; }
  std::string command = "QX_SIM_HOME=" + state.dir() + " " QX_QXCLI_PATH " version 2>" + state.dir() + "/err";
  int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  std::ifstream err(state.dir() + "/err");
  std::string line, extra;
  std::getline(err, line);
  EXPECT_EQ(line, "qx_api: " + state.file() + ": not a state of this program (not a database)")
      << "the file and the problem in words, no statement";
  EXPECT_FALSE(std::getline(err, extra)) << "one line only";

  // The statement is there for whoever debugs.
  ASSERT_NE(std::system(("QX_SIM_DEBUG=1 " + command).c_str()), -1);
  std::ifstream debug(state.dir() + "/err");
  std::getline(debug, line);
  EXPECT_NE(line.find("SELECT"), std::string::npos) << line;
}
#endif  // !_WIN32

}  // namespace
}  // namespace qx::sim
