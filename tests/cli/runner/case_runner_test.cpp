// The case runner, driven with /bin/sh in the place of qxcli (a step's
// arguments are then a shell script) and a small generated script in the
// place of qxsim that records how it was called.

#include "case_runner.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "temp_dir.h"

namespace qxt {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// Appends its arguments to $QX_SIM_HOME/calls; "init" with the scenario
// "broken" and the subcommand "fail" are refused.
const char kRecorder[] =
    "#!/bin/sh\n"
    "printf '%s\\n' \"$*\" >> \"$QX_SIM_HOME/calls\"\n"
    "if [ \"$1 $3\" = 'init broken' ]; then echo 'no such scenario' >&2; exit 2; fi\n"
    "if [ \"$1\" = fail ]; then echo 'refused' >&2; exit 3; fi\n"
    "echo \"did $1\"\n";

class CaseRunnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string recorder = dir_.path() + "/recorder";
    std::ofstream(recorder) << kRecorder;
    ::chmod(recorder.c_str(), 0755);
    settings_.qxcli = "/bin/sh";
    settings_.qxsim = recorder;
    settings_.inherited = {"PATH=/usr/bin:/bin"};
  }

  // Writes a transcript beside the recorder and parses it.
  TranscriptFile transcript(const std::string& text) {
    const std::string path = dir_.path() + "/case.t";
    std::ofstream(path) << text;
    return parseTranscript(path, text);
  }

  CaseResult run(const std::string& text, std::size_t index = 0) {
    file_ = transcript(text);
    return runCase(file_, file_.cases.at(index), settings_);
  }

  TempDir dir_{"qx-runner-test"};
  RunSettings settings_;
  TranscriptFile file_;
};

TEST_F(CaseRunnerTest, PassingCaseChecksStreamsStatusAndFiles) {
  const CaseResult r = run(
      "=== all streams\n"
      "$ qxcli -c 'printf \"one\\n> \"; echo oops >&2; echo saved > out.txt; exit 4'\n"
      "<<< stdout (no eol)\n"
      "one\n"
      "> \n"
      "<<< stderr\n"
      "oops\n"
      "<<< file out.txt\n"
      "saved\n"
      "<<< status 4\n");
  EXPECT_TRUE(r.passed) << r.report;
  EXPECT_EQ(r.report, "");
  ASSERT_EQ(r.steps.size(), 1u);
  EXPECT_EQ(r.steps[0].files.at(0), "saved\n");
}

TEST_F(CaseRunnerTest, StateIsPreparedFromTheScenarioAndKeptAcrossSteps) {
  const CaseResult r = run(
      "=== state\n"
      "scenario big\n"
      "$ qxsim clock freeze\n"
      "$ qxcli -c 'cat \"$QX_SIM_HOME/calls\"'\n"
      "<<< stdout\n"
      "init --scenario big --force\n"
      "clock freeze\n");
  EXPECT_TRUE(r.passed) << r.report;
}

TEST_F(CaseRunnerTest, ScenarioFileIsPassedByAbsolutePath) {
  std::ofstream(dir_.path() + "/two.json") << "{}";
  const CaseResult r = run(
      "=== file scenario\n"
      "scenario ./two.json\n"
      "$ qxcli -c 'head -n 1 \"$QX_SIM_HOME/calls\"'\n");
  ASSERT_FALSE(r.passed);
  EXPECT_NE(r.report.find("+init --scenario " + dir_.path() + "/two.json --force"), std::string::npos) << r.report;

  const CaseResult missing = run("=== gone\nscenario gone.json\n$ qxcli -c true\n");
  EXPECT_FALSE(missing.passed);
  EXPECT_NE(missing.report.find("scenario file not found: " + dir_.path() + "/gone.json"), std::string::npos)
      << missing.report;
  EXPECT_TRUE(missing.steps.empty());
}

TEST_F(CaseRunnerTest, EveryCaseStartsFresh) {
  const std::string text =
      "=== first\n"
      "$ qxcli -c 'echo x >> out.txt; echo y >> \"$QX_SIM_HOME/mine\"; echo z >> \"$HOME/mine\"'\n"
      "$ qxcli -c 'cat out.txt \"$QX_SIM_HOME/mine\" \"$HOME/mine\"'\n"
      "<<< stdout\n"
      "x\ny\nz\n"
      "=== second\n"
      "$ qxcli -c 'cat out.txt \"$QX_SIM_HOME/mine\" \"$HOME/mine\" 2>/dev/null; echo $?'\n"
      "<<< stdout\n"
      "1\n";
  EXPECT_TRUE(run(text, 0).passed);
  EXPECT_TRUE(run(text, 1).passed);
}

TEST_F(CaseRunnerTest, EnvironmentIsFixedAndCaseCanChangeIt) {
  const std::string script = "$ qxcli -c 'echo \"$TZ|$LC_ALL|${POSIXLY_CORRECT-unset}|$(basename \"$PWD\")\"'\n";
  const CaseResult plain = run("=== plain\n" + script + "<<< stdout\nUTC|C|unset|work\n");
  EXPECT_TRUE(plain.passed) << plain.report;
  const CaseResult changed =
      run("=== changed\nenv POSIXLY_CORRECT=\nenv 'LC_ALL=en US'\nunset TZ\n" + script + "<<< stdout\n|en US||work\n");
  EXPECT_TRUE(changed.passed) << changed.report;
}

TEST_F(CaseRunnerTest, InheritsOnlyTheSearchPathAndToolSettings) {
  std::string path = "PATH=/bin", lib = "LD_LIBRARY_PATH=/opt/lib", asan = "ASAN_OPTIONS=detect_leaks=1",
              posix = "POSIXLY_CORRECT=1", lang = "LANG=de_DE.UTF-8", home = "QX_SIM_HOME=/real/state";
  char* env[] = {path.data(), posix.data(), lib.data(), lang.data(), asan.data(), home.data(), nullptr};
  EXPECT_EQ(inheritedEnvironment(env), (std::vector<std::string>{path, lib, asan}));
}

// Windows programs end lines with "\r\n": in that mode every expected line
// end of a stream or file is "\r\n", and a bare "\n" is a difference. The
// programs then run through the emulator, which gets the program's path first.
TEST_F(CaseRunnerTest, CrlfModeExpectsCarriageReturnsThroughTheEmulator) {
  settings_.crlfLineEnds = true;
  settings_.emulator = "/usr/bin/env";
  const char* text =
      "=== windows line ends\n"
      "$ qxcli -c 'printf \"one\\r\\n> \"; printf \"e\\r\\n\" >&2; printf \"a\\r\\nb\\n\" > out.txt'\n"
      "<<< stdout (no eol)\n"
      "one\n"
      "> \n"
      "<<< stderr\n"
      "e\n"
      "<<< file out.txt\n"
      "a\n"
      "b\n";
  const CaseResult r = run(text);
  EXPECT_FALSE(r.passed);
  EXPECT_EQ(r.report.find("stdout differs"), std::string::npos) << r.report;
  EXPECT_EQ(r.report.find("stderr differs"), std::string::npos) << r.report;
  EXPECT_NE(r.report.find("file out.txt differs"), std::string::npos) << "the bare \\n of b" << r.report;

  settings_.crlfLineEnds = false;
  EXPECT_NE(run(text).report.find("stdout differs"), std::string::npos);
  EXPECT_EQ(withLineEnds("a\r\n\n", true), "a\r\r\n\r\n");
}

TEST_F(CaseRunnerTest, FailureReportShowsWhereWhatAndHow) {
  const CaseResult r = run(
      "# header\n"
      "=== wrong words\n"
      "$ qxcli -c 'echo \"Invalid command\"; echo note >&2'\n"
      "<<< stdout\n"
      "Invalid command 'nosuch'!\n"
      "<<< status 1\n");
  EXPECT_FALSE(r.passed);
  const std::string path = dir_.path() + "/case.t";
  EXPECT_EQ(r.report,
            "FAIL " + path + ":2: wrong words\n"
            "  step at " + path + ":3: $ qxcli -c 'echo \"Invalid command\"; echo note >&2'\n"
            "  status: expected 1, actual 0\n"
            "  stdout differs:\n"
            "    --- expected\n"
            "    +++ actual\n"
            "    @@ -1,1 +1,1 @@\n"
            "    -Invalid command 'nosuch'!\n"
            "    +Invalid command\n"
            "  stderr differs:\n"
            "    --- expected\n"
            "    +++ actual\n"
            "    @@ -0,0 +1,1 @@\n"
            "    +note\n");
}

TEST_F(CaseRunnerTest, FileChecksReportMissingAndDifferentFiles) {
  const CaseResult r = run(
      "=== files\n"
      "$ qxcli -c 'printf \"a\\nb\" > got.txt'\n"
      "<<< file got.txt\n"
      "a\n"
      "b\n"
      "<<< file never.txt\n");
  EXPECT_FALSE(r.passed);
  EXPECT_NE(r.report.find("  file got.txt differs:\n"), std::string::npos) << r.report;
  EXPECT_NE(r.report.find("    +b\n    \\ No newline at end of file\n"), std::string::npos) << r.report;
  EXPECT_NE(r.report.find("  file never.txt was not written\n"), std::string::npos) << r.report;
  ASSERT_EQ(r.steps.at(0).files.size(), 2u);
  EXPECT_FALSE(r.steps[0].files[1].has_value());
}

TEST_F(CaseRunnerTest, StopsAtTheFirstFailedStepUnlessAskedToGoOn) {
  const std::string text =
      "=== two steps\n"
      "$ qxcli -c 'exit 1'\n"
      "$ qxcli -c 'echo second'\n"
      "<<< stdout\n"
      "second\n";
  const CaseResult stopped = run(text);
  EXPECT_FALSE(stopped.passed);
  EXPECT_EQ(stopped.steps.size(), 1u);
  EXPECT_EQ(stopped.report.find("$ qxcli -c 'echo second'"), std::string::npos);
  settings_.runAllSteps = true;
  const CaseResult all = run(text);
  EXPECT_FALSE(all.passed);
  ASSERT_EQ(all.steps.size(), 2u);
  EXPECT_TRUE(all.steps[1].passed);
}

TEST_F(CaseRunnerTest, ControlToolOutputIsCheckedOnlyWhenWritten) {
  EXPECT_TRUE(run("=== quiet\n$ qxsim clock advance 5\n").passed);
  EXPECT_FALSE(run("=== checked\n$ qxsim clock advance 5\n<<< stdout\ndid nothing\n").passed);
  EXPECT_TRUE(run("=== refusal expected\n$ qxsim fail\n<<< status 3\n").passed);

  const CaseResult r = run("=== refused\n$ qxsim fail now\n");
  EXPECT_FALSE(r.passed);
  EXPECT_NE(r.report.find("  status: expected 0, actual 3\n"), std::string::npos) << r.report;
  EXPECT_NE(r.report.find("  stderr was:\n    | refused\n"), std::string::npos) << r.report;
}

TEST_F(CaseRunnerTest, FailedPreparationIsReported) {
  const CaseResult r = run("=== broken\nscenario broken\n$ qxcli -c true\n");
  EXPECT_FALSE(r.passed);
  EXPECT_TRUE(r.steps.empty());
  EXPECT_NE(r.report.find("preparing the state failed: qxsim init --scenario broken --force\n  exit status 2\n"),
            std::string::npos)
      << r.report;
  EXPECT_NE(r.report.find("    | no such scenario\n"), std::string::npos) << r.report;
}

TEST_F(CaseRunnerTest, CopiesFilesBesideTheTranscriptIntoTheWorkingDirectory) {
  fs::create_directory(dir_.path() + "/images");
  std::ofstream(dir_.path() + "/images/fw.bin") << "image";
  const CaseResult r = run(
      "=== copy\n"
      "copy images/fw.bin\n"
      "copy images/fw.bin sub/renamed.bin\n"
      "$ qxcli -c 'cat fw.bin sub/renamed.bin'\n"
      "<<< stdout (no eol)\n"
      "imageimage\n");
  EXPECT_TRUE(r.passed) << r.report;
  EXPECT_FALSE(run("=== copy missing\ncopy nothing.bin\n$ qxcli -c true\n").passed);
}

TEST_F(CaseRunnerTest, StepThatHangsIsKilledAndFails) {
  settings_.timeout = 300ms;
  const CaseResult r = run("=== hang\n$ qxcli -c 'sleep 30'\n");
  EXPECT_FALSE(r.passed);
  EXPECT_NE(r.report.find("status: expected 0, but the program was killed after running longer than 0.3 s\n"), std::string::npos) << r.report;
}

TEST_F(CaseRunnerTest, TemporaryDirectoriesAreRemovedUnlessKept) {
  const std::string text = "=== where\n$ qxcli -c 'echo \"$QX_SIM_HOME\"; exit 1'\n";
  const CaseResult removed = run(text);
  ASSERT_EQ(removed.steps.size(), 1u);
  std::string state = removed.steps[0].result.out;
  state.pop_back();
  EXPECT_FALSE(state.empty());
  EXPECT_FALSE(fs::exists(state)) << state;

  settings_.keepDirectories = true;
  const CaseResult kept = run(text);
  state = kept.steps.at(0).result.out;
  state.pop_back();
  EXPECT_TRUE(fs::exists(state)) << state;
  EXPECT_NE(kept.report.find("temporary directories kept in "), std::string::npos);
  fs::remove_all(fs::path(state).parent_path());
}

}  // namespace
}  // namespace qxt
