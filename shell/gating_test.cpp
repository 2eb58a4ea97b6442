#include "shell/gating.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "shell/state.h"

namespace qx::shell {
namespace {

using Flags = std::map<std::string, uint32_t>;

class GatingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_state_ = state();
    for (CommandTable t : all_tables()) {
      for (uint16_t i = 0; i < t.count; ++i) saved_flags_.push_back(t.entries[i].visibility);
    }
  }
  void TearDown() override {
    size_t k = 0;
    for (CommandTable t : all_tables()) {
      for (uint16_t i = 0; i < t.count; ++i) t.entries[i].visibility = saved_flags_[k++];
    }
    state() = saved_state_;
  }

  static std::vector<CommandTable> all_tables() {
    return {arrayless_main_table(), arrayless_hidden_table(), array_main_table(), array_hidden_table()};
  }

  // Makes `adapter` the current adapter 0 and runs start-up's selection and
  // gating on fresh tables (every flag 1, as in a new process); returns the
  // flags of the main table that is then selected.
  static Flags gate(const QX_ADAPTER_INFO& adapter) {
    for (CommandTable t : all_tables()) {
      for (uint16_t i = 0; i < t.count; ++i) t.entries[i].visibility = kListed;
    }
    state().current_adapter = 0;
    state().adapters[0] = adapter;
    select_command_tables();
    gate_commands(current_adapter_info());
    Flags flags;
    const CommandTable& t = state().main_table;
    for (uint16_t i = 0; i < t.count; ++i) flags[t.entries[i].name] = t.entries[i].visibility;
    return flags;
  }

  // Every listed command except the ones named.
  static Flags all_listed_except(Flags changes) {
    Flags flags;
    const CommandTable t = arrayless_main_table();
    for (uint16_t i = 0; i < t.count; ++i) flags[t.entries[i].name] = kListed;
    for (const auto& [name, flag] : changes) flags[name] = flag;
    return flags;
  }

 private:
  ShellState saved_state_;
  std::vector<uint32_t> saved_flags_;
};

QX_ADAPTER_INFO capable_adapter(const char* model = "QX-8200") {
  QX_ADAPTER_INFO a{};
  a.features = 0xFF;
  a.adv_features = (1u << 20) | (1u << 22) | (1u << 27);
  a.adv_features2 = 1u << 2;
  std::strncpy(a.model, model, sizeof a.model);
  return a;
}

TEST_F(GatingTest, FlashAndMediaPatrolAreNeverListedOnOrdinaryAdapters) {
  EXPECT_EQ(gate(capable_adapter()), all_listed_except({{"flash", 0}, {"mp", 0}}));
  EXPECT_EQ(state().array_capable, 0);
}

TEST_F(GatingTest, AllZeroRecordWithdrawsEveryGatedCommand) {
  const Flags expected = all_listed_except({
      {"assign", 0}, {"rebuild", 0}, {"init", 0}, {"cc", 0}, {"migrate", 0}, {"copyback", 0},
      {"mp", 0}, {"smart", 0}, {"sat", 0}, {"flash", 0}, {"enc", 0}, {"locate", 0},
      {"aesop", 0}, {"aesentry", 0}, {"aesport", 0}, {"forceonline", 0},
  });
  EXPECT_EQ(gate(QX_ADAPTER_INFO{}), expected);
}

TEST_F(GatingTest, SingleCapabilityBits) {
  QX_ADAPTER_INFO no_spare = capable_adapter();
  no_spare.adv_features |= 1u << 24;
  EXPECT_EQ(gate(no_spare), all_listed_except({{"flash", 0}, {"mp", 0}, {"assign", 0}}));

  // ATA pass-through keeps smart; sat needs SCSI pass-through.
  QX_ADAPTER_INFO ata_only = capable_adapter();
  ata_only.adv_features2 = 0;
  EXPECT_EQ(gate(ata_only), all_listed_except({{"flash", 0}, {"mp", 0}, {"sat", 0}}));

  QX_ADAPTER_INFO scsi_only = capable_adapter();
  scsi_only.adv_features &= ~(1u << 27);
  EXPECT_EQ(gate(scsi_only), all_listed_except({{"flash", 0}, {"mp", 0}}));
}

TEST_F(GatingTest, OemAdapterWithoutArrays) {
  const Flags expected = all_listed_except({
      {"assign", 0}, {"enc", 0}, {"locate", 0},
      {"flash", 1}, {"event", 1},
      {"rebuild", 2}, {"get", 2}, {"set", 2}, {"import", 2}, {"devmap", 2}, {"adapter", 2},
      {"create", 2}, {"delete", 2}, {"mp", 2}, {"sat", 2},
  });
  EXPECT_EQ(gate(capable_adapter("KITE-S1 extra")), expected);
}

TEST_F(GatingTest, OemAdapterWithArraysHitsTheCommandsAtTheSamePositions) {
  QX_ADAPTER_INFO oem = capable_adapter("RX-Boot");
  oem.max_arrays = 8;
  Flags expected = all_listed_except({
      {"assign", 0}, {"enc", 0}, {"locate", 0},
      {"flash", 1}, {"delete", 1},
      {"rebuild", 2}, {"event", 2}, {"info", 2}, {"set", 2}, {"import", 2}, {"devmap", 2},
      {"adapter", 2}, {"create", 2}, {"mp", 2}, {"sat", 2},
  });
  EXPECT_EQ(gate(oem), expected);
  EXPECT_EQ(state().array_capable, 1);
  EXPECT_EQ(state().hidden_table.count, 14);
}

TEST_F(GatingTest, OemNamesMatchByPrefixAndCase) {
  EXPECT_TRUE(is_oem_adapter(capable_adapter("KITE-S2")));
  EXPECT_TRUE(is_oem_adapter(capable_adapter("KITE-S1 rev B")));
  EXPECT_FALSE(is_oem_adapter(capable_adapter("kite-s1")));
  EXPECT_FALSE(is_oem_adapter(capable_adapter("KITE-S")));
  EXPECT_FALSE(is_oem_adapter(capable_adapter(" KITE-S1")));
  // A control byte inside the name reads as '?', so it no longer matches.
  EXPECT_FALSE(is_oem_adapter(capable_adapter("RX-Bo\x01t")));
  // A model that fills its whole field without a terminating NUL.
  QX_ADAPTER_INFO full = capable_adapter();
  std::memset(full.model, 'K', sizeof full.model);
  EXPECT_FALSE(is_oem_adapter(full));
}

TEST_F(GatingTest, SelectingTablesAgainDoesNotGate) {
  gate(QX_ADAPTER_INFO{});
  // Switch to an array-capable adapter: its table keeps its static flags.
  state().adapters[1].max_arrays = 2;
  state().current_adapter = 1;
  select_command_tables();
  EXPECT_EQ(state().array_capable, 1);
  const CommandTable& t = state().main_table;
  for (uint16_t i = 0; i < t.count; ++i) EXPECT_EQ(t.entries[i].visibility, kListed) << t.entries[i].name;
  // Back to adapter 0: the flags start-up left are still there.
  state().current_adapter = 0;
  select_command_tables();
  EXPECT_EQ(state().main_table.entries[5].visibility, kWithdrawn);
}

}  // namespace
}  // namespace qx::shell
