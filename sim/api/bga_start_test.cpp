// Administrators start the same activity at once: the starts are decided
// one after another, so exactly one of them wins. It starts the commands
// with fork(), so it runs on POSIX systems only.
#if !defined(_WIN32)
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sim/engine/control.h"
#include "sim/model/activity.h"
#include "sim/model/event.h"
#include "sim/model/vd.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

using testing::TempState;

constexpr int64_t kNow = 1'800'000'000'000;

// Runs qxcli once for each argument list, all at once, on the state in
// `home`, and waits for every run.
void start_all(const std::string& home, const std::vector<std::vector<std::string>>& commands) {
  std::vector<pid_t> pids;
  for (const std::vector<std::string>& args : commands) {
    pid_t pid = ::fork();
    if (pid == 0) {
      ::setenv("QX_SIM_HOME", home.c_str(), 1);
      std::vector<char*> argv{const_cast<char*>("qxcli")};
      for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      ::freopen("/dev/null", "w", stdout);
      ::execv(QX_QXCLI_PATH, argv.data());
      ::_exit(127);
    }
    pids.push_back(pid);
  }
  for (pid_t pid : pids) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 127) << "qxcli did not run";
  }
}

size_t count_events(Db& db, uint16_t code) {
  return select_rows(db, event_model(), 0, "class = ?1 AND code = ?2", {json(QX_EVT_CLASS_VD), json(code)})
      .size();
}

TEST(ConcurrentStarts, EightChecksOfOneVdStartOne) {
  TempState state("default");
  start_all(state.dir(), std::vector<std::vector<std::string>>(8, {"cc", "-l", "1"}));
  std::unique_ptr<Db> db = state.open();
  EXPECT_EQ(select_rows(*db, activity_model(), 0, "vd = 1").size(), 1u);
  EXPECT_EQ(count_events(*db, 30), 1u) << "one fix started";
}

TEST(ConcurrentStarts, TwoRebuildsRacingForOneDiskLeaveOneWinner) {
  TempState state("default");
  {
    std::unique_ptr<Db> db = state.open();
    Transaction t(*db, Transaction::Kind::kWrite);
    const Session s(*db, 0, kNow);
    pull_disk(s, 1);  // VD 0 degraded
    pull_disk(s, 4);  // VD 1 degraded
    t.commit();
  }
  // Disk 5 has room for the block of one VD, not for both.
  start_all(state.dir(), {{"rebuild", "-l", "0", "-d", "5"}, {"rebuild", "-l", "1", "-d", "5"}});
  std::unique_ptr<Db> db = state.open();
  EXPECT_EQ(select_rows(*db, activity_model(), 0, "kind = 'rebuild'").size(), 1u);
  EXPECT_EQ(select_rows(*db, block_model(), 0, "pd = 5").size(), 1u);
  EXPECT_EQ(count_events(*db, 70), 1u);
}

}  // namespace
}  // namespace qx::sim

#endif  // !_WIN32
