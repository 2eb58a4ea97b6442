#include "sim/engine/array_rebuild.h"

#include <gtest/gtest.h>

#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/control.h"
#include "sim/engine/spares.h"
#include "sim/model/array.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

constexpr int64_t kNow = 1'800'000'000'000;

QX_REBUILD_REQUEST request(std::vector<uint16_t> pds, uint8_t kind = QX_REBUILD_ARRAY) {
  QX_REBUILD_REQUEST r{};
  r.array_id = 0;
  r.kind = kind;
  r.pd_count = static_cast<uint8_t>(pds.size());
  for (size_t i = 0; i < pds.size(); ++i) r.pd_ids[i] = pds[i];
  return r;
}

TEST(ArrayRebuild, ChecksInOrderThenRebuildsEveryVdOfTheArrayAndSteersThemTogether) {
  testing::TempState state("default");
  std::unique_ptr<Db> db = state.open();
  const Session s(*db, 1, kNow);
  EXPECT_EQ(start_array_rebuild(s, request({4})), kVdFunctional) << "nothing is missing";
  ASSERT_EQ(make_spare(s, 15, SpareKind::kNone, 0), kOk);  // no automatic rebuild
  pull_disk(s, 1);

  EXPECT_EQ(start_array_rebuild(s, request({4}, 3)), kInvalidParameter);
  EXPECT_EQ(start_array_rebuild(s, request({})), kInvalidPdCount);
  EXPECT_EQ(start_array_rebuild(s, request({4, 5})), kInvalidPdCount) << "one position is missing";
  EXPECT_EQ(start_array_rebuild(s, request({99})), kPdMissing);
  EXPECT_EQ(start_array_rebuild(s, request({0})), kTargetIsMember);
  EXPECT_EQ(make_spare(s, 14, SpareKind::kDedicated, 3), kOk);
  EXPECT_EQ(start_array_rebuild(s, request({14})), kSpareOfOtherArray);
  EXPECT_EQ(control_array_activity(s, 0, QX_BGA_ACTION_PAUSE), kInvalidBgaAction) << "nothing runs";

  ASSERT_EQ(start_array_rebuild(s, request({4})), kOk);
  EXPECT_EQ(select_by_id(*db, array_model(), 1, 0)->pds, (std::vector<uint16_t>{0, 4, 2, 3}));
  EXPECT_EQ(start_array_rebuild(s, request({5})), kArrayHasBga) << "its VDs are rebuilding";
  ASSERT_EQ(control_array_activity(s, 0, QX_BGA_ACTION_PAUSE), kOk);
  for (uint16_t vd : {uint16_t{0}, uint16_t{1}}) EXPECT_EQ(vd_activity(s, vd)->state, ActivityState::kPaused) << "VD " << vd;
  EXPECT_EQ(control_array_activity(s, 7, QX_BGA_ACTION_RESUME), kInvalidArrayId);
}

}  // namespace
}  // namespace qx::sim
