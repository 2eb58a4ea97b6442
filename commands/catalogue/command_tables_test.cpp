#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "shell/command_table.h"

namespace qx::shell {
namespace {

struct NamedTable {
  const char* label;
  CommandTable table;
};

std::vector<NamedTable> all_tables() {
  return {{"arrays-less main", arrayless_main_table()},
          {"arrays-less hidden", arrayless_hidden_table()},
          {"array-capable main", array_main_table()},
          {"array-capable hidden", array_hidden_table()}};
}

std::string names_of(CommandTable table) {
  std::string names;
  for (uint16_t i = 0; i < table.count; ++i) {
    if (i != 0) names += ' ';
    names += table.entries[i].name;
  }
  return names;
}

bool has_two_variants(std::string_view name) {
  return name == "rebuild" || name == "migrate" || name == "create" || name == "set";
}

TEST(CommandTables, ListCommandsInTheirFixedOrder) {
  // The order is what `help` lists and what decides which of several
  // prefix matches dispatch remembers, so it is part of the interface.
  EXPECT_EQ(names_of(arrayless_main_table()),
            "? help assign init cc rebuild migrate copyback mp smart sat flash enc aesop aesentry "
            "aesport locate forceonline adapter create delete event get info set import devmap");
  EXPECT_EQ(names_of(array_main_table()),
            "? help assign init cc rebuild migrate copyback mp smart sat flash enc aesop aesentry "
            "aesport locate forceonline devmap adapter create delete event get info set import");
  EXPECT_EQ(names_of(arrayless_hidden_table()),
            "ecc hl segment mp register diskidofvd diskidofhd map rct topology scrub "
            "maxcreatesize wipe error version flash tier dpmsg");
  EXPECT_EQ(names_of(array_hidden_table()),
            "ecc hl register devmap diskidofvd map rct topology scrub maxcreatesize wipe error "
            "version flash");
  EXPECT_EQ(arrayless_main_table().count, 27);
  EXPECT_EQ(arrayless_hidden_table().count, 18);
  EXPECT_EQ(array_main_table().count, 27);
  EXPECT_EQ(array_hidden_table().count, 14);
}

TEST(CommandTables, EachPageDescribesItsOwnCommand) {
  // The usage line (the first non-empty line of the page) starts with the
  // command's name, in whatever capitals the page uses; `?` shows the page
  // of `help`.
  for (const auto& [label, table] : all_tables()) {
    for (uint16_t i = 0; i < table.count; ++i) {
      const CommandEntry& e = table.entries[i];
      SCOPED_TRACE(std::string(label) + " " + e.name);
      std::string_view page = e.help;
      page.remove_prefix(std::min(page.find_first_not_of('\n'), page.size()));
      std::string usage(page.substr(0, page.find('\n')));
      for (char& c : usage) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      const std::string name = std::strcmp(e.name, "?") == 0 ? "help" : e.name;
      EXPECT_EQ(usage.substr(0, name.size() + 1), name + " ") << usage;
    }
  }
}

TEST(CommandTables, NamesAreUniqueWithinATable) {
  for (const auto& [label, table] : all_tables()) {
    std::set<std::string> seen;
    for (uint16_t i = 0; i < table.count; ++i) {
      EXPECT_TRUE(seen.insert(table.entries[i].name).second)
          << label << " repeats " << table.entries[i].name;
    }
  }
}

TEST(CommandTables, TheSameNameMeansTheSameCommandEverywhere) {
  // Wherever a name appears (main or hidden, either adapter kind) it is one
  // command, except the four that have a variant for array-capable adapters.
  const auto tables = all_tables();
  for (const auto& [label_a, a] : tables) {
    for (const auto& [label_b, b] : tables) {
      for (uint16_t i = 0; i < a.count; ++i) {
        for (uint16_t j = 0; j < b.count; ++j) {
          const CommandEntry& x = a.entries[i];
          const CommandEntry& y = b.entries[j];
          if (std::strcmp(x.name, y.name) != 0 || has_two_variants(x.name)) continue;
          SCOPED_TRACE(std::string(x.name) + " in " + label_a + " and " + label_b);
          EXPECT_EQ(x.handler, y.handler);
          EXPECT_EQ(x.help, y.help);
          EXPECT_STREQ(x.brief, y.brief);
        }
      }
    }
  }
}

}  // namespace
}  // namespace qx::shell
