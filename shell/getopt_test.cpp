#include "shell/getopt.h"

#include "platform/environment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

namespace qx::shell {
namespace {

// A writable word vector, as the dispatcher hands it to a handler.
class Words {
 public:
  Words(std::initializer_list<const char*> words) {
    for (const char* w : words) storage_.emplace_back(w);
    for (std::string& s : storage_) pointers_.push_back(s.data());
    pointers_.push_back(nullptr);
  }
  int argc() const { return static_cast<int>(storage_.size()); }
  char** argv() { return pointers_.data(); }
  const std::string& operator[](size_t i) const { return storage_[i]; }

 private:
  std::vector<std::string> storage_;
  std::vector<char*> pointers_;
};

const LongOption kInfoOptions[] = {
    {"object", kRequiredArgument, nullptr, 'o'},
    {"id", kRequiredArgument, nullptr, 'i'},
    kOutputLongOption,
    kHelpLongOption,
    kEndOfLongOptions,
};
constexpr const char* kInfoString = "o:i:" QX_OUTPUT_OPTION "h";

// One option as the parser returned it.
struct Parsed {
  int code;
  std::string arg;  // "(none)" when the parser gave no argument
  bool operator==(const Parsed&) const = default;
};

void PrintTo(const Parsed& p, std::ostream* os) { *os << "{" << p.code << ", " << p.arg << "}"; }

class OptionParserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* posix = std::getenv("POSIXLY_CORRECT");
    if (posix != nullptr) saved_posix_ = posix;
    had_posix_ = posix != nullptr;
    platform::unset_environment("POSIXLY_CORRECT");
    option_parser() = OptionParserState{};
  }
  void TearDown() override {
    if (had_posix_) {
      platform::set_environment("POSIXLY_CORRECT", saved_posix_.c_str());
    } else {
      platform::unset_environment("POSIXLY_CORRECT");
    }
    option_parser() = OptionParserState{};
  }

  // Runs the handler pattern's loop and collects every code until -1; the
  // parser's messages on standard error are kept in `errors`.
  std::vector<Parsed> parse(Words& words, const char* optstring = kInfoString,
                            const LongOption* longopts = kInfoOptions) {
    std::vector<Parsed> result;
    ::testing::internal::CaptureStderr();
    start_options();
    for (int guard = 0; guard < 100; ++guard) {
      const int code = next_option(words.argc(), words.argv(), optstring, longopts);
      if (code == -1) break;
      result.push_back({code, option_arg() != nullptr ? option_arg() : "(none)"});
    }
    errors = ::testing::internal::GetCapturedStderr();
    return result;
  }

  std::string errors;

 private:
  std::string saved_posix_;
  bool had_posix_ = false;
};

using Options = std::vector<Parsed>;

TEST_F(OptionParserTest, AttachedSeparateLongAndEqualsFormsAreTheSame) {
  for (Words words : {Words{"info", "-ohba"}, Words{"info", "-o", "hba"},
                      Words{"info", "--object", "hba"}, Words{"info", "--object=hba"}}) {
    EXPECT_EQ(parse(words), (Options{{'o', "hba"}})) << words[1];
    EXPECT_EQ(errors, "");
  }
}

TEST_F(OptionParserTest, GroupedShortOptions) {
  Words plain{"wipe", "-fh"};
  EXPECT_EQ(parse(plain, "f" QX_OUTPUT_OPTION "h", nullptr), (Options{{'f', "(none)"}, {'h', "(none)"}}));

  // An option with an argument ends the group and takes the rest of the word.
  Words with_argument{"info", "-hohba", "-i", "3"};
  EXPECT_EQ(parse(with_argument), (Options{{'h', "(none)"}, {'o', "hba"}, {'i', "3"}}));

  // An unknown letter inside a group is reported and the group goes on.
  Words bad_inside{"info", "-xh"};
  EXPECT_EQ(parse(bad_inside), (Options{{'?', "(none)"}, {'h', "(none)"}}));
  EXPECT_EQ(errors, "info: invalid option -- 'x'\n");
}

TEST_F(OptionParserTest, InvalidShortOptionNamesTheTypedCommandWord) {
  Words words{"inf", "-x", "-o", "hba"};
  EXPECT_EQ(parse(words), (Options{{'?', "(none)"}, {'o', "hba"}}));
  EXPECT_EQ(errors, "inf: invalid option -- 'x'\n");
  EXPECT_EQ(option_parser().bad_option, 'x');

  // ':' marks arguments in the option string and is never an option.
  Words colon{"info", "-:"};
  EXPECT_EQ(parse(colon), (Options{{'?', "(none)"}}));
  EXPECT_EQ(errors, "info: invalid option -- ':'\n");
}

TEST_F(OptionParserTest, MissingArguments) {
  Words short_form{"info", "-o"};
  EXPECT_EQ(parse(short_form), (Options{{'?', "(none)"}}));
  EXPECT_EQ(errors, "info: option requires an argument -- 'o'\n");
  EXPECT_EQ(option_parser().bad_option, 'o');

  Words long_form{"info", "--object"};
  EXPECT_EQ(parse(long_form), (Options{{'?', "(none)"}}));
  EXPECT_EQ(errors, "info: option '--object' requires an argument\n");

  // A leading ':' silences the parser and reports ':' instead.
  Words quiet{"info", "-o"};
  EXPECT_EQ(parse(quiet, ":o:", nullptr), (Options{{':', "(none)"}}));
  EXPECT_EQ(errors, "");
  Words quiet_long{"info", "--object"};
  EXPECT_EQ(parse(quiet_long, ":o:", kInfoOptions), (Options{{':', "(none)"}}));
  EXPECT_EQ(errors, "");
}

TEST_F(OptionParserTest, RequiredArgumentTakesTheNextWordWhateverItIs) {
  Words words{"info", "-o", "-i", "--object", "--"};
  EXPECT_EQ(parse(words), (Options{{'o', "-i"}, {'o', "--"}}));
}

TEST_F(OptionParserTest, LongOptionErrors) {
  Words abbreviated{"info", "--obj", "hba"};
  EXPECT_EQ(parse(abbreviated), (Options{{'?', "(none)"}}));
  EXPECT_EQ(errors, "info: unrecognized option '--obj'\n");

  Words longer{"info", "--objects=hba"};
  EXPECT_EQ(parse(longer), (Options{{'?', "(none)"}}));
  EXPECT_EQ(errors, "info: unrecognized option '--objects=hba'\n");

  Words no_argument_allowed{"info", "--help=yes", "-o", "pd"};
  EXPECT_EQ(parse(no_argument_allowed), (Options{{'?', "(none)"}, {'o', "pd"}}));
  EXPECT_EQ(errors, "info: option '--help' doesn't allow an argument\n");
  EXPECT_EQ(option_parser().bad_option, 'h');

  // An empty value after '=' is still a value.
  Words empty_value{"info", "--id="};
  EXPECT_EQ(parse(empty_value), (Options{{'i', ""}}));
}

TEST_F(OptionParserTest, WithoutALongTableDoubleDashWordsAreShortGroups) {
  Words words{"version", "--ab"};
  EXPECT_EQ(parse(words, "a" QX_OUTPUT_OPTION, nullptr),
            (Options{{'?', "(none)"}, {'a', "(none)"}, {'?', "(none)"}}));
  EXPECT_EQ(errors, "version: invalid option -- '-'\nversion: invalid option -- 'b'\n");
}

TEST_F(OptionParserTest, StrayWordsAreSkippedInPlace) {
  Words words{"info", "stray", "-o", "hba", "-", "tail"};
  EXPECT_EQ(parse(words), (Options{{'o', "hba"}}));
  // The scan index stops at the first word left over; nothing was reordered.
  EXPECT_EQ(option_parser().index, 4);
  const char* expected[] = {"info", "stray", "-o", "hba", "-", "tail"};
  for (int i = 0; i < words.argc(); ++i) EXPECT_STREQ(words.argv()[i], expected[i]);
}

TEST_F(OptionParserTest, DoubleDashEndsTheOptions) {
  Words words{"info", "-o", "hba", "--", "-i", "3"};
  EXPECT_EQ(parse(words), (Options{{'o', "hba"}}));
  EXPECT_EQ(option_parser().index, 4);
}

TEST_F(OptionParserTest, PosixModeStopsAtTheFirstNonOption) {
  platform::set_environment("POSIXLY_CORRECT", "1");
  Words words{"info", "stray", "-o", "hba"};
  EXPECT_EQ(parse(words), Options{});
  EXPECT_EQ(option_parser().index, 1);

  // A '+' in front of the option string asks for the same.
  platform::unset_environment("POSIXLY_CORRECT");
  option_parser() = OptionParserState{};
  Words plus{"info", "stray", "-o", "hba"};
  EXPECT_EQ(parse(plus, "+o:", nullptr), Options{});
}

TEST_F(OptionParserTest, ModesAreFixedByTheFirstParseOfTheProcess) {
  Words first{"info", "stray", "-o", "hba"};
  EXPECT_EQ(parse(first), (Options{{'o', "hba"}}));
  platform::set_environment("POSIXLY_CORRECT", "1");
  Words second{"info", "stray", "-o", "pd"};
  EXPECT_EQ(parse(second), (Options{{'o', "pd"}}));
  // Setting the scan index to 0 asks for the modes to be determined again.
  option_parser().index = 0;
  Words third{"info", "stray", "-o", "vd"};
  EXPECT_EQ(next_option(third.argc(), third.argv(), kInfoString, kInfoOptions), -1);
}

TEST_F(OptionParserTest, InOrderModeReturnsNonOptionsAsCodeOne) {
  Words words{"x", "a", "-o", "v", "b"};
  EXPECT_EQ(parse(words, "-o:", nullptr), (Options{{1, "a"}, {'o', "v"}, {1, "b"}}));
}

TEST_F(OptionParserTest, MarkedOutputWordIsTheOutputOptionAndItsFileIsSkipped) {
  // Start-up overwrites the second character of "-output" with the byte 1.
  Words words{"info", "-o", "hba", "-\1utput", "out.txt"};
  EXPECT_EQ(parse(words), (Options{{'o', "hba"}, {kOutputOption, "utput"}}));
  EXPECT_EQ(errors, "");
  Words typed_long{"info", "--output", "out.txt", "-o", "pd"};
  EXPECT_EQ(parse(typed_long), (Options{{kOutputOption, "out.txt"}, {'o', "pd"}}));
}

TEST_F(OptionParserTest, OptionalArgumentOnlyInTheAttachedForm) {
  Words attached{"x", "-ofoo"};
  EXPECT_EQ(parse(attached, "o::", nullptr), (Options{{'o', "foo"}}));
  Words separate{"x", "-o", "foo"};
  EXPECT_EQ(parse(separate, "o::", nullptr), (Options{{'o', "(none)"}}));

  const LongOption optional[] = {{"level", kOptionalArgument, nullptr, 'l'}, kEndOfLongOptions};
  Words long_bare{"x", "--level", "3"};
  EXPECT_EQ(parse(long_bare, "l::", optional), (Options{{'l', "(none)"}}));
  Words long_equals{"x", "--level=3"};
  EXPECT_EQ(parse(long_equals, "l::", optional), (Options{{'l', "3"}}));
}

TEST_F(OptionParserTest, FlagTargetAndLongIndex) {
  int waive = 0;
  const LongOption options[] = {{"force", kNoArgument, nullptr, 'f'},
                                {"waiveconfirmation", kNoArgument, &waive, 7},
                                kEndOfLongOptions};
  Words words{"delete", "--waiveconfirmation"};
  start_options();
  int index = -5;
  EXPECT_EQ(next_option(words.argc(), words.argv(), "f", options, &index), 0);
  EXPECT_EQ(waive, 7);
  EXPECT_EQ(index, 1);
  EXPECT_EQ(next_option(words.argc(), words.argv(), "f", options, &index), -1);
}

TEST_F(OptionParserTest, StartingAgainDropsAnUnfinishedGroup) {
  Words first{"wipe", "-fh"};
  start_options();
  EXPECT_EQ(next_option(first.argc(), first.argv(), "fhz", nullptr), 'f');
  Words second{"wipe", "-z"};
  start_options();
  EXPECT_EQ(next_option(second.argc(), second.argv(), "fhz", nullptr), 'z');
  EXPECT_EQ(next_option(second.argc(), second.argv(), "fhz", nullptr), -1);

  // A group left pending is not resumed on another vector, even without a restart.
  Words third{"wipe", "-fh"};
  start_options();
  EXPECT_EQ(next_option(third.argc(), third.argv(), "fhz", nullptr), 'f');
  Words fourth{"wipe", "-z"};
  EXPECT_EQ(next_option(fourth.argc(), fourth.argv(), "fhz", nullptr), 'z');
}

TEST_F(OptionParserTest, ErrorPrintingCanBeTurnedOff) {
  option_parser().print_errors = 0;
  Words words{"info", "-x", "--obj", "-o"};
  EXPECT_EQ(parse(words), (Options{{'?', "(none)"}, {'?', "(none)"}, {'?', "(none)"}}));
  EXPECT_EQ(errors, "");
}

TEST_F(OptionParserTest, NoWordsAfterTheCommand) {
  Words words{"info"};
  EXPECT_EQ(parse(words), Options{});
  EXPECT_EQ(option_arg(), nullptr);
}

}  // namespace
}  // namespace qx::shell
