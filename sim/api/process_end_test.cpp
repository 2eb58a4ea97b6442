// How qxcli and qxsim end when the world around them fails: output that
// cannot be written, and signals that arrive at any moment of a call.
#if !defined(_WIN32)  // signals and /dev/full are POSIX; the Windows console handler is tested by hand

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

using testing::TempState;

struct Outcome {
  int status;  // exit status, or -1 when killed by a signal
  std::string err;
};

Outcome run_shell(const TempState& state, const std::string& command) {
  const std::string err_file = state.dir() + "/stderr";
  const int status = std::system(("QX_SIM_HOME=" + state.dir() + " " + command + " 2>" + err_file).c_str());
  std::ifstream err(err_file);
  std::stringstream text;
  text << err.rdbuf();
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str()};
}

TEST(ProcessEnd, OutputThatCannotBeWrittenFailsTheCommandWithOneLine) {
  if (::access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full here";
  TempState state("default");
  // What each program writes to standard output, or (-output) to a file,
  // goes to a full disk; a command that failed anyway reports it too.
  const std::pair<std::string, std::string> cases[] = {
      {"qxsim", QX_QXSIM_PATH " show"},         {"qxsim", QX_QXSIM_PATH " where"},
      {"qxcli", QX_QXCLI_PATH " info -o pd"},   {"qxcli", QX_QXCLI_PATH " info -o hba -output /dev/full"},
      {"qxcli", QX_QXCLI_PATH " nosuch"},
  };
  for (const auto& [program, command] : cases) {
    Outcome run = run_shell(state, command + " >/dev/full");
    EXPECT_EQ(run.status, 1) << command;
    EXPECT_EQ(run.err, program + ": write error: No space left on device\n") << command;
  }
  EXPECT_EQ(run_shell(state, QX_QXSIM_PATH " show >/dev/null").status, 0);
}

// Signals at random moments of a long listing: every run ends, the way the
// signal ends a process, and the state stays sound for the next run.
TEST(ProcessEnd, SignalsAtAnyMomentEndTheListingWithoutHangOrCrash) {
  TempState state("large");
  const std::string home = state.dir();
  auto start_listing = [&] {
    pid_t pid = ::fork();
    if (pid == 0) {
      ::setenv("QX_SIM_HOME", home.c_str(), 1);
      ::dup2(::open("/dev/null", O_WRONLY), STDOUT_FILENO);
      ::execl(QX_QXCLI_PATH, "qxcli", "info", "-o", "pd", static_cast<char*>(nullptr));
      ::_exit(127);
    }
    return pid;
  };
  // Waits up to `limit` for the child; -1 when it has not ended by then.
  auto wait_for = [](pid_t pid, std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > deadline) return -1;
      ::usleep(2000);
    }
    return status;
  };

  // How long one listing takes here, so that the signals spread over it.
  const auto begin = std::chrono::steady_clock::now();
  const int whole = wait_for(start_listing(), std::chrono::seconds(60));
  ASSERT_TRUE(WIFEXITED(whole) && WEXITSTATUS(whole) == 0);
  const auto span_us = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - begin);

  std::mt19937 random(std::random_device{}());
  constexpr int kSignals = 60;
  int ended_by_signal = 0;
  for (int i = 0; i < kSignals; ++i) {
    const int signal_number = i % 3 == 2 ? SIGTERM : SIGINT;
    pid_t pid = start_listing();
    ::usleep(static_cast<useconds_t>(std::uniform_int_distribution<int64_t>(0, span_us.count())(random)));
    ::kill(pid, signal_number);
    int status = wait_for(pid, std::chrono::seconds(20));
    if (status == -1) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, nullptr, 0);
      FAIL() << "signal " << signal_number << " did not end the listing: it hangs";
    }
    if (WIFSIGNALED(status)) {
      EXPECT_EQ(WTERMSIG(status), signal_number) << "ended by the signal's default action, nothing else";
      ++ended_by_signal;
    } else {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "finished before the signal came";
    }
  }
  EXPECT_GT(ended_by_signal, 0) << "the signals came while the listing ran";
  EXPECT_EQ(run_shell(state, std::string(QX_QXCLI_PATH) + " info -o hba >/dev/null").status, 0)
      << "the state is sound afterwards";
}

}  // namespace
}  // namespace qx::sim

#endif  // !_WIN32
