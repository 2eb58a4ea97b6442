#include "sim/engine/bga_control.h"

#include <gtest/gtest.h>

#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/model/event.h"
#include "sim/model/vd.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

using testing::TempState;

constexpr int64_t kNow = 1'800'000'000'000;

struct Fixture {
  TempState state{"default"};
  std::unique_ptr<Db> db = state.open();
  uint16_t last_code() { return select_rows(*db, event_model(), 0, "1", {}, "seq DESC", 1).front().code; }
};

TEST(BgaControl, AVdActivityPausesResumesAndStopsWithItsEvents) {
  Fixture f;
  start_vd_activity(Session(*f.db, 0, kNow), 1, ActivityKind::kInitBackground, 1000);
  EXPECT_EQ(f.last_code(), 50);
  EXPECT_EQ(control_vd_activity(Session(*f.db, 0, kNow), 1, QX_BGA_ACTION_RESUME), kInvalidBgaAction) << "it runs";

  ASSERT_EQ(control_vd_activity(Session(*f.db, 0, kNow + 250'000), 1, QX_BGA_ACTION_PAUSE), kOk);
  EXPECT_EQ(f.last_code(), 52);
  EXPECT_EQ(control_vd_activity(Session(*f.db, 0, kNow + 260'000), 1, QX_BGA_ACTION_PAUSE), kInvalidBgaAction);
  // Progress stands still while paused.
  Activity paused = vd_activity(Session(*f.db, 0, kNow), 1).value();
  EXPECT_EQ(progress_at(paused, kNow + 900'000), kFullProgress / 4);

  ASSERT_EQ(control_vd_activity(Session(*f.db, 0, kNow + 900'000), 1, QX_BGA_ACTION_RESUME), kOk);
  EXPECT_EQ(f.last_code(), 53);
  EXPECT_EQ(progress_at(vd_activity(Session(*f.db, 0, kNow), 1).value(), kNow + 1'150'000), kFullProgress / 2);

  ASSERT_EQ(control_vd_activity(Session(*f.db, 0, kNow + 1'000'000), 1, QX_BGA_ACTION_STOP), kOk);
  EXPECT_EQ(f.last_code(), 54);
  EXPECT_FALSE(vd_activity(Session(*f.db, 0, kNow), 1).has_value());
  EXPECT_EQ(control_vd_activity(Session(*f.db, 0, kNow), 1, QX_BGA_ACTION_STOP), kInvalidBgaAction) << "nothing left";
  EXPECT_EQ(control_vd_activity(Session(*f.db, 0, kNow), 1, QX_BGA_ACTION_CANCEL), kOk) << "nothing to end is no fault";
  EXPECT_EQ(control_vd_activity(Session(*f.db, 0, kNow), 1, 1), kInvalidBgaAction);
  EXPECT_EQ(control_vd_activity(Session(*f.db, 0, kNow), 9, QX_BGA_ACTION_CANCEL), kVdMissing);
}

TEST(BgaControl, StoppingAMigrationDropsTheVdItWasBuilding) {
  Fixture f;
  Vd target = select_by_id(*f.db, vd_model(), 0, 1).value();
  target.id = 6;
  target.target_of = 1;
  insert_row(*f.db, vd_model(), 0, target);
  start_vd_activity(Session(*f.db, 0, kNow), 1, ActivityKind::kMigration, 500);
  ASSERT_EQ(control_vd_activity(Session(*f.db, 0, kNow + 1000), 1, QX_BGA_ACTION_CANCEL), kOk);
  EXPECT_EQ(f.last_code(), 84);
  EXPECT_FALSE(select_by_id(*f.db, vd_model(), 0, 6).has_value());
  EXPECT_TRUE(select_by_id(*f.db, vd_model(), 0, 1).has_value());
}

TEST(BgaControl, AStoppedMediaPatrolIsLoggedAsManuallyStopped) {
  Fixture f;
  Activity patrol;
  patrol.id = 3;
  patrol.kind = ActivityKind::kMediaPatrol;
  patrol.pd = 5;
  patrol.since_ms = kNow;
  insert_row(*f.db, activity_model(), 0, patrol);
  EXPECT_EQ(control_pd_activity(Session(*f.db, 0, kNow), 5, QX_BGA_ACTION_RESUME), kInvalidBgaAction);
  ASSERT_EQ(control_pd_activity(Session(*f.db, 0, kNow), 5, QX_BGA_ACTION_PAUSE), kOk);
  EXPECT_EQ(pd_activity(Session(*f.db, 0, kNow), 5)->state, ActivityState::kPaused);
  ASSERT_EQ(control_pd_activity(Session(*f.db, 0, kNow), 5, QX_BGA_ACTION_STOP), kOk);
  Event e = select_rows(*f.db, event_model(), 0, "1", {}, "seq DESC", 1).front();
  EXPECT_EQ(e.event_class, QX_EVT_CLASS_PD);
  EXPECT_EQ(e.code, 18);
  EXPECT_EQ(e.device_id, 5);
  EXPECT_FALSE(pd_activity(Session(*f.db, 0, kNow), 5).has_value());
  EXPECT_EQ(control_pd_activity(Session(*f.db, 0, kNow), 5, QX_BGA_ACTION_STOP), kInvalidBgaAction);
  EXPECT_EQ(control_pd_activity(Session(*f.db, 0, kNow), 5, QX_BGA_ACTION_CANCEL), kInvalidBgaAction)
      << "a disk knows no cancel";
  EXPECT_EQ(control_pd_activity(Session(*f.db, 0, kNow), 77, QX_BGA_ACTION_STOP), kPdMissing);
}

TEST(BgaControl, DurationsFollowTheAdaptersRate) {
  Adapter a;
  a.bga_rate_mb_s = 400;
  EXPECT_EQ(activity_duration_s(a, 400 * 1024 * 10), 10);
  EXPECT_EQ(activity_duration_s(a, 400 * 1024 * 10 + 1024), 11) << "a started second counts";
  EXPECT_EQ(activity_duration_s(a, 0), 1);
}

}  // namespace
}  // namespace qx::sim
