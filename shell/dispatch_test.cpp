#include "shell/dispatch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "shell/state.h"

namespace qx::shell {
namespace {

std::string g_called;  // name of the entry whose handler ran
int g_argc = 0;

uint32_t record_call(int argc, char**, const CommandEntry& self) {
  g_called = self.name;
  g_argc = argc;
  return 40;
}

CommandEntry entry(const char* name, uint32_t visibility = kListed) {
  return {name, std::char_traits<char>::length(name) + 1, record_call, "", ":", visibility};
}

class DispatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main_entries_ = {entry("help"),    entry("assign", kWithdrawn), entry("delete"),
                     entry("devmap"),  entry("mp", kWithdrawn),     entry("migrate"),
                     entry("smart"),   entry("sat"),                entry("settle"),
                     entry("set"),     entry("wipeout"),            entry("import", kUnlisted)};
    hidden_entries_ = {entry("hl"),    entry("mp"),    entry("version"), entry("error"),
                       entry("erase"), entry("wipe"),  entry("rct", kWithdrawn)};
    saved_ = state();
    state().main_table = {main_entries_.data(), static_cast<uint16_t>(main_entries_.size())};
    state().hidden_table = {hidden_entries_.data(), static_cast<uint16_t>(hidden_entries_.size())};
    out_ = std::tmpfile();
    state().out = out_;
    g_called.clear();
    g_argc = 0;
  }
  void TearDown() override {
    state() = saved_;
    std::fclose(out_);
  }

  uint32_t run(std::vector<std::string> words) {
    g_called.clear();
    words_ = std::move(words);
    std::vector<char*> argv;
    for (std::string& w : words_) argv.push_back(w.data());
    return dispatch(static_cast<int>(argv.size()), argv.data());
  }

  std::string output() {
    std::fflush(out_);
    std::rewind(out_);
    std::string text;
    for (int c; (c = std::fgetc(out_)) != EOF;) text += static_cast<char>(c);
    return text;
  }

  std::vector<std::string> words_;  // the words of the last run, as dispatch left them

 private:
  std::vector<CommandEntry> main_entries_;
  std::vector<CommandEntry> hidden_entries_;
  ShellState saved_;
  FILE* out_ = nullptr;
};

TEST_F(DispatchTest, CommandWordIsLowerCasedInPlace) {
  EXPECT_EQ(run({"HeLp", "-X"}), 40u);
  EXPECT_EQ(g_called, "help");
  EXPECT_EQ(g_argc, 2);
  EXPECT_EQ(words_[0], "help");
  EXPECT_EQ(words_[1], "-X");  // only the command word changes
}

TEST_F(DispatchTest, UniquePrefixRunsTheCommand) {
  run({"dev"});
  EXPECT_EQ(g_called, "devmap");
  // The main table matches, so the hidden hl is not considered.
  run({"h"});
  EXPECT_EQ(g_called, "help");
  // mp is withdrawn from the main table, so m is migrate's alone.
  run({"m"});
  EXPECT_EQ(g_called, "migrate");
  // An entry hidden from the brief list is still callable.
  run({"imp"});
  EXPECT_EQ(g_called, "import");
}

TEST_F(DispatchTest, ExactNameWinsOverLongerNamesOfItsTable) {
  run({"set"});
  EXPECT_EQ(g_called, "set");
  EXPECT_EQ(run({"se"}), 1u);
  EXPECT_EQ(g_called, "");
  EXPECT_EQ(output(), "Ambiguous command 'se'!\n");
}

TEST_F(DispatchTest, AmbiguousAndInvalidWords) {
  EXPECT_EQ(run({"D"}), 1u);
  EXPECT_EQ(run({"helpme"}), 1u);
  EXPECT_EQ(run({"s"}), 1u);
  EXPECT_EQ(g_called, "");
  EXPECT_EQ(output(),
            "Ambiguous command 'd'!\nInvalid command 'helpme'!\nAmbiguous command 's'!\n");
}

TEST_F(DispatchTest, EmptyWordMatchesEveryEnabledMainCommand) {
  EXPECT_EQ(run({""}), 1u);
  EXPECT_EQ(output(), "Ambiguous command ''!\n");
}

TEST_F(DispatchTest, HiddenTableOnlyWhenTheMainTableHasNoMatch) {
  run({"ver"});
  EXPECT_EQ(g_called, "version");
  // Withdrawn from the main table, present in the hidden one.
  run({"mp"});
  EXPECT_EQ(g_called, "mp");
  // Hidden flags are not looked at.
  run({"rct"});
  EXPECT_EQ(g_called, "rct");
  // A unique main prefix wins over the hidden table's exact name.
  run({"wipe"});
  EXPECT_EQ(g_called, "wipeout");
  // Ambiguity is counted in the table searched.
  EXPECT_EQ(run({"er"}), 1u);
  EXPECT_EQ(g_called, "");
  EXPECT_EQ(output(), "Ambiguous command 'er'!\n");
}

TEST_F(DispatchTest, WithdrawnAndNowhereElseIsInvalid) {
  EXPECT_EQ(run({"assign", "-d", "1"}), 1u);
  EXPECT_EQ(output(), "Invalid command 'assign'!\n");
}

TEST_F(DispatchTest, ExitAndQuitLeaveWithoutRunningAnything) {
  EXPECT_EQ(run({"EXIT"}), kLeaveShell);
  EXPECT_EQ(run({"quit", "now"}), kLeaveShell);
  EXPECT_EQ(g_called, "");
  EXPECT_EQ(output(), "");
  // An abbreviation of exit is just an unknown word.
  EXPECT_EQ(run({"exi"}), 1u);
}

}  // namespace
}  // namespace qx::shell
