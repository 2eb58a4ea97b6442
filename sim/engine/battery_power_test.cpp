#include "sim/engine/battery_power.h"

#include <gtest/gtest.h>

#include <vector>

#include "api/event_catalogue.h"
#include "sim/model/event.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

constexpr int64_t kNow = 1'800'000'000'000;
constexpr int64_t kPercent = kBatteryMsPerPercent;

struct Logged {
  uint16_t code;
  int64_t at_ms;
};

std::vector<Logged> battery_events(Db& db) {
  std::vector<Logged> out;
  for (const Event& e : select_rows(db, event_model(), 1, "1", {}, "seq"))
    if (e.event_class == QX_EVT_CLASS_BATTERY) out.push_back({e.code, int64_t{e.time} * 1000});
  return out;
}

TEST(BatteryPower, ARelearnEmptiesThenFillsTheBatteryCrossingTheLowLineBothWays) {
  testing::TempState state("default");
  std::unique_ptr<Db> db = state.open();
  Battery b;
  b.present = true;
  b.charge_percent = 40;
  change_battery_power(Session(*db, 1, kNow), b, QX_BBU_RELEARN);

  // Part way down: the charge follows the clock, nothing has ended yet.
  settle_battery(Session(*db, 1, kNow + 5 * kPercent + 1), b);
  EXPECT_EQ(b.charge_percent, 35);
  EXPECT_EQ(b.action, kBatteryRelearnDischarging);

  // Long after: empty after 40 %, full after another 100 %, in one catch-up.
  settle_battery(Session(*db, 1, kNow + 1000 * kPercent), b);
  EXPECT_EQ(b.charge_percent, 100);
  EXPECT_EQ(b.action, kBatteryIdle);
  const std::vector<Logged> logged = battery_events(*db);
  ASSERT_EQ(logged.size(), 4u);
  EXPECT_EQ(logged[0].code, events::kBatteryRelearnStarted.code);
  EXPECT_EQ(logged[1].code, events::kBatteryAbnormalWriteThrough.code);
  EXPECT_EQ(logged[1].at_ms, kNow + 11 * kPercent) << "below 30 % after 11 % are gone";
  EXPECT_EQ(logged[2].code, events::kBatteryNormalWriteBack.code);
  EXPECT_EQ(logged[2].at_ms, kNow + 70 * kPercent);
  EXPECT_EQ(logged[3].code, events::kBatteryRelearnCompleted.code);
  EXPECT_EQ(logged[3].at_ms, kNow + 140 * kPercent);
}

TEST(BatteryPower, StopEndsOnlyARunningAction) {
  testing::TempState state("default");
  std::unique_ptr<Db> db = state.open();
  Battery b;
  b.charge_percent = 90;
  change_battery_power(Session(*db, 1, kNow), b, QX_BBU_STOP);
  EXPECT_TRUE(battery_events(*db).empty());
  change_battery_power(Session(*db, 1, kNow), b, QX_BBU_CHARGE);
  settle_battery(Session(*db, 1, kNow + 4 * kPercent), b);
  change_battery_power(Session(*db, 1, kNow + 4 * kPercent), b, QX_BBU_STOP);
  EXPECT_EQ(b.charge_percent, 94);
  EXPECT_EQ(b.action, kBatteryIdle);
  EXPECT_EQ(battery_events(*db).back().code, events::kBatteryChargingStopped.code);
}

}  // namespace
}  // namespace qx::sim
