#include "line_diff.h"

#include <gtest/gtest.h>

namespace qxt {
namespace {

std::string numbered(int from, int to, const std::string& tag = "") {
  std::string text;
  for (int i = from; i <= to; ++i) text += "line " + std::to_string(i) + tag + "\n";
  return text;
}

TEST(UnifiedDiff, EqualTextsGiveNothing) {
  EXPECT_EQ(unifiedDiff("", ""), "");
  EXPECT_EQ(unifiedDiff("a\nb", "a\nb"), "");
}

TEST(UnifiedDiff, ChangedLineWithContext) {
  std::string actual = numbered(1, 10);
  actual.replace(actual.find("line 5"), 6, "LINE 5");
  EXPECT_EQ(unifiedDiff(numbered(1, 10), actual),
            "--- expected\n+++ actual\n"
            "@@ -2,7 +2,7 @@\n"
            " line 2\n line 3\n line 4\n-line 5\n+LINE 5\n line 6\n line 7\n line 8\n");
}

TEST(UnifiedDiff, InsertionsAndDeletionsAtTheEdges) {
  EXPECT_EQ(unifiedDiff("b\n", "a\nb\n"), "--- expected\n+++ actual\n@@ -1,1 +1,2 @@\n+a\n b\n");
  EXPECT_EQ(unifiedDiff("a\nb\n", "a\n"), "--- expected\n+++ actual\n@@ -1,2 +1,1 @@\n a\n-b\n");
  EXPECT_EQ(unifiedDiff("", "x\n"), "--- expected\n+++ actual\n@@ -0,0 +1,1 @@\n+x\n");
}

TEST(UnifiedDiff, MissingLineEndIsAChange) {
  EXPECT_EQ(unifiedDiff("a\n> ", "a\n> \n"),
            "--- expected\n+++ actual\n@@ -1,2 +1,2 @@\n a\n-> \n\\ No newline at end of file\n+> \n");
}

TEST(UnifiedDiff, TrailingBlankAndBlankLineDifferencesShow) {
  EXPECT_NE(unifiedDiff("a \n", "a\n"), "");
  EXPECT_EQ(unifiedDiff("a\n\n", "a\n"), "--- expected\n+++ actual\n@@ -1,2 +1,1 @@\n a\n-\n");
}

int hunkCount(const std::string& diff) {
  int count = 0;
  for (std::size_t at = diff.find("\n@@ "); at != std::string::npos; at = diff.find("\n@@ ", at + 1)) ++count;
  return count;
}

// Changes at lines `a` and `b` of twenty lines.
std::string twoChanges(int a, int b) {
  std::string text;
  for (int i = 1; i <= 20; ++i) text += (i == a || i == b ? "changed " : "line ") + std::to_string(i) + "\n";
  return text;
}

TEST(UnifiedDiff, ChangesFartherApartThanTwiceTheContextMakeSeparateHunks) {
  // Seven unchanged lines between the changes: two hunks.
  const std::string apart = unifiedDiff(numbered(1, 20), twoChanges(5, 13));
  EXPECT_EQ(hunkCount(apart), 2) << apart;
  EXPECT_NE(apart.find("@@ -2,7 +2,7 @@"), std::string::npos) << apart;
  EXPECT_NE(apart.find("@@ -10,7 +10,7 @@"), std::string::npos) << apart;
  // Six unchanged lines between them: one hunk.
  const std::string close = unifiedDiff(numbered(1, 20), twoChanges(5, 12));
  EXPECT_EQ(hunkCount(close), 1) << close;
  EXPECT_NE(close.find("@@ -2,14 +2,14 @@"), std::string::npos) << close;
}

TEST(UnifiedDiff, KeepsCommonLinesBetweenChanges) {
  EXPECT_EQ(unifiedDiff("a\nb\nc\nd\n", "a\nx\nc\ny\n"),
            "--- expected\n+++ actual\n@@ -1,4 +1,4 @@\n a\n-b\n+x\n c\n-d\n+y\n");
}

TEST(UnifiedDiff, ShowsControlBytes) {
  EXPECT_EQ(unifiedDiff("a\x01\n", "a\n"), "--- expected\n+++ actual\n@@ -1,1 +1,1 @@\n-a\\x01\n+a\n");
}

TEST(UnifiedDiff, HugeDifferencesStayCorrect) {
  // Too big for the exact table: shown as a block removed and a block added.
  const std::string expected = numbered(1, 3000);
  const std::string actual = numbered(1, 3000, "x");
  const std::string diff = unifiedDiff(expected, actual);
  EXPECT_EQ(diff.rfind("--- expected\n+++ actual\n@@ -1,3000 +1,3000 @@\n-line 1\n", 0), 0u);
  EXPECT_NE(diff.find("\n+line 3000x\n"), std::string::npos);
}

}  // namespace
}  // namespace qxt
