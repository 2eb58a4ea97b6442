#include "sim/engine/vd_remove.h"

#include <cstring>

#include <gtest/gtest.h>

#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/bga_control.h"
#include "sim/engine/block_records.h"
#include "sim/model/activity.h"
#include "sim/model/event.h"
#include "sim/model/vd.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

using testing::TempState;

constexpr int64_t kNow = 1'800'000'000'000;

// Adapter 0 of the default scenario: VD 0 "system" (RAID1 on disks 0 and 1,
// the running operating system on it), VD 1 "VD_R5_2" (RAID5 on 2 to 4).
struct Fixture {
  TempState state{"default"};
  std::unique_ptr<Db> db = state.open();

  void add_activity(uint16_t vd, ActivityKind kind, ActivityState st) {
    Activity a;
    a.id = next_activity_id(Session(*db, 0, kNow));
    a.kind = kind;
    a.vd = vd;
    a.state = st;
    a.since_ms = kNow;
    insert_row(*db, activity_model(), 0, a);
  }
  void set_state(uint16_t vd, uint8_t vd_state) {
    Vd row = select_by_id(*db, vd_model(), 0, vd).value();
    row.state = vd_state;
    update_row(*db, vd_model(), 0, row);
  }
  Event last_event() { return select_rows(*db, event_model(), 0, "1", {}, "seq DESC", 1).front(); }
};

TEST(VdDelete, TheBlocksAreFreedAndTheEventCarriesTheName) {
  Fixture f;
  ASSERT_EQ(delete_vd(Session(*f.db, 0, kNow), 1, QX_DELETE_LIVE), kOk);
  EXPECT_FALSE(select_by_id(*f.db, vd_model(), 0, 1).has_value());
  for (uint16_t pd = 2; pd <= 4; ++pd) EXPECT_TRUE(blocks_on_disk(Session(*f.db, 0, kNow), pd).empty()) << pd;
  EXPECT_EQ(blocks_on_disk(Session(*f.db, 0, kNow), 0).size(), 1u) << "VD 0 keeps its blocks";

  Event e = f.last_event();
  EXPECT_EQ(e.event_class, QX_EVT_CLASS_VD);
  EXPECT_EQ(e.code, 3);
  EXPECT_EQ(e.device_id, 1);
  QX_EVENT record = to_record(e);
  EXPECT_EQ(std::string(record.name, strnlen(record.name, sizeof record.name)), "VD_R5_2");
  EXPECT_NE(record.params[0], 0u);

  EXPECT_EQ(delete_vd(Session(*f.db, 0, kNow), 1, QX_DELETE_LIVE), kVdMissing) << "gone";
}

TEST(VdDelete, ARunningOrPausedActivityMustBeEndedFirst) {
  Fixture f;
  f.add_activity(1, ActivityKind::kSynchronize, ActivityState::kPaused);
  EXPECT_EQ(delete_vd(Session(*f.db, 0, kNow), 1, QX_DELETE_LIVE), kVdHasBga);
  ASSERT_EQ(control_vd_activity(Session(*f.db, 0, kNow), 1, QX_BGA_ACTION_CANCEL), kOk);
  EXPECT_EQ(f.last_event().code, 34) << "consistency fix aborted";
  EXPECT_EQ(delete_vd(Session(*f.db, 0, kNow), 1, QX_DELETE_LIVE), kOk);
}

TEST(VdDelete, TheFlagAndTheVdsStateMustAgree) {
  Fixture f;
  EXPECT_EQ(delete_vd(Session(*f.db, 0, kNow), 1, QX_DELETE_OFFLINE_OR_FOREIGN), kVdStateWrong);
  EXPECT_EQ(delete_vd(Session(*f.db, 0, kNow), 1, 2), kInvalidParameter);
  EXPECT_EQ(delete_vd(Session(*f.db, 0, kNow), 0, QX_DELETE_LIVE), kVdHasOs);
  EXPECT_EQ(delete_vd(Session(*f.db, 0, kNow), 7, QX_DELETE_LIVE), kVdMissing);

  // An offline VD keeps the record of the activity it lost; the delete takes both.
  f.set_state(1, QX_VD_OFFLINE);
  f.add_activity(1, ActivityKind::kInitBackground, ActivityState::kAborted);
  ASSERT_EQ(delete_vd(Session(*f.db, 0, kNow), 1, QX_DELETE_OFFLINE_OR_FOREIGN), kOk);
  EXPECT_FALSE(vd_activity(Session(*f.db, 0, kNow), 1).has_value());
  f.set_state(0, QX_VD_FOREIGN);
  EXPECT_EQ(delete_vd(Session(*f.db, 0, kNow), 0, QX_DELETE_OFFLINE_OR_FOREIGN), kOk) << "a foreign VD runs no OS here";
}

TEST(VdDelete, AMigrationTargetIsNotListedAndGoesWithItsSource) {
  Fixture f;
  Vd target = select_by_id(*f.db, vd_model(), 0, 1).value();
  target.id = 5;
  target.target_of = 1;
  insert_row(*f.db, vd_model(), 0, target);
  Block b;
  b.id = 40;
  b.pd = 6;
  b.vd = 5;
  b.start_kb = 262144;
  b.size_kb = 1024;
  insert_row(*f.db, block_model(), 0, b);

  EXPECT_EQ(delete_vd(Session(*f.db, 0, kNow), 5, QX_DELETE_LIVE), kVdMissing);
  ASSERT_EQ(delete_vd(Session(*f.db, 0, kNow), 1, QX_DELETE_LIVE), kOk);
  EXPECT_FALSE(select_by_id(*f.db, vd_model(), 0, 5).has_value());
  EXPECT_TRUE(blocks_on_disk(Session(*f.db, 0, kNow), 6).empty());
}

}  // namespace
}  // namespace qx::sim
