#include "sim/engine/capacity.h"

#include <gtest/gtest.h>

#include "api/records.h"
#include "api/status.h"

namespace qx::sim {
namespace {

constexpr uint64_t kMb = kMbKb;

CapacityRequest equal_members(uint8_t level, int n, uint64_t free_kb, int parity = 0) {
  CapacityRequest r;
  r.level = level;
  r.parity = parity;
  r.members.assign(static_cast<size_t>(n), MemberSpace{free_kb, false});
  return r;
}

TEST(Capacity, EveryStripedLevelGivesItsShareOfTheSmallestMember) {
  const uint64_t s = 1000 * kMb;
  struct Case {
    uint8_t level;
    int n;
    int parity;
    uint64_t capacity;
  } cases[] = {
      {QX_RAID0, 3, 0, 3 * s},  {QX_RAID1, 2, 0, s},      {QX_RAID10, 4, 0, 2 * s}, {QX_RAID1E, 3, 0, 3 * s / 2},
      {QX_RAID5, 3, 0, 2 * s},  {QX_RAID50, 6, 0, 4 * s}, {QX_RAID6, 5, 2, 3 * s},  {QX_RAID6, 5, 3, 2 * s},
      {QX_RAID60, 8, 4, 4 * s}, {QX_RAID60, 8, 6, 2 * s},
  };
  for (const Case& c : cases) {
    CapacityPlan plan = plan_capacity(equal_members(c.level, c.n, s, c.parity));
    ASSERT_EQ(plan.status, kOk) << int{c.level};
    EXPECT_EQ(plan.capacity_kb, c.capacity) << int{c.level} << " with " << c.n;
    EXPECT_EQ(plan.largest_kb, c.capacity);
    EXPECT_EQ(plan.block_kb, std::vector<uint64_t>(static_cast<size_t>(c.n), s)) << int{c.level};
  }
}

TEST(Capacity, OddDiskSizesGiveWholeMegabytesOfTheSmallestDisk) {
  // The shapes of a real disk: the blocks end on a MB boundary, the VD is
  // exactly two blocks.
  CapacityRequest r = equal_members(QX_RAID5, 3, 1953252440);
  r.members[1].free_kb = 1953252440 + 5000;
  CapacityPlan plan = plan_capacity(r);
  ASSERT_EQ(plan.status, kOk);
  EXPECT_EQ(plan.block_kb, std::vector<uint64_t>(3, 1953252352));
  EXPECT_EQ(plan.capacity_kb, 3906504704u);

  // A RAID1E of three members gives one and a half blocks; the half MB is
  // dropped by the MB precision of the size.
  plan = plan_capacity(equal_members(QX_RAID1E, 3, 1001 * kMb + 300));
  ASSERT_EQ(plan.status, kOk);
  EXPECT_EQ(plan.capacity_kb, 1501 * kMb);
  EXPECT_EQ(plan.block_kb.front(), 1001 * kMb);
}

TEST(Capacity, BlocksAreWholeStripesAsWellAsWholeMegabytes) {
  CapacityRequest r = equal_members(QX_RAID0, 2, 10 * kMb + 512);
  r.stripe_kb = 2048;  // a stripe larger than a MB rounds the block to whole stripes
  CapacityPlan plan = plan_capacity(r);
  ASSERT_EQ(plan.status, kOk);
  EXPECT_EQ(plan.block_kb, (std::vector<uint64_t>{10 * kMb, 10 * kMb}));
  EXPECT_EQ(plan.capacity_kb, 20 * kMb);
}

TEST(Capacity, RoundingCutsTheSizeToWholeGigabytesOrTensOfThem) {
  CapacityRequest r = equal_members(QX_RAID0, 2, 12345 * kMb);
  r.rounding = QX_ROUNDING_1GB;
  CapacityPlan plan = plan_capacity(r);
  ASSERT_EQ(plan.status, kOk);
  EXPECT_EQ(plan.capacity_kb, 24 * kGbKb);  // 24690 MB
  EXPECT_EQ(plan.block_kb.front(), 12 * kGbKb);

  r.rounding = QX_ROUNDING_10GB;
  plan = plan_capacity(r);
  ASSERT_EQ(plan.status, kOk);
  EXPECT_EQ(plan.capacity_kb, 20 * kGbKb);
  EXPECT_EQ(plan.largest_kb, 20 * kGbKb);

  r.rounding = 3;
  EXPECT_EQ(plan_capacity(r).status, kInvalidParameter);
}

TEST(Capacity, ARequestedSizeIsTakenWhenTheMembersHoldIt) {
  CapacityRequest r = equal_members(QX_RAID5, 3, 1000 * kMb);
  r.requested_kb = 500 * kMb;
  CapacityPlan plan = plan_capacity(r);
  ASSERT_EQ(plan.status, kOk);
  EXPECT_EQ(plan.capacity_kb, 500 * kMb);
  EXPECT_EQ(plan.block_kb, std::vector<uint64_t>(3, 250 * kMb));
  EXPECT_EQ(plan.largest_kb, 2000 * kMb);

  r.requested_kb = 501 * kMb;  // an odd MB count needs a block that covers it
  plan = plan_capacity(r);
  ASSERT_EQ(plan.status, kOk);
  EXPECT_EQ(plan.capacity_kb, 501 * kMb);
  EXPECT_EQ(plan.block_kb.front(), 251 * kMb);

  r.requested_kb = 2000 * kMb;  // exactly all of it
  EXPECT_EQ(plan_capacity(r).status, kOk);
}

TEST(Capacity, ARequestedSizeLargerThanTheFreeSpaceIsRefusedWithTheLargestSize) {
  CapacityRequest r = equal_members(QX_RAID1, 2, 1000 * kMb);
  r.requested_kb = 1001 * kMb;
  CapacityPlan plan = plan_capacity(r);
  EXPECT_EQ(plan.status, kNoResource);
  EXPECT_EQ(plan.largest_kb, 1000 * kMb);
  EXPECT_TRUE(plan.block_kb.empty());

  // A size that rounding turns into nothing.
  r.requested_kb = 900 * kMb;
  r.rounding = QX_ROUNDING_1GB;
  EXPECT_EQ(plan_capacity(r).status, kOutOfRange);

  // Members without free space give nothing to build on.
  EXPECT_EQ(plan_capacity(equal_members(QX_RAID0, 2, 1000)).status, kNoResource);
}

TEST(Capacity, ConcatenatingLevelsAddUpTheirDataMembers) {
  CapacityRequest jbod;
  jbod.level = QX_JBOD;
  jbod.members = {{300 * kMb + 7, false}, {500 * kMb, false}};
  CapacityPlan plan = plan_capacity(jbod);
  ASSERT_EQ(plan.status, kOk);
  EXPECT_EQ(plan.capacity_kb, 800 * kMb);
  EXPECT_EQ(plan.block_kb, (std::vector<uint64_t>{300 * kMb, 500 * kMb}));

  // A requested size gives every member at least a MB, then fills them in order.
  jbod.requested_kb = 400 * kMb;
  plan = plan_capacity(jbod);
  ASSERT_EQ(plan.status, kOk);
  EXPECT_EQ(plan.block_kb, (std::vector<uint64_t>{300 * kMb, 100 * kMb}));
  jbod.requested_kb = 100 * kMb;
  plan = plan_capacity(jbod);
  EXPECT_EQ(plan.block_kb, (std::vector<uint64_t>{99 * kMb, 1 * kMb}));

  // The capacity tier counts its SSD; the safe and hybrid tiers keep their
  // data on the hard disks and take the SSD whole.
  CapacityRequest tier;
  tier.members = {{100 * kMb, true}, {900 * kMb, false}};
  tier.level = QX_TIER_CAPACITY;
  EXPECT_EQ(plan_capacity(tier).capacity_kb, 1000 * kMb);
  for (uint8_t level : {uint8_t{QX_TIER_SAFE}, uint8_t{QX_TIER_HYBRID}}) {
    tier.level = level;
    tier.requested_kb = 200 * kMb;
    plan = plan_capacity(tier);
    ASSERT_EQ(plan.status, kOk);
    EXPECT_EQ(plan.capacity_kb, 200 * kMb);
    EXPECT_EQ(plan.block_kb, (std::vector<uint64_t>{100 * kMb, 200 * kMb}));
  }

  jbod.members.push_back({512, false});  // half a MB is no room for a block
  jbod.requested_kb = 0;
  EXPECT_EQ(plan_capacity(jbod).status, kNoResource);
}

TEST(Capacity, MemberCountAndParityRulesOfEachLevel) {
  struct Case {
    uint8_t level;
    int n;
    int parity;
    uint8_t status;
  } cases[] = {
      {QX_RAID0, 1, 0, kPdCountForLevel},
      {QX_RAID0, 2, 0, kOk},
      {QX_RAID1, 3, 0, kPdCountForLevel},
      {QX_RAID1, 2, 0, kOk},
      {QX_RAID10, 6, 0, kOk},
      {QX_RAID10, 5, 0, kPdCountForLevel},
      {QX_RAID10, 2, 0, kPdCountForLevel},
      {QX_RAID1E, 4, 0, kPdCountForLevel},
      {QX_RAID1E, 5, 0, kOk},
      {QX_RAID5, 2, 0, kPdCountForLevel},
      {QX_RAID5, 3, 1, kParityDisks},
      {QX_RAID50, 7, 0, kPdCountForLevel},
      {QX_RAID50, 4, 0, kPdCountForLevel},
      {QX_RAID50, 8, 0, kOk},
      {QX_RAID6, 3, 2, kOk},
      {QX_RAID6, 3, 3, kParityDisks},
      {QX_RAID6, 8, 4, kOk},
      {QX_RAID6, 8, 5, kParityDisks},
      {QX_RAID6, 8, 1, kParityDisks},
      {QX_RAID60, 6, 4, kOk},
      {QX_RAID60, 8, 8, kParityDisks},
      {QX_RAID60, 12, 6, kOk},
      {QX_RAID60, 12, 8, kOk},
      {QX_RAID60, 12, 10, kParityDisks},
      {QX_JBOD, 1, 0, kOk},
      {QX_TIER_CAPACITY, 1, 0, kPdCountForLevel},
      {QX_TIER_HYBRID, 2, 0, kOk},
  };
  for (const Case& c : cases)
    EXPECT_EQ(check_members(c.level, c.n, c.parity, 4), c.status)
        << "level " << int{c.level} << ", " << c.n << " disks, " << c.parity << " parity";
  // An adapter that states no RAID6 limit allows two parity disks.
  EXPECT_EQ(check_members(QX_RAID6, 6, 2, 0), kOk);
  EXPECT_EQ(check_members(QX_RAID6, 6, 3, 0), kParityDisks);

  EXPECT_EQ(check_tier_members(1, 1, 0), kOk);
  EXPECT_EQ(check_tier_members(0, 2, 0), 28);
  EXPECT_EQ(check_tier_members(2, 0, 0), 28);
  EXPECT_EQ(check_tier_members(3, 1, 2), 28);
}

}  // namespace
}  // namespace qx::sim
