#include "shell/splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qx::shell {
namespace {

struct Split {
  SplitResult result;
  std::vector<std::string> words;
};

Split split(std::string line) {
  char* words[kMaxWords];
  int count = -1;
  const SplitResult result = split_line(line.data(), words, &count);
  Split out{result, {}};
  if (result == SplitResult::kOk) {
    for (int i = 0; i < count; ++i) out.words.emplace_back(words[i]);
  }
  return out;
}

using Words = std::vector<std::string>;

TEST(SplitLine, EmptyLineHasNoWords) {
  const Split s = split("");
  EXPECT_EQ(s.result, SplitResult::kOk);
  EXPECT_TRUE(s.words.empty());
}

TEST(SplitLine, SpacesCollapseButTabsDoNot) {
  EXPECT_EQ(split("info -o hba").words, (Words{"info", "-o", "hba"}));
  EXPECT_EQ(split("info  -o").words, (Words{"info", "-o"}));
  EXPECT_EQ(split("info\t\t-o").words, (Words{"info", "", "-o"}));
  // A tab after spaces is not skipped, so it closes an empty word.
  EXPECT_EQ(split("info \t-o").words, (Words{"info", "", "-o"}));
  // A space after a tab is skipped like any space after a separator.
  EXPECT_EQ(split("info\t -o").words, (Words{"info", "-o"}));
}

TEST(SplitLine, LeadingBlankGivesAnEmptyFirstWord) {
  EXPECT_EQ(split(" info").words, (Words{"", "info"}));
  EXPECT_EQ(split("\tinfo").words, (Words{"", "info"}));
  EXPECT_EQ(split("   ").words, (Words{""}));
}

TEST(SplitLine, TrailingBlanksAddNoWord) {
  EXPECT_EQ(split("info ").words, (Words{"info"}));
  EXPECT_EQ(split("info    ").words, (Words{"info"}));
  EXPECT_EQ(split("info\t").words, (Words{"info"}));
  EXPECT_EQ(split("info \t").words, (Words{"info", ""}));
}

TEST(SplitLine, QuotesKeepBlanksAndStayInTheWord) {
  EXPECT_EQ(split("create -n \"my disk\" -r 0").words,
            (Words{"create", "-n", "\"my disk\"", "-r", "0"}));
  EXPECT_EQ(split("a\"b\tc\"d e").words, (Words{"a\"b\tc\"d", "e"}));
  EXPECT_EQ(split("\"\"").words, (Words{"\"\""}));
  EXPECT_EQ(split("x \"a\"\"b c\"").words, (Words{"x", "\"a\"\"b c\""}));
}

TEST(SplitLine, UnterminatedQuoteFails) {
  EXPECT_EQ(split("create -n \"my disk").result, SplitResult::kUnterminatedQuote);
  EXPECT_EQ(split("\"").result, SplitResult::kUnterminatedQuote);
  EXPECT_EQ(split("a \"b\" \"").result, SplitResult::kUnterminatedQuote);
}

TEST(SplitLine, AtMostSixtyFourWords) {
  std::string line;
  // Appended piece by piece: GCC's -O3 warns falsely (-Wrestrict) about a
  // "w" + std::string temporary inside std::string.
  for (int i = 0; i < kMaxWords; ++i) line.append("w").append(std::to_string(i)).append(" ");
  const Split full = split(line);
  ASSERT_EQ(full.result, SplitResult::kOk);
  EXPECT_EQ(full.words.size(), static_cast<size_t>(kMaxWords));
  EXPECT_EQ(full.words.back(), "w63");

  EXPECT_EQ(split(std::string(line).append("w64")).result, SplitResult::kTooManyWords);
  // Empty words count too.
  EXPECT_EQ(split(std::string(kMaxWords + 1, '\t')).result, SplitResult::kTooManyWords);
  EXPECT_EQ(split(std::string(kMaxWords, '\t')).result, SplitResult::kOk);
}

}  // namespace
}  // namespace qx::shell
