// Every command's page is reachable: `help NAME` prints the page of the entry
// that NAME names, and a command's own -h prints the same page.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "commands/handlers.h"
#include "shell/gating.h"
#include "shell/state.h"

namespace qx::commands {
namespace {

using shell::CommandTable;
using shell::state;

class HelpPageTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    saved_ = state();
    state().current_adapter = 0;
    state().adapters[0] = {};
    state().adapters[0].max_arrays = GetParam() ? 4 : 0;
    shell::select_command_tables();
  }
  void TearDown() override { state() = saved_; }

  // Runs a handler with the given words and returns what it printed.
  static std::string run(shell::Handler handler, const CommandEntry& self,
                         std::vector<std::string> words) {
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    FILE* out = std::tmpfile();
    state().out = out;
    ::testing::internal::CaptureStderr();
    handler(static_cast<int>(words.size()), argv.data(), self);
    ::testing::internal::GetCapturedStderr();
    state().out = stdout;
    std::rewind(out);
    std::string text;
    for (int c; (c = std::fgetc(out)) != EOF;) text += static_cast<char>(c);
    std::fclose(out);
    return text;
  }

  static std::string page_of(const CommandEntry& e) {
    return std::string("Description") + e.brief + e.help;
  }

  static const CommandEntry& help_entry() {
    const CommandTable& t = state().main_table;
    for (uint16_t i = 0; i < t.count; ++i) {
      if (std::strcmp(t.entries[i].name, "help") == 0) return t.entries[i];
    }
    throw std::logic_error("no help entry");
  }

  static bool enabled_in_main(const char* name) {
    const CommandTable& t = state().main_table;
    for (uint16_t i = 0; i < t.count; ++i) {
      if (t.entries[i].visibility != shell::kWithdrawn && std::strcmp(t.entries[i].name, name) == 0)
        return true;
    }
    return false;
  }

 private:
  shell::ShellState saved_;
};

TEST_P(HelpPageTest, HelpNamePrintsTheEntrysOwnPage) {
  const CommandTable main_table = state().main_table;
  for (uint16_t i = 0; i < main_table.count; ++i) {
    const CommandEntry& e = main_table.entries[i];
    EXPECT_EQ(run(cmd_help, help_entry(), {"help", e.name}), page_of(e)) << e.name;
  }
  const CommandTable hidden_table = state().hidden_table;
  for (uint16_t i = 0; i < hidden_table.count; ++i) {
    const CommandEntry& e = hidden_table.entries[i];
    if (enabled_in_main(e.name) || std::strcmp(e.name, "mp") == 0) continue;
    EXPECT_EQ(run(cmd_help, help_entry(), {"help", e.name}), page_of(e)) << e.name;
  }
}

// `version` does not read its words; `smart` heads its page with a
// "Description:" line of its own.
TEST_P(HelpPageTest, DashHPrintsTheSamePage) {
  int checked = 0;
  for (const CommandTable& table : {state().main_table, state().hidden_table}) {
    for (uint16_t i = 0; i < table.count; ++i) {
      const CommandEntry& e = table.entries[i];
      if (std::strcmp(e.name, "version") == 0) continue;
      const std::string printed = run(e.handler, e, {e.name, "-h"});
      // Rebuild refuses before it reads its options where the adapter cannot rebuild.
      if (e.handler == cmd_rebuild && (state().adapters[state().current_adapter].features & QX_FEATURE_REBUILD) == 0) {
        EXPECT_EQ(printed, "Rebuilding is not supported by this HBA!\n");
        continue;
      }
      // So does scrub where the adapter runs no disk activities.
      if (e.handler == cmd_scrub &&
          (state().adapters[state().current_adapter].features & QX_FEATURE_PD_BGA_STATUS) == 0) {
        EXPECT_EQ(printed, "Data scrubbing is not supported.\n");
        continue;
      }
      if (std::strcmp(e.name, "maxcreatesize") == 0) {
        EXPECT_EQ(printed, page_of(e).substr(std::strlen("Description")));
        continue;
      }
      if (std::strcmp(e.name, "smart") == 0) {
        EXPECT_EQ(printed, "Description:\n" + page_of(e).substr(std::strlen("Description"))) << e.name;
        continue;
      }
      EXPECT_EQ(printed, page_of(e)) << e.name;
      ++checked;
    }
  }
  EXPECT_GT(checked, 0);
}

INSTANTIATE_TEST_SUITE_P(BothAdapterKinds, HelpPageTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& param) {
                           return param.param ? "ArrayCapable" : "ArraysLess";
                         });

}  // namespace
}  // namespace qx::commands
