#include "words.h"

#include <gtest/gtest.h>

#include "format_error.h"

namespace qxt {
namespace {

using Words = std::vector<std::string>;

TEST(SplitWords, BlanksSeparateAndAreCollapsed) {
  EXPECT_EQ(splitWords("info -o  hba"), (Words{"info", "-o", "hba"}));
  EXPECT_EQ(splitWords("\t create\t-r 5 "), (Words{"create", "-r", "5"}));
  EXPECT_EQ(splitWords(""), Words{});
  EXPECT_EQ(splitWords("   "), Words{});
}

TEST(SplitWords, QuotesGroupAndAreRemoved) {
  EXPECT_EQ(splitWords("set -n 'my volume'"), (Words{"set", "-n", "my volume"}));
  EXPECT_EQ(splitWords("a\"b c\"d"), Words{"ab cd"});
  EXPECT_EQ(splitWords("'it'\\''s'"), Words{"it's"});
  // Inside single quotes nothing is special, not even a backslash.
  EXPECT_EQ(splitWords(R"('a\b' "x'y")"), (Words{R"(a\b)", "x'y"}));
}

TEST(SplitWords, EmptyQuotesMakeEmptyWords) {
  EXPECT_EQ(splitWords("'' x \"\""), (Words{"", "x", ""}));
  EXPECT_EQ(splitWords("''"), Words{""});
}

TEST(SplitWords, BackslashEscapes) {
  EXPECT_EQ(splitWords(R"(a\ b \'c \\)"), (Words{"a b", "'c", "\\"}));
  // In double quotes only '"' and '\' are escaped; other backslashes stay.
  EXPECT_EQ(splitWords(R"("q\"uote" "back\\slash" "keep\n")"), (Words{"q\"uote", "back\\slash", "keep\\n"}));
}

TEST(SplitWords, UnfinishedQuotingIsAnError) {
  EXPECT_THROW(splitWords("info 'abc"), FormatError);
  EXPECT_THROW(splitWords("info \"abc"), FormatError);
  EXPECT_THROW(splitWords("info \"abc\\\""), FormatError);
  EXPECT_THROW(splitWords("info abc\\"), FormatError);
}

}  // namespace
}  // namespace qxt
