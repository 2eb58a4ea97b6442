#include "shell/option_table.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "shell/state.h"

namespace qx::shell {
namespace {

constexpr int kLongOnly = kFirstLongOnlyCode + 3;

// Every kind of entry: required, optional and no argument, repeating and
// not, a letter with two long names, a letter without one, a long-only
// option.
const OptionTable& sample_table() {
  static const OptionTable table{
      {'o', "object", Arg::kRequired, kOnce, kMustGive},
      {'t', nullptr, Arg::kOptional, kRepeats},
      {'p', "password", Arg::kRequired, kOnce},
      {kLongOnly, "once", Arg::kNone, kRepeats},
      {'i', "id", Arg::kRequired, kOnce, kMustGive},
      {'p', "passphrase", Arg::kRequired, kOnce},
      kOutputEntry,
      kHelpEntry,
  };
  return table;
}

TEST(OptionTable, DerivesTheParserStringsInTableOrder) {
  const OptionTable& table = sample_table();
  EXPECT_STREQ(table.short_options(), "o:t::p:i:\1:h") << "each letter once; no long-only code";
  std::vector<std::string> names;
  for (const LongOption* o = table.long_options(); o->name != nullptr; ++o) {
    names.push_back(std::string(o->name) + "/" + std::to_string(o->has_arg) + "/" + std::to_string(o->val));
    EXPECT_EQ(o->flag, nullptr);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"object/1/111", "password/1/112", "once/0/259", "id/1/105",
                                             "passphrase/1/112", "output/1/1", "help/0/104"}));
}

// Words as the dispatcher hands them over, writable.
struct Words {
  explicit Words(std::vector<std::string> words) : text(std::move(words)) {
    for (std::string& w : text) pointers.push_back(w.data());
    pointers.push_back(nullptr);
  }
  int argc() const { return static_cast<int>(text.size()); }
  std::vector<std::string> text;
  std::vector<char*> pointers;
};

// Scans `words` to the end with the sample table.
struct Scanned {
  explicit Scanned(std::vector<std::string> list)
      : words(std::move(list)), scan(sample_table(), words.argc(), words.pointers.data()) {
    while (scan.next() != -1) {
    }
  }
  Words words;
  OptionScan scan;
};

// A parser in its first state, quiet, and not in POSIX mode whatever the
// environment says.
class OptionScanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    option_parser() = OptionParserState{};
    option_parser().posix_mode = 0;
    option_parser().in_order_mode = 0;
    option_parser().print_errors = 0;
  }
  void TearDown() override { option_parser() = OptionParserState{}; }
};

TEST_F(OptionScanTest, CountsByCodeAndFindsDuplicates) {
  Scanned both_names({"cmd", "-o", "vd", "--password", "x", "-tlevel", "-t", "--once", "--once", "-i", "1"});
  EXPECT_EQ(both_names.scan.count('t'), 2);
  EXPECT_EQ(both_names.scan.count(kLongOnly), 2);
  EXPECT_FALSE(both_names.scan.duplicated()) << "-t and --once repeat; -o, -p and -i came once";

  Scanned shared({"cmd", "-p", "x", "--passphrase", "y"});
  EXPECT_EQ(shared.scan.count('p'), 2) << "a letter's long names share its count";
  EXPECT_TRUE(shared.scan.duplicated());

  Scanned refused({"cmd", "-x", "-o", "vd", "-o", "pd"});
  EXPECT_EQ(refused.scan.count('o'), 2);
  EXPECT_EQ(refused.scan.count('?'), 0) << "an error is no option of the table";
  EXPECT_TRUE(refused.scan.duplicated());
}

TEST_F(OptionScanTest, ReportsEachMissingRequiredOptionInTableOrder) {
  std::FILE* saved = state().out;
  std::FILE* out = std::tmpfile();
  ASSERT_NE(out, nullptr);
  state().out = out;
  const CommandEntry self{"sample", 7, nullptr, "", ":", kListed};

  const bool none_given = Scanned({"sample", "-t"}).scan.report_missing(self);
  const bool id_missing = Scanned({"sample", "--object=vd"}).scan.report_missing(self);
  const bool all_given = Scanned({"sample", "-i", "2", "-o", "vd"}).scan.report_missing(self);

  state().out = saved;
  std::rewind(out);
  std::string text;
  for (int c; (c = std::fgetc(out)) != EOF;) text += static_cast<char>(c);
  std::fclose(out);
  EXPECT_TRUE(none_given);
  EXPECT_TRUE(id_missing);
  EXPECT_FALSE(all_given);
  EXPECT_EQ(text,
            "sample: option -o is required\nsample: option -i is required\n"
            "sample: option -i is required\n");
}

}  // namespace
}  // namespace qx::shell
