#include "rewrite.h"

#include <gtest/gtest.h>

namespace qxt {
namespace {

StepActual exited(int code, std::string out, std::string err = "") {
  StepActual actual;
  actual.result.end = ProcessResult::End::Exited;
  actual.result.code = code;
  actual.result.out = std::move(out);
  actual.result.err = std::move(err);
  return actual;
}

const char kOriginal[] =
    "# family comment\n"
    "=== first\n"
    "scenario large\n"
    "$ qxsim clock freeze\n"
    "$ qxcli\n"
    "# leading note\n"
    "<<< status 0\n"
    "<<< stdout\n"
    "old output\n"
    "<<< stdin\n"
    "exit\n"
    "\n"
    "=== second\n"
    "$ qxcli nosuch\n"
    "<<< stdout\n"
    "untouched\n"
    "<<< status 1\n"
    "\n"
    "# trailing note\n";

TEST(RewriteTranscript, ReplacesExpectationsAndKeepsTheRest) {
  const TranscriptFile file = parseTranscript("a.t", kOriginal);
  const StepActual shell = exited(255, "=== banner\n\n> ", "warn\x01\n");
  const std::string text = rewriteTranscript(file, {{&file.cases[0].steps[1], &shell}});
  EXPECT_EQ(text,
            "# family comment\n"
            "=== first\n"
            "scenario large\n"
            "$ qxsim clock freeze\n"
            "$ qxcli\n"
            "# leading note\n"
            "<<< stdin\n"
            "exit\n"
            "\n"
            "<<< stdout (no eol)\n"
            "\\=== banner\n"
            "\n"
            "> \n"
            "<<< stderr (escaped)\n"
            "warn\\x01\n"
            "<<< status 255\n"
            "=== second\n"
            "$ qxcli nosuch\n"
            "<<< stdout\n"
            "untouched\n"
            "<<< status 1\n"
            "\n"
            "# trailing note\n");

  // What was written reads back as the actual results.
  const TranscriptFile reread = parseTranscript("a.t", text);
  const Step& step = reread.cases[0].steps[1];
  EXPECT_EQ(step.stdinText, "exit\n\n");
  EXPECT_EQ(step.expectedStdout, shell.result.out);
  EXPECT_EQ(step.expectedStderr, shell.result.err);
  EXPECT_EQ(step.status(), 255);
}

TEST(RewriteTranscript, WritesOnlyWhatDiffersFromTheDefaults) {
  const TranscriptFile file = parseTranscript("a.t", kOriginal);
  const StepActual quietSim = exited(0, "clock frozen\n");
  const StepActual quietCli = exited(0, "");
  const StepActual refused = exited(1, "Invalid command 'nosuch'!\n");
  const std::string text = rewriteTranscript(
      file, {{&file.cases[1].steps[0], &refused}, {&file.cases[0].steps[0], &quietSim}, {&file.cases[0].steps[1], &quietCli}});
  // The control tool's output stays unchecked; an explicit status 0 stays; an
  // empty stream needs no section; the status line keeps its trailing lines.
  EXPECT_EQ(text,
            "# family comment\n"
            "=== first\n"
            "scenario large\n"
            "$ qxsim clock freeze\n"
            "$ qxcli\n"
            "# leading note\n"
            "<<< stdin\n"
            "exit\n"
            "\n"
            "<<< status 0\n"
            "=== second\n"
            "$ qxcli nosuch\n"
            "<<< stdout\n"
            "Invalid command 'nosuch'!\n"
            "<<< status 1\n"
            "\n"
            "# trailing note\n");
}

TEST(RewriteTranscript, KeepsExpectationsWithoutAResult) {
  const std::string original = "=== c\n$ qxcli -output out.txt\n<<< file 'my out.txt'\nold\n<<< status 2\n";
  const TranscriptFile file = parseTranscript("a.t", original);
  StepActual crashed = exited(0, "x");
  crashed.result.end = ProcessResult::End::Signaled;
  EXPECT_EQ(rewriteTranscript(file, {{&file.cases[0].steps[0], &crashed}}), original);

  StepActual fileMissing = exited(2, "");
  fileMissing.files.push_back(std::nullopt);
  EXPECT_EQ(rewriteTranscript(file, {{&file.cases[0].steps[0], &fileMissing}}), original);

  StepActual written = exited(0, "");
  written.files.push_back("new\n");
  EXPECT_EQ(rewriteTranscript(file, {{&file.cases[0].steps[0], &written}}),
            "=== c\n$ qxcli -output out.txt\n<<< file 'my out.txt'\nnew\n<<< status 0\n");
}

}  // namespace
}  // namespace qxt
