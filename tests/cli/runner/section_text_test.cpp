#include "section_text.h"

#include <gtest/gtest.h>

#include "format_error.h"

namespace qxt {
namespace {

using Lines = std::vector<std::string>;

TEST(DecodeSection, EveryLineEndsInNewlineUnlessNoEol) {
  EXPECT_EQ(decodeSection({"a", "", "b "}, {}), "a\n\nb \n");
  EXPECT_EQ(decodeSection({"a", "> "}, {.noEol = true}), "a\n> ");
  EXPECT_EQ(decodeSection({""}, {}), "\n");
  EXPECT_EQ(decodeSection({""}, {.noEol = true}), "");
  EXPECT_EQ(decodeSection({}, {}), "");
  EXPECT_THROW(decodeSection({}, {.noEol = true}), FormatError);
}

TEST(DecodeSection, OneLeadingBackslashIsDroppedOnlyBeforeAMarker) {
  EXPECT_EQ(decodeSection({"\\=== x", "\\$ ls", "\\<<< y"}, {}), "=== x\n$ ls\n<<< y\n");
  EXPECT_EQ(decodeSection({"\\\\$ ls"}, {}), "\\$ ls\n");
  EXPECT_EQ(decodeSection({"\\path\\x", "\\$x", "\\==="}, {}), "\\path\\x\n\\$x\n\\===\n");
}

TEST(DecodeSection, EscapedSectionsDecodeBytes) {
  EXPECT_EQ(decodeSection({"-\\x01utput \\\\ \\x7f"}, {.escaped = true}), "-\x01utput \\ \x7f\n");
  EXPECT_EQ(decodeSection({"a\\x0D"}, {.noEol = true, .escaped = true}), "a\r");
  for (const char* bad : {"\\n", "\\x1", "\\xZZ", "end\\"}) {
    EXPECT_THROW(decodeSection({bad}, {.escaped = true}), FormatError) << bad;
  }
}

TEST(SectionFlags, ParseAndPrint) {
  EXPECT_EQ(parseSectionFlags("no eol"), (SectionFlags{.noEol = true}));
  EXPECT_EQ(parseSectionFlags("escaped, no eol"), (SectionFlags{.noEol = true, .escaped = true}));
  EXPECT_THROW(parseSectionFlags("noeol"), FormatError);
  EXPECT_THROW(parseSectionFlags("no eol, binary"), FormatError);
  EXPECT_EQ(sectionFlagsSuffix({}), "");
  EXPECT_EQ(sectionFlagsSuffix({.noEol = true, .escaped = true}), " (no eol, escaped)");
  EXPECT_EQ(sectionFlagsSuffix(parseSectionFlags("as written, no eol")), " (no eol, as written)");
  const SectionFlags only = parseSectionFlags("escaped, only PD valid size:, only name:");
  EXPECT_EQ(only.only, (std::vector<std::string>{"PD valid size:", "name:"}));
  EXPECT_EQ(sectionFlagsSuffix(only), " (escaped, only PD valid size:, only name:)");
  EXPECT_THROW(parseSectionFlags("only "), FormatError) << "only what?";
}

TEST(SectionFlags, OnlyKeepsTheLinesHoldingTheText) {
  EXPECT_EQ(linesContaining("id: 1\nsize: 5 M\n\nname: a size:\nsize: 7 M", {"size:", "name:"}),
            "size: 5 M\nname: a size:\nsize: 7 M") << "each line once, in its place";
  EXPECT_EQ(linesContaining("id: 1\n", {"size:"}), "");
}

TEST(EncodeSection, RoundTripsAnyText) {
  const std::string texts[] = {
      "",
      "\n",
      "\n\n",
      "x",
      "trailing blanks  \n\n",
      "> ",
      "=== not a case\n$ not a step\n<<< not a section\n",
      "\\=== already one backslash\n\\\\$ two\n",
      "ends with a backslash\\",
      std::string("nul \0 byte\n", 11),
      "-\x01utput\r\n\xff\xfe",
      "\\x41 is not an escape in plain text\n",
      "tab\tstays\n",
  };
  for (const std::string& text : texts) {
    const EncodedSection section = encodeSection(text);
    EXPECT_EQ(decodeSection(section.lines, section.flags), text) << printable(text);
    for (const std::string& line : section.lines) EXPECT_FALSE(isMarkerLine(line)) << line;
  }
}

TEST(EncodeSection, EscapesOnlyWhenTextNeedsIt) {
  EXPECT_EQ(encodeSection("a\\b\tc\n").flags, SectionFlags{});
  EXPECT_EQ(encodeSection("a\\b\tc\n").lines, Lines{"a\\b\tc"});
  const EncodedSection control = encodeSection("a\\b\x01\n");
  EXPECT_TRUE(control.flags.escaped);
  EXPECT_EQ(control.lines, Lines{"a\\\\b\\x01"});
  EXPECT_EQ(encodeSection("> ").flags, (SectionFlags{.noEol = true}));
}

TEST(Printable, ShowsControlBytesAsHex) {
  EXPECT_EQ(printable("a\x01\tb\x7f\xc3"), "a\\x01\tb\\x7F\\xC3");
}

}  // namespace
}  // namespace qxt
