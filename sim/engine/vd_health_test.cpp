#include "sim/engine/vd_health.h"

#include <gtest/gtest.h>

#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/control.h"
#include "sim/engine/rebuild.h"
#include "sim/engine/spares.h"
#include "sim/engine/vd_starts.h"
#include "sim/model/adapter.h"
#include "sim/model/event.h"
#include "sim/model/fault.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

constexpr int64_t kNow = 1'800'000'000'000;
constexpr int64_t kLater = kNow + 400'000'000;  // every activity of the default state has ended

struct LevelCase {
  uint8_t level, members, parity, subs;
  std::vector<uint8_t> missing;
  uint8_t expected;
};

TEST(VdHealth, EachLevelToleratesItsShareOfMissingSlots) {
  const LevelCase cases[] = {
      {QX_RAID1, 2, 0, 0, {1}, QX_VD_DEGRADED},
      {QX_RAID1, 2, 0, 0, {0, 1}, QX_VD_OFFLINE},
      {QX_RAID5, 4, 0, 0, {2}, QX_VD_DEGRADED},
      {QX_RAID5, 4, 0, 0, {0, 3}, QX_VD_OFFLINE},
      {QX_RAID6, 5, 2, 0, {1}, QX_VD_PARTIALLY_OPTIMAL},
      {QX_RAID6, 5, 2, 0, {1, 4}, QX_VD_DEGRADED},
      {QX_RAID6, 5, 2, 0, {0, 1, 2}, QX_VD_OFFLINE},
      {QX_RAID6, 6, 3, 0, {0, 1}, QX_VD_PARTIALLY_OPTIMAL},
      {QX_RAID6, 6, 3, 0, {0, 1, 2}, QX_VD_DEGRADED},
      {QX_RAID10, 4, 0, 0, {0, 2}, QX_VD_DEGRADED},
      {QX_RAID10, 4, 0, 0, {0, 1}, QX_VD_OFFLINE},
      {QX_RAID50, 6, 0, 2, {0, 3}, QX_VD_DEGRADED},
      {QX_RAID50, 6, 0, 2, {0, 1}, QX_VD_OFFLINE},
      {QX_RAID60, 8, 4, 2, {0}, QX_VD_PARTIALLY_OPTIMAL},
      {QX_RAID60, 8, 4, 2, {0, 1, 4, 5}, QX_VD_DEGRADED},
      {QX_RAID60, 8, 4, 2, {0, 1, 2}, QX_VD_OFFLINE},
  };
  for (const LevelCase& c : cases) {
    Vd vd;
    vd.raid_level = c.level;
    vd.members = c.members;
    vd.parity_disks = c.parity;
    vd.sub_vd_count = c.subs;
    vd.state = QX_VD_FUNCTIONAL_INITIALIZED;
    EXPECT_EQ(state_with_missing(vd, c.missing), c.expected)
        << "level " << int{c.level} << ", " << c.missing.size() << " missing";
  }
  Vd healed;
  healed.raid_level = QX_RAID5;
  healed.members = 3;
  healed.state = QX_VD_DEGRADED;
  EXPECT_EQ(state_with_missing(healed, {}), QX_VD_FUNCTIONAL) << "nothing missing: whole again";
  healed.state = 11;  // conflicted
  EXPECT_EQ(state_with_missing(healed, {0}), 11) << "special states stay";
}

struct Fixture {
  testing::TempState state{"default"};
  std::unique_ptr<Db> db = state.open();
  Session at(int64_t now) { return Session(*db, 0, now); }
  Vd vd(uint16_t id) { return select_by_id(*db, vd_model(), 0, id).value(); }
  std::vector<uint16_t> codes() {
    std::vector<uint16_t> out;
    for (const Event& e : select_rows(*db, event_model(), 0, "1", {}, "seq")) out.push_back(e.code);
    return out;
  }
  uint16_t last_code() { return codes().back(); }
  void set_adapter(void (*change)(Adapter&)) {
    Adapter a = select_by_id(*db, adapter_model(), kAnyAdapter, 0).value();
    change(a);
    update_row(*db, adapter_model(), kAnyAdapter, a);
  }
};

TEST(VdHealth, AFailedMemberStaysStaleUntilARebuildReplacesIt) {
  Fixture f;
  fail_disk(f.at(kNow), 3);
  EXPECT_EQ(f.vd(1).state, QX_VD_DEGRADED);
  EXPECT_EQ(f.last_code(), 4);
  EXPECT_EQ(select_rows(*f.db, block_model(), 0, "pd = 3").size(), 1u) << "a failed disk keeps its block";

  // The target's checks, in order.
  Session s = f.at(kNow);
  EXPECT_EQ(start_rebuild(s, 1, 99), kPdMissing);
  EXPECT_EQ(start_rebuild(s, 1, 3), kInvalidPdId) << "the failed member itself";
  EXPECT_EQ(start_rebuild(s, 1, 2), kTargetIsMember);
  EXPECT_EQ(start_rebuild(s, 1, 0), kTargetTooSmall) << "a disk may serve several VDs here, if it has room";
  f.set_adapter([](Adapter& a) { a.adv_features &= ~QX_ADV_MULTI_VD; });
  EXPECT_EQ(start_rebuild(f.at(kNow), 1, 0), kPdAssigned);
  EXPECT_EQ(start_rebuild(s, 0, 5), kVdFunctional);

  ASSERT_EQ(start_rebuild(f.at(kNow), 1, 5), kOk);
  EXPECT_EQ(f.last_code(), 70);
  std::vector<Block> on_target = select_rows(*f.db, block_model(), 0, "pd = 5");
  ASSERT_EQ(on_target.size(), 1u);
  EXPECT_EQ(on_target[0].member, 1);
  EXPECT_TRUE(on_target[0].rebuilding);
  EXPECT_TRUE(select_rows(*f.db, block_model(), 0, "pd = 3").empty()) << "the stale block is replaced";
  EXPECT_EQ(f.vd(1).state, QX_VD_DEGRADED) << "a rebuilding slot still counts as missing";
  EXPECT_EQ(start_consistency_check(f.at(kNow), 1, QX_CHECK_ONLY), kVdHasBga);

  complete_due_activities(f.at(kLater));
  EXPECT_EQ(f.vd(1).state, QX_VD_FUNCTIONAL);
  EXPECT_EQ(f.last_code(), 75);
  EXPECT_FALSE(select_rows(*f.db, block_model(), 0, "pd = 5").front().rebuilding);
}

TEST(VdHealth, StartsCheckInOrderAndAnActivityFailsWhenItsVdDegrades) {
  Fixture f;
  const size_t logged = f.codes().size();
  Session s = f.at(kNow);
  EXPECT_EQ(start_init(s, 9, QX_INIT_FULL), kVdMissing);
  EXPECT_EQ(start_init(s, 1, 1), kInvalidParameter);
  EXPECT_EQ(start_init(s, 0, QX_INIT_FULL), kVdHasOs);
  EXPECT_EQ(start_consistency_check(s, 1, 2), kInvalidParameter);
  EXPECT_EQ(start_rebuild(s, 1, 5), kVdFunctional);
  EXPECT_EQ(f.codes().size(), logged) << "a refused start logs nothing";

  ASSERT_EQ(start_consistency_check(s, 1, QX_CHECK_AND_FIX), kOk);
  EXPECT_EQ(f.last_code(), 30) << "a fix logs the fix events";
  EXPECT_EQ(start_init(s, 1, QX_INIT_FULL), kVdHasBga);
  pull_disk(f.at(kNow + 1000), 4);
  const std::vector<uint16_t> codes = f.codes();
  EXPECT_EQ(std::vector<uint16_t>(codes.begin() + static_cast<long>(logged), codes.end()),
            (std::vector<uint16_t>{30, 8, 4, 37}));
  EXPECT_FALSE(vd_activity(f.at(kNow), 1).has_value()) << "the failed fix leaves no record";
  EXPECT_EQ(start_rebuild(f.at(kNow + 2000), 1, 5), kOk);

  f.set_adapter([](Adapter& a) { a.features = static_cast<uint8_t>(a.features & ~QX_FEATURE_SYNCHRONIZE); });
  EXPECT_EQ(start_consistency_check(f.at(kNow), 0, QX_CHECK_ONLY), kNotSupported);
}

TEST(VdHealth, ADegradedVdTakesTheLowestSuitableSpareByItself) {
  Fixture f;
  f.set_adapter([](Adapter& a) { a.auto_rebuild = false; });
  pull_disk(f.at(kNow), 2);
  ASSERT_EQ(make_spare(f.at(kNow), 6, SpareKind::kGlobal, 0), kOk);
  EXPECT_FALSE(vd_activity(f.at(kNow), 1).has_value()) << "automatic rebuild is off";

  f.set_adapter([](Adapter& a) { a.auto_rebuild = true; });
  ASSERT_EQ(make_spare(f.at(kNow), 10, SpareKind::kGlobal, 0), kOk);  // too small for VD 1
  ASSERT_EQ(vd_activity(f.at(kNow), 1).value().kind, ActivityKind::kRebuild);
  EXPECT_EQ(select_rows(*f.db, block_model(), 0, "pd = 6 AND vd = 1").size(), 1u) << "lowest suitable id";
  EXPECT_EQ(make_spare(f.at(kNow), 6, SpareKind::kNone, 0), kPdAssigned) << "it stands in now";

  complete_due_activities(f.at(kLater));
  EXPECT_EQ(f.vd(1).state, QX_VD_FUNCTIONAL);
  EXPECT_EQ(select_by_id(*f.db, disk_model(), 0, 6)->spare, SpareKind::kNone)
      << "without copy back the spare becomes a plain member";
}

}  // namespace
}  // namespace qx::sim
