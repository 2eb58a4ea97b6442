#include "shell/values.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace qx::shell {
namespace {

TEST(DecimalNumbers, CheckAndConversion) {
  EXPECT_TRUE(is_decimal_number("0"));
  EXPECT_TRUE(is_decimal_number("0123"));
  EXPECT_TRUE(is_decimal_number(""));  // an empty argument selects 0
  EXPECT_EQ(decimal_value(""), 0);
  EXPECT_FALSE(is_decimal_number("1F"));
  EXPECT_FALSE(is_decimal_number("-1"));
  EXPECT_FALSE(is_decimal_number(" 1"));
  EXPECT_FALSE(is_decimal_number("1 "));
  EXPECT_EQ(decimal_value("0123"), 123);
  // The conversion alone takes a leading number the way strtol does.
  EXPECT_EQ(decimal_value("  -12abc"), -12);
  EXPECT_EQ(decimal_value("abc"), 0);
  EXPECT_EQ(decimal_value("256") & 0xFF, 0);
  // A 32-bit long's lower bound, which the digit check keeps away from the
  // commands (the upper one is in the transcripts).
  EXPECT_EQ(decimal_value("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(decimal_value("-2147483649"), -2147483647 - 1);
  EXPECT_EQ(decimal_value("-99999999999999999999"), -2147483647 - 1);
}

TEST(HexNumbers, Check) {
  EXPECT_TRUE(is_hex_number("0x1F"));
  EXPECT_TRUE(is_hex_number("0X0"));
  EXPECT_FALSE(is_hex_number("0x"));
  EXPECT_FALSE(is_hex_number("0X"));
  EXPECT_FALSE(is_hex_number("1F"));
  EXPECT_FALSE(is_hex_number("x1F"));
  EXPECT_FALSE(is_hex_number("0x1G"));
  EXPECT_FALSE(is_hex_number("0x 1"));
  EXPECT_FALSE(is_hex_number(""));
}

TEST(HexNumbers, Conversion) {
  EXPECT_EQ(hex_value("0x1F"), 31u);
  EXPECT_EQ(hex_value("0x1f"), 31u);
  EXPECT_EQ(hex_value("0XaBcD"), 0xABCDu);
  EXPECT_EQ(hex_value("0xFFFFFFFF"), 0xFFFFFFFFu);
  EXPECT_EQ(hex_value("0x00000000a"), 0xAu);
  // Beyond eight digits the upper ones are shifted out.
  EXPECT_EQ(hex_value("0x123456789"), 0x23456789u);
}

// A destination with a guard byte pattern, to see exactly what was written.
struct Buffer {
  char bytes[16];
  Buffer() { std::memset(bytes, '#', sizeof bytes); }
};

TEST(CopyArgument, UnquotedKeepsAtMostNMinusOne) {
  Buffer b;
  copy_argument(b.bytes, "abcdef", 4);
  EXPECT_STREQ(b.bytes, "abc");
  EXPECT_EQ(b.bytes[4], '#');

  Buffer fits;
  copy_argument(fits.bytes, "ab", 4);
  EXPECT_STREQ(fits.bytes, "ab");

  Buffer empty;
  copy_argument(empty.bytes, "", 4);
  EXPECT_STREQ(empty.bytes, "");
}

TEST(CopyArgument, QuotedDropsTheQuotesAndKeepsAtMostN) {
  Buffer b;
  copy_argument(b.bytes, "\"abcdef\"", 4);
  EXPECT_STREQ(b.bytes, "abcd");
  EXPECT_EQ(b.bytes[5], '#');

  Buffer blanks;
  copy_argument(blanks.bytes, "\"my disk\"", 10);
  EXPECT_STREQ(blanks.bytes, "my disk");

  // The first and last characters are dropped whatever the last one is.
  Buffer open;
  copy_argument(open.bytes, "\"abc", 10);
  EXPECT_STREQ(open.bytes, "ab");

  Buffer nothing;
  copy_argument(nothing.bytes, "\"\"", 10);
  EXPECT_STREQ(nothing.bytes, "");

  Buffer lone;
  copy_argument(lone.bytes, "\"", 10);
  EXPECT_STREQ(lone.bytes, "");
}

TEST(CopyArgument, LengthIsJudgedWithoutQuotes) {
  EXPECT_EQ(argument_length("abcdef"), 6u);
  EXPECT_EQ(argument_length("\"abcdef\""), 6u);
  EXPECT_EQ(argument_length("\"\""), 0u);
  EXPECT_EQ(argument_length("\""), 0u);
  EXPECT_EQ(argument_length(""), 0u);
}

TEST(FileNameArgument, QuotedRunsToTheNextQuoteAndLongNamesAreRefused) {
  EXPECT_EQ(file_name_argument("image.bin"), "image.bin");
  EXPECT_EQ(file_name_argument("\"my image.bin\" tail"), "my image.bin");  // stops at the closing quote
  EXPECT_EQ(file_name_argument("\"open ended"), "open ended");
  EXPECT_EQ(file_name_argument("\"\""), "");
  const std::string longest(kMaxFileNameLength, 'f');
  EXPECT_EQ(file_name_argument(longest.c_str()), longest);
  EXPECT_EQ(file_name_argument(("\"" + longest + "\"").c_str()), longest);
  EXPECT_FALSE(file_name_argument((longest + "f").c_str()).has_value());
}

TEST(EqualsIgnoringCase, OnlyLettersFold) {
  EXPECT_TRUE(equals_ignoring_case("-OUTPUT", "-output"));
  EXPECT_TRUE(equals_ignoring_case("Hba", "hBA"));
  EXPECT_TRUE(equals_ignoring_case("", ""));
  EXPECT_FALSE(equals_ignoring_case("hba", "hb"));
  EXPECT_FALSE(equals_ignoring_case("hb", "hba"));
  EXPECT_FALSE(equals_ignoring_case("[", "{"));  // not letters: 0x5B and 0x7B differ
  EXPECT_FALSE(equals_ignoring_case("--output", "-output"));
}

TEST(PrintableText, ReplacesControlBytesAndStopsAtTheLimit) {
  EXPECT_EQ(printable_text("KITE-S1 x", 20), "KITE-S1 x");
  EXPECT_EQ(printable_text("a\tb\x7f" "c\x80", 20), "a?b?c?");
  EXPECT_EQ(printable_text("0123456789abcdefghijXYZ", 20), "0123456789abcdefghij");
  const char unterminated[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(printable_text(unterminated, 4), "abcd");
}

TEST(RaidLevels, NamesAndModeCodes) {
  EXPECT_STREQ(raid_level_name(QX_RAID5), "RAID5");
  EXPECT_STREQ(raid_level_name(QX_RAID1E), "RAID1e");
  EXPECT_STREQ(raid_level_name(QX_TIER_SAFE), "twinTier safe");
  EXPECT_STREQ(raid_level_name(QX_JBOD), "JBOD");
  EXPECT_STREQ(raid_level_name(2), "unknown");
  EXPECT_STREQ(raid_level_name(255), "unknown");

  EXPECT_EQ(raid_mode_code("5"), QX_RAID5);
  EXPECT_EQ(raid_mode_code("10"), QX_RAID10);
  EXPECT_EQ(raid_mode_code("1e"), QX_RAID1E);
  EXPECT_EQ(raid_mode_code("1E"), QX_RAID1E);
  EXPECT_EQ(raid_mode_code("hybrid"), QX_TIER_HYBRID);
  EXPECT_EQ(raid_mode_code("raid5"), kNoCode);
  EXPECT_EQ(raid_mode_code("TC"), kNoCode);
  EXPECT_EQ(raid_mode_code("05"), kNoCode);
  EXPECT_EQ(raid_mode_code("1e0"), kNoCode);
  EXPECT_EQ(raid_mode_code(""), kNoCode);
  // Every code a -r value gives has a name of its own.
  for (const char* text : {"0", "1", "10", "1E", "5", "50", "6", "60", "tc", "ts", "hybrid"}) {
    EXPECT_STRNE(raid_level_name(raid_mode_code(text)), "unknown") << text;
  }
}

TEST(BgaActions, ExactLowerCaseWords) {
  EXPECT_EQ(bga_action_code("start"), QX_BGA_ACTION_START);
  EXPECT_EQ(bga_action_code("pause"), QX_BGA_ACTION_PAUSE);
  EXPECT_EQ(bga_action_code("resume"), QX_BGA_ACTION_RESUME);
  EXPECT_EQ(bga_action_code("stop"), QX_BGA_ACTION_STOP);
  EXPECT_EQ(bga_action_code("Start"), kNoCode);
  EXPECT_EQ(bga_action_code("STOP"), kNoCode);
  EXPECT_EQ(bga_action_code("sta"), kNoCode);
  EXPECT_EQ(bga_action_code("stops"), kNoCode);
}

TEST(LinkSpeed, Names) {
  EXPECT_STREQ(link_speed_name(1), "2.5Gb/s");
  EXPECT_STREQ(link_speed_name(3), "8Gb/s");
  EXPECT_STREQ(link_speed_name(0), "Unknown");
  EXPECT_STREQ(link_speed_name(4), "Unknown");
}

QX_PD_INFO plain(uint8_t bits) {
  QX_PD_INFO r{};
  r.type_bits = bits;
  return r;
}

QX_PD_INFO extended(uint8_t link, uint8_t device) {
  QX_PD_INFO r{};
  r.link_bits = link;
  r.device_type = device;
  return r;
}

TEST(DiskType, PlainForm) {
  EXPECT_EQ(disk_type_text(plain(0x01), kPlainForm), "SATA PD");
  EXPECT_EQ(disk_type_text(plain(0x0C), kPlainForm), "SAS ATAPI CD/DVD");
  EXPECT_EQ(disk_type_text(plain(0x03), kPlainForm), "SATA PD");
  EXPECT_EQ(disk_type_text(plain(0x12), kPlainForm), "PATA TAPE");
  EXPECT_EQ(disk_type_text(plain(0x18), kPlainForm), "unknown ATAPI CD/DVD");
  EXPECT_EQ(disk_type_text(plain(0x24), kPlainForm), "SAS");
  EXPECT_EQ(disk_type_text(plain(0x00), kPlainForm), "unknown PD");
  // The extended fields are not read in the plain form.
  QX_PD_INFO both = plain(0x04);
  both.link_bits = 0x05;
  both.device_type = 13;
  EXPECT_EQ(disk_type_text(both, kPlainForm), "SAS PD");
}

TEST(DiskType, ExtendedForm) {
  EXPECT_EQ(disk_type_text(extended(0x05, 0), kExtendedForm), "SATA PD");
  EXPECT_EQ(disk_type_text(extended(0x09, 1), kExtendedForm), "PATA TAPE");
  EXPECT_EQ(disk_type_text(extended(0x06, 13), kExtendedForm), "SAS ENCLOSURE");
  EXPECT_EQ(disk_type_text(extended(0x15, 5), kExtendedForm), "SATA ATAPI CD/DVD");
  EXPECT_EQ(disk_type_text(extended(0x07, 2), kExtendedForm), "SATA PRINTER");
  EXPECT_EQ(disk_type_text(extended(0x10, 0), kExtendedForm), " ATAPI PD");
  EXPECT_EQ(disk_type_text(extended(0x00, 0), kExtendedForm), " PD");
  EXPECT_EQ(disk_type_text(extended(0x15, 0x1f), kExtendedForm), "unknown 0x1f");
  EXPECT_EQ(disk_type_text(extended(0x05, 255), kExtendedForm), "unknown 0xff");
}

TEST(NumberList, JoinsWithCommas) {
  const uint8_t phys[] = {0, 1, 2, 3};
  EXPECT_EQ(number_list_text(phys, 4), "0, 1, 2, 3");
  EXPECT_EQ(number_list_text(phys, 1), "0");
  EXPECT_EQ(number_list_text(phys, 0), "");
  uint8_t many[255];
  for (int i = 0; i < 255; ++i) many[i] = 255;
  const std::string text = number_list_text(many, 255);
  EXPECT_EQ(text.size(), 255u * 3 + 254u * 2);
  EXPECT_EQ(text.substr(0, 10), "255, 255, ");
}

}  // namespace
}  // namespace qx::shell
