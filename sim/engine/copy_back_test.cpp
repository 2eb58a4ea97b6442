#include "sim/engine/copy_back.h"

#include <gtest/gtest.h>

#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/bga_control.h"
#include "sim/engine/control.h"
#include "sim/engine/rebuild.h"
#include "sim/engine/spares.h"
#include "sim/model/array.h"
#include "sim/model/event.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

using testing::TempState;

constexpr int64_t kNow = 1'800'000'000'000;
constexpr int64_t kDay = 86'400'000;

std::vector<uint16_t> vd_disks(Db& db, int adapter, uint16_t vd) {
  std::vector<uint16_t> out;
  for (const Block& b : select_rows(db, block_model(), adapter, "vd = ?1", {json(vd)}, "member")) out.push_back(b.pd);
  return out;
}

// Adapter 1: array 0 holds VDs 0 and 1 on disks 0-3; disk 15 is a global
// spare. Disk 0 is pulled, the spare rebuilds both VDs, disk 0 comes back.
class CopyBack : public ::testing::Test {
 protected:
  void SetUp() override {
    db = state.open();
    pull_disk(Session(*db, 1, kNow), 0);
    complete_due_activities(Session(*db, 1, kNow + kDay));
    ASSERT_EQ(vd_disks(*db, 1, 0), (std::vector<uint16_t>{15, 1, 2, 3}));
    insert_disk(Session(*db, 1, kNow + kDay), 0);
  }
  TempState state{"default"};
  std::unique_ptr<Db> db;
};

TEST_F(CopyBack, TheInsertedDiskTakesBackTheSparesDataAndTheSpareIsIdleAgain) {
  const Session s(*db, 1, kNow + kDay);
  for (const uint16_t vd : {uint16_t{0}, uint16_t{1}}) {
    std::optional<Activity> a = vd_activity(s, vd);
    ASSERT_TRUE(a && a->kind == ActivityKind::kCopyBack) << vd;
    EXPECT_EQ(a->target_pd, 0) << vd;
  }
  // While it is written the target is assigned: no rebuild, create or spare takes it.
  EXPECT_EQ(check_rebuild_target(s, select_by_id(*db, vd_model(), 1, 0).value(), 0), kPdAssigned);
  EXPECT_EQ(make_spare(s, 0, SpareKind::kGlobal, 0), kPdAssigned);

  complete_due_activities(Session(*db, 1, kNow + 2 * kDay));
  EXPECT_EQ(vd_disks(*db, 1, 0), (std::vector<uint16_t>{0, 1, 2, 3}));
  EXPECT_EQ(vd_disks(*db, 1, 1), (std::vector<uint16_t>{0, 1, 2, 3}));
  EXPECT_EQ(select_by_id(*db, array_model(), 1, 0)->pds, (std::vector<uint16_t>{0, 1, 2, 3}));
  const Disk spare = select_by_id(*db, disk_model(), 1, 15).value();
  EXPECT_EQ(spare.spare, SpareKind::kGlobal);
  EXPECT_TRUE(select_rows(*db, block_model(), 1, "pd = 15").empty());
  EXPECT_EQ(select_by_id(*db, vd_model(), 1, 0)->state, QX_VD_FUNCTIONAL) << "whole again";
}

TEST_F(CopyBack, AStoppedCopyMovesNothingAndAPulledTargetFailsIt) {
  const Session s(*db, 1, kNow + kDay);
  ASSERT_EQ(control_vd_activity(s, 0, QX_BGA_ACTION_STOP), kOk);
  pull_disk(s, 0);
  complete_due_activities(Session(*db, 1, kNow + 2 * kDay));
  EXPECT_EQ(vd_disks(*db, 1, 0), (std::vector<uint16_t>{15, 1, 2, 3}));
  EXPECT_EQ(vd_disks(*db, 1, 1), (std::vector<uint16_t>{15, 1, 2, 3}));
  std::vector<uint16_t> codes;
  for (const Event& e : select_rows(*db, event_model(), 1, "class = 1 AND code >= 90", {}, "seq")) codes.push_back(e.code);
  EXPECT_EQ(codes, (std::vector<uint16_t>{90, 90, 94, 97}));
}

}  // namespace
}  // namespace qx::sim
