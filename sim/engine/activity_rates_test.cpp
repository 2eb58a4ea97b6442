#include "sim/engine/activity_rates.h"

#include <gtest/gtest.h>

#include "sim/engine/activities.h"
#include "sim/engine/bga_control.h"
#include "sim/engine/settings.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

constexpr int64_t kNow = 1'800'000'000'000;

TEST(ActivityRates, EachKindFollowsItsRateAndSingleRateAdaptersTheirOne) {
  Adapter a;
  a.device_id = 0x3120;
  a.rebuild_rate = 10;
  a.sync_rate = 20;
  a.bga_rate = 30;
  EXPECT_EQ(activity_rate(a, ActivityKind::kRebuild), 10);
  EXPECT_EQ(activity_rate(a, ActivityKind::kRedundancyCheck), 20);
  EXPECT_EQ(activity_rate(a, ActivityKind::kMediaPatrol), QX_RATE_SCALE);
  a.device_id = 0x6145;
  EXPECT_EQ(activity_rate(a, ActivityKind::kRebuild), 30);
  a.device_id = 0x6146;
  EXPECT_EQ(activity_rate(a, ActivityKind::kRebuild), 10);
}

TEST(ActivityRates, DurationsStretchAsTheRateFalls) {
  EXPECT_EQ(duration_at_rate(100, QX_RATE_SCALE), 100) << "the full rate keeps today's durations";
  EXPECT_EQ(duration_at_rate(100, 125), 200);
  EXPECT_EQ(duration_at_rate(100, 0), 25000) << "rate 0 crawls at the slowest rate";
  EXPECT_EQ(duration_at_rate(1, 249), 2) << "a started second counts";
}

TEST(ActivityRates, ARateChangeKeepsProgressAndMovesTheRestAtTheNewRate) {
  testing::TempState state("default");
  std::unique_ptr<Db> db = state.open();
  start_vd_activity(Session(*db, 0, kNow), 1, ActivityKind::kInitBackground, 1000);
  const Activity started = vd_activity(Session(*db, 0, kNow), 1).value();
  EXPECT_EQ(started.duration_s, 1000);

  // Half way, the initialization rate falls to half: the second half takes twice as long.
  const Session halfway(*db, 0, kNow + 500'000);
  Adapter slower = halfway.adapter();
  slower.init_rate = 125;
  rescale_activities(halfway, halfway.adapter(), slower);
  const Activity anchored = vd_activity(halfway, 1).value();
  EXPECT_EQ(progress_at(anchored, kNow + 500'000), kFullProgress / 2);
  EXPECT_EQ(completion_ms(anchored), kNow + 1'500'000);

  // A rate that did not change leaves the activity alone.
  Adapter other = slower;
  other.rebuild_rate = 3;
  rescale_activities(Session(*db, 0, kNow + 600'000), slower, other);
  EXPECT_EQ(completion_ms(vd_activity(halfway, 1).value()), kNow + 1'500'000);
}

}  // namespace
}  // namespace qx::sim
