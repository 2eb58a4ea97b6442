#include "sim/engine/migration.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/bga_control.h"
#include "sim/engine/migration_capacity.h"
#include "sim/engine/vd_records.h"
#include "sim/model/event.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

using testing::TempState;

constexpr int64_t kNow = 1'800'000'000'000;
constexpr uint64_t kMb = 1024;

TEST(MigratedCapacity, EachLevelMultipliesTheBlockByItsDataDisks) {
  const uint64_t b = 1000 * kMb + 300;  // not whole MB: the size drops the rest
  struct Case {
    uint8_t level;
    int disks;
    int parity;
    uint64_t size;
  } cases[] = {
      {QX_RAID1E, 5, 0, 2500 * kMb}, {QX_RAID10, 6, 0, 3000 * kMb}, {QX_RAID5, 4, 0, 3000 * kMb},
      {QX_RAID50, 8, 0, 6000 * kMb}, {QX_RAID6, 5, 2, 3000 * kMb},  {QX_RAID6, 5, 3, 2000 * kMb},
      {QX_RAID60, 8, 4, 4000 * kMb}, {QX_RAID0, 3, 0, 3000 * kMb},
  };
  for (const Case& c : cases) {
    const MigratedSize m = migrated_capacity(c.level, c.parity, 64, b, c.disks, 2000 * kMb);
    EXPECT_EQ(m.status, kOk) << int{c.level};
    EXPECT_EQ(m.size_kb, c.size) << int{c.level} << " on " << c.disks;
  }
  // Smaller than now: refused, with the size still told.
  const MigratedSize smaller = migrated_capacity(QX_RAID1E, 0, 64, b, 3, 2000 * kMb);
  EXPECT_EQ(smaller.status, kTargetTooSmall);
  EXPECT_EQ(smaller.size_kb, 1500 * kMb);
  EXPECT_EQ(migrated_capacity(QX_RAID5, 0, 64, 0, 4, 0).status, kOk) << "an array without VDs holds nothing";
}

// Adapter 0 of the default scenario: VD 1 is a RAID5 on disks 2, 3, 4;
// disks 5 to 9 are free hard disks, 10 to 12 small SSDs.
struct Fixture {
  TempState state{"default"};
  std::unique_ptr<Db> db = state.open();
  static constexpr uint64_t kBlock = 1953252352;

  QX_VD_MIGRATION_REQUEST request(uint8_t level, std::vector<uint16_t> pds, uint16_t vd = 1) {
    QX_VD_MIGRATION_REQUEST r{};
    r.raid_level = level;
    r.vd_id = vd;
    r.pd_count = static_cast<uint8_t>(pds.size());
    std::copy(pds.begin(), pds.end(), r.pd_ids);
    return r;
  }
  uint8_t start(const QX_VD_MIGRATION_REQUEST& r, int64_t at = kNow) {
    return start_vd_migration(Session(*db, 0, at), r);
  }
  std::vector<Block> blocks_of(uint16_t vd) {
    return select_rows(*db, block_model(), 0, "vd = ?1", {json(vd)}, "member");
  }
};

TEST(VdMigration, TheSizeAndTheRefusalsComeInOrder) {
  Fixture f;
  Session s(*f.db, 0, kNow);
  QX_VD_MIGRATION_REQUEST r = f.request(0, {2, 3, 4, 5});  // a size query without a level: RAID0
  ASSERT_EQ(vd_migration_size(s, r), kOk);
  EXPECT_EQ(r.size_kb, 4 * Fixture::kBlock);
  r = f.request(QX_RAID1E, {2, 3, 4});
  EXPECT_EQ(vd_migration_size(s, r), kTargetTooSmall);
  EXPECT_EQ(r.size_kb, 3 * Fixture::kBlock / 2 / kMb * kMb);
  EXPECT_EQ(f.start(f.request(QX_RAID5, {2, 3, 5})), kInvalidParameter) << "a member left out";
  EXPECT_EQ(f.start(f.request(QX_RAID5, {2, 3, 4, 10})), kNoResource) << "the SSD is too small";
  EXPECT_EQ(f.start(f.request(QX_RAID5, {2, 3, 4, 40})), kPdMissing);
  EXPECT_EQ(f.start(f.request(QX_RAID5, {2, 3, 4, 5, 5})), kInvalidParameter) << "a disk named twice";
  EXPECT_EQ(f.start(f.request(QX_RAID6, {2, 3, 4, 5})), kNotSupported) << "no RAID6 on this adapter";
  EXPECT_EQ(f.start(f.request(QX_RAID5, {2, 3, 4})), kMigrationNotNeeded);
  EXPECT_EQ(f.start(f.request(QX_RAID0, {2, 3, 4, 5})), kTargetNotRedundant);
  EXPECT_TRUE(select_rows(*f.db, activity_model(), 0).empty()) << "a refusal changes nothing";
}

TEST(VdMigration, TheTargetShowsTheNewOrderAndTheVdTakesItAtTheEnd) {
  Fixture f;
  ASSERT_EQ(f.start(f.request(QX_RAID5, {4, 2, 5, 3})), kOk);
  Session s(*f.db, 0, kNow);
  const VdView target = migration_target(s, 1).value();
  const QX_VD_INFO info = vd_info_record(target);
  ASSERT_EQ(info.pd_count, 4);
  const uint16_t new_block = f.blocks_of(target.vd.id).front().id;
  EXPECT_EQ(std::vector<uint16_t>(info.block_ids, info.block_ids + 4), (std::vector<uint16_t>{4, 2, new_block, 3}));
  EXPECT_EQ(info.size_kb, 3 * Fixture::kBlock);
  EXPECT_EQ(f.start(f.request(QX_RAID1E, {0, 1, 10}, 0)), kOneMigration);

  const int64_t end = completion_ms(vd_activity(s, 1).value());
  complete_due_activities(Session(*f.db, 0, end));
  const Vd vd = select_by_id(*f.db, vd_model(), 0, 1).value();
  EXPECT_EQ(vd.members, 4);
  EXPECT_EQ(vd.size_kb, 3 * Fixture::kBlock);
  std::vector<uint16_t> disks;
  for (const Block& b : f.blocks_of(1)) {
    disks.push_back(b.pd);
    EXPECT_EQ(b.target_member, kNoSlot);
  }
  EXPECT_EQ(disks, (std::vector<uint16_t>{4, 2, 5, 3}));
  EXPECT_FALSE(select_by_id(*f.db, vd_model(), 0, target.vd.id).has_value());
  EXPECT_EQ(select_rows(*f.db, event_model(), 0, "1", {}, "seq DESC", 1).front().code, 85);
}

TEST(VdMigration, AStopLeavesTheNewDiskFreeAndTheMembersInPlace) {
  Fixture f;
  ASSERT_EQ(f.start(f.request(QX_RAID5, {3, 2, 4, 5})), kOk);
  ASSERT_EQ(control_vd_activity(Session(*f.db, 0, kNow + 1000), 1, QX_BGA_ACTION_STOP), kOk);
  EXPECT_TRUE(select_rows(*f.db, block_model(), 0, "pd = 5").empty());
  EXPECT_TRUE(select_rows(*f.db, block_model(), 0, "target_member <> 255").empty());
  EXPECT_EQ(select_rows(*f.db, vd_model(), 0).size(), 2u);
  EXPECT_EQ(f.start(f.request(QX_RAID5, {3, 2, 4, 5}), kNow + 2000), kOk) << "it can start again";
}

}  // namespace
}  // namespace qx::sim
