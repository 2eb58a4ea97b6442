#include "process.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>

namespace qxt {
namespace {

using namespace std::chrono_literals;

ProcessRequest shell(const std::string& script, std::string stdinText = "") {
  ProcessRequest request;
  request.program = "/bin/sh";
  request.argv = {"sh", "-c", script};
  request.environment = {"PATH=/usr/bin:/bin"};
  request.workDir = "/";
  request.stdinText = std::move(stdinText);
  request.timeout = 20s;
  return request;
}

TEST(RunProcess, SeparatesStreamsAndReportsExitStatus) {
  const ProcessResult r = runProcess(shell("printf out; printf 'err\\n' >&2; exit 7"));
  EXPECT_EQ(r.end, ProcessResult::End::Exited);
  EXPECT_EQ(r.code, 7);
  EXPECT_EQ(r.out, "out");
  EXPECT_EQ(r.err, "err\n");
  EXPECT_TRUE(r.exitedWith(7));
  EXPECT_FALSE(r.exitedWith(0));
  EXPECT_EQ(r.describe(20s), "exit status 7");
}

TEST(RunProcess, LargeInputAndOutputOnBothStreamsDoNotDeadlock) {
  // Far more than a pipe holds, on every stream; stderr is written first
  // and stdout is only read by the child after all of its input arrived.
  std::string input;
  for (int i = 0; i < 100000; ++i) input += "input line " + std::to_string(i) + "\n";
  const ProcessResult r = runProcess(
      shell("head -c 3000000 /dev/zero | tr '\\0' e >&2; cat; head -c 2000000 /dev/zero | tr '\\0' o", input));
  ASSERT_TRUE(r.exitedWith(0)) << r.describe(20s);
  EXPECT_EQ(r.err.size(), 3000000u);
  EXPECT_EQ(r.out.size(), input.size() + 2000000u);
  EXPECT_EQ(r.out.substr(0, input.size()), input);
}

TEST(RunProcess, ChildThatIgnoresItsInputDoesNotHurtTheRunner) {
  const ProcessResult r = runProcess(shell("exec 0<&-; echo done", std::string(1 << 20, 'x')));
  EXPECT_TRUE(r.exitedWith(0)) << r.describe(20s);
  EXPECT_EQ(r.out, "done\n");
}

TEST(RunProcess, EmptyInputIsEndOfFile) {
  const ProcessResult r = runProcess(shell("cat; echo end"));
  EXPECT_EQ(r.out, "end\n");
}

TEST(RunProcess, ChildSeesExactlyTheGivenEnvironmentAndDirectory) {
  ProcessRequest request;
  request.program = "/usr/bin/env";
  request.argv = {"env"};
  request.environment = {"A=1", "B=two words"};
  request.workDir = "/";
  EXPECT_EQ(runProcess(request).out, "A=1\nB=two words\n");

  ProcessRequest pwd = shell("pwd");
  pwd.program = "/bin/sh";
  pwd.workDir = "/usr";
  EXPECT_EQ(runProcess(pwd).out, "/usr\n");
}

TEST(RunProcess, ArgumentZeroIsTheGivenWord) {
  ProcessRequest request = shell("echo \"$0\"");
  request.argv = {"sh", "-c", "echo \"$0\"", "qxcli"};
  EXPECT_EQ(runProcess(request).out, "qxcli\n");
}

TEST(RunProcess, TimeoutKillsTheWholeProcessGroup) {
  for (const char* script : {"sleep 30", "sleep 30 & sleep 30", "exec >&- 2>&-; sleep 30"}) {
    ProcessRequest request = shell(script);
    request.timeout = 300ms;
    const auto start = std::chrono::steady_clock::now();
    const ProcessResult r = runProcess(request);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(r.end, ProcessResult::End::TimedOut) << script;
    EXPECT_LT(took, 5s) << script;
    EXPECT_EQ(r.describe(request.timeout), "killed after running longer than 0.3 s");
  }
}

TEST(RunProcess, DeathBySignalIsReported) {
  const ProcessResult r = runProcess(shell("kill -SEGV $$"));
  EXPECT_EQ(r.end, ProcessResult::End::Signaled);
  EXPECT_EQ(r.code, SIGSEGV);
  EXPECT_FALSE(r.exitedWith(0));
  EXPECT_NE(r.describe(20s).find("signal 11"), std::string::npos);
}

TEST(RunProcess, MissingProgramOrDirectoryIsNotStarted) {
  ProcessRequest missing = shell("true");
  missing.program = "/nonexistent/qxcli";
  const ProcessResult r = runProcess(missing);
  EXPECT_EQ(r.end, ProcessResult::End::NotStarted);
  EXPECT_EQ(r.describe(20s), "not started: No such file or directory");

  ProcessRequest badDir = shell("true");
  badDir.workDir = "/nonexistent";
  EXPECT_EQ(runProcess(badDir).end, ProcessResult::End::NotStarted);
}

}  // namespace
}  // namespace qxt
