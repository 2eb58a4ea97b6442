#include "transcript.h"

#include <gtest/gtest.h>

#include "format_error.h"

namespace qxt {
namespace {

using Lines = std::vector<std::string>;

const char kExample[] =
    "# dispatch of unknown words\n"
    "\n"
    "=== unknown command\n"
    "scenario large\n"
    "env POSIXLY_CORRECT=1\n"
    "env 'NAME=two words'\n"
    "unset TZ\n"
    "copy images/fw.bin\n"
    "copy ../data/a.json in/b.json\n"
    "$ qxcli nosuch 'x y'\n"
    "<<< stdout\n"
    "Invalid command 'nosuch'!\n"
    "\n"
    "# still output\n"
    "<<< status 1\n"
    "\n"
    "=== interactive\n"
    "scenario ../scenarios/two.json\n"
    "$ qxsim clock advance 60\n"
    "$ qxcli\n"
    "<<< stdin\n"
    "exit\n"
    "<<< stdout (no eol)\n"
    "> \n"
    "> \n"
    "<<< stderr\n"
    "\\$ not a step\n"
    "<<< file out.txt (escaped)\n"
    "a\\x01\n";

TEST(ParseTranscript, ReadsCasesDirectivesAndSections) {
  const TranscriptFile file = parseTranscript("/t/cli/shell/dispatch.t", kExample);
  ASSERT_EQ(file.cases.size(), 2u);

  const Case& first = file.cases[0];
  EXPECT_EQ(first.name, "unknown command");
  EXPECT_EQ(first.line, 3u);
  EXPECT_EQ(first.scenario, "large");
  EXPECT_EQ(first.environment, (Lines{"POSIXLY_CORRECT=1", "NAME=two words"}));
  EXPECT_EQ(first.unset, Lines{"TZ"});
  ASSERT_EQ(first.copies.size(), 2u);
  EXPECT_EQ(first.copies[0].source, "/t/cli/shell/images/fw.bin");
  EXPECT_EQ(first.copies[0].target, "fw.bin");
  EXPECT_EQ(first.copies[1].source, "/t/cli/data/a.json");
  EXPECT_EQ(first.copies[1].target, "in/b.json");
  ASSERT_EQ(first.steps.size(), 1u);
  const Step& s = first.steps[0];
  EXPECT_EQ(s.tool, Tool::Qxcli);
  EXPECT_EQ(s.args, (Lines{"nosuch", "x y"}));
  EXPECT_EQ(s.commandLine, "qxcli nosuch 'x y'");
  EXPECT_EQ(s.line, 10u);
  // Blank lines and '#' lines inside a section are part of it.
  EXPECT_EQ(s.expectedStdout, "Invalid command 'nosuch'!\n\n# still output\n");
  EXPECT_FALSE(s.expectedStderr.has_value());
  EXPECT_EQ(s.expectedStatus, 1);
  EXPECT_EQ(s.trailingLines, Lines{""});

  const Case& second = file.cases[1];
  EXPECT_EQ(second.scenario, "/t/cli/scenarios/two.json");
  ASSERT_EQ(second.steps.size(), 2u);
  EXPECT_EQ(second.steps[0].tool, Tool::Qxsim);
  EXPECT_EQ(second.steps[0].args, (Lines{"clock", "advance", "60"}));
  EXPECT_EQ(second.steps[0].status(), 0);
  EXPECT_FALSE(second.steps[0].expectedStdout.has_value());
  const Step& shell = second.steps[1];
  EXPECT_EQ(shell.stdinText, "exit\n");
  EXPECT_EQ(shell.stdinLines, (Lines{"<<< stdin", "exit"}));
  EXPECT_EQ(shell.expectedStdout, "> \n> ");
  EXPECT_EQ(shell.expectedStderr, "$ not a step\n");
  ASSERT_EQ(shell.files.size(), 1u);
  EXPECT_EQ(shell.files[0].name, "out.txt");
  EXPECT_EQ(shell.files[0].content, "a\x01\n");
  EXPECT_FALSE(shell.expectedStatus.has_value());
}

TEST(ParseTranscript, DefaultsAndBlockBounds) {
  const TranscriptFile file = parseTranscript("a.t",
                                              "=== one\n"         // 0
                                              "$ qxcli version\n"  // 1
                                              "# why\n"            // 2
                                              "<<< stdout\n"       // 3
                                              "v\n"                // 4
                                              "$ qxcli help\n"     // 5
                                              "=== two\n"          // 6
                                              "$ qxcli\n");        // 7
  const Case& one = file.cases[0];
  EXPECT_EQ(one.scenario, "default");
  EXPECT_TRUE(one.environment.empty());
  ASSERT_EQ(one.steps.size(), 2u);
  EXPECT_EQ(one.steps[0].leadingLines, Lines{"# why"});
  EXPECT_EQ(one.steps[0].blockBegin, 2u);
  EXPECT_EQ(one.steps[0].blockEnd, 5u);
  EXPECT_EQ(one.steps[1].blockBegin, 6u);
  EXPECT_EQ(one.steps[1].blockEnd, 6u);
  EXPECT_EQ(one.steps[1].stdinText, "");
  const Step& last = file.cases[1].steps[0];
  EXPECT_TRUE(last.args.empty());
  EXPECT_EQ(last.blockBegin, 8u);
  EXPECT_EQ(last.blockEnd, 8u);
}

TEST(ParseTranscript, SectionAtEndOfFileWithoutFinalNewline) {
  const TranscriptFile file = parseTranscript("a.t", "=== c\n$ qxcli\n<<< stdout (no eol)\n> ");
  EXPECT_EQ(file.cases[0].steps[0].expectedStdout, "> ");
  const TranscriptFile empty = parseTranscript("a.t", "=== c\n$ qxcli x\n<<< stdout\n<<< status 2\n");
  EXPECT_EQ(empty.cases[0].steps[0].expectedStdout, "");
  EXPECT_EQ(empty.cases[0].steps[0].status(), 2);
}

// Each malformed text, with the line the error must point at.
struct Malformed {
  const char* text;
  const char* where;
};

TEST(ParseTranscript, ErrorsNameFileAndLine) {
  const Malformed cases[] = {
      {"", "a.t: no cases"},
      {"# only a comment\n", "a.t: no cases"},
      {"stray\n", "a.t:1:"},
      {"$ qxcli\n", "a.t:1:"},
      {"=== \n$ qxcli\n", "a.t:1:"},
      {"=== c\nscenario\n$ qxcli\n", "a.t:2:"},
      {"=== c\nscenario a\nscenario b\n$ qxcli\n", "a.t:3:"},
      {"=== c\nfoo bar\n$ qxcli\n", "a.t:2:"},
      {"=== c\nenv 1X=2\n$ qxcli\n", "a.t:2:"},
      {"=== c\nenv NOVALUE\n$ qxcli\n", "a.t:2:"},
      {"=== c\ncopy /etc/passwd /abs\n$ qxcli\n", "a.t:2:"},
      {"=== c\n<<< stdout\n", "a.t:2:"},
      {"=== c\n", "a.t:1: case 'c' has no steps"},
      {"=== c\n=== d\n$ qxcli\n", "a.t:2: case 'c' has no steps"},
      {"=== c\n$ qxcli\n=== c\n$ qxcli\n", "a.t:3:"},
      {"=== c\n$ ls\n", "a.t:2:"},
      {"=== c\n$ qxcli 'open\n", "a.t:2:"},
      {"=== c\n$ qxcli\nloose text\n", "a.t:3:"},
      {"=== c\n$ qxcli\n<<< status 1\nloose text\n", "a.t:4:"},
      {"=== c\n$ qxcli\n<<< status 256\n", "a.t:3:"},
      {"=== c\n$ qxcli\n<<< status -1\n", "a.t:3:"},
      {"=== c\n$ qxcli\n<<< status 1 (no eol)\n", "a.t:3:"},
      {"=== c\n$ qxcli\n<<< stdout\na\n<<< stdout\nb\n", "a.t:5:"},
      {"=== c\n$ qxcli\n<<< stdot\n", "a.t:3:"},
      {"=== c\n$ qxcli\n<<< stdout (binary)\n", "a.t:3:"},
      {"=== c\n$ qxcli\n<<< file ../x\n", "a.t:3:"},
      {"=== c\n$ qxcli\n<<< file\n", "a.t:3:"},
      {"=== c\n$ qxcli\n<<< stdout (escaped)\n\\q\n", "a.t:4:"},
      {"=== c\n$ qxcli\n<<< stdout (no eol)\n$ qxcli\n", "a.t:4:"},
  };
  for (const Malformed& m : cases) {
    try {
      parseTranscript("a.t", m.text);
      ADD_FAILURE() << "accepted: " << m.text;
    } catch (const FormatError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(m.where, 0), 0u) << "text: " << m.text << "\nerror: " << e.what();
    }
  }
}

}  // namespace
}  // namespace qxt
