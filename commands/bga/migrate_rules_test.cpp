#include "commands/bga/migrate_rules.h"

#include <gtest/gtest.h>

#include "api/raid_levels.h"
#include "api/records.h"

namespace qx::commands {
namespace {

TEST(MigrateRules, CountRulesOfBothVariants) {
  struct Case {
    uint8_t level;
    int count;
    std::optional<int> parity;
    MigrateVariant variant;
    const char* message;  // nullptr: it fits
    uint8_t parity_sent;
  } cases[] = {
      {QX_RAID0, 1, std::nullopt, MigrateVariant::kVd, nullptr, 0},  // no rule: the adapter judges
      {QX_RAID1, 3, std::nullopt, MigrateVariant::kVd, "RAID1 needs exactly 2 PDs.\n", 0},
      {QX_RAID1E, 4, std::nullopt, MigrateVariant::kVd, "RAID1E needs at least 3 or more odd number of PDs.\n", 0},
      {QX_RAID5, 4, 1, MigrateVariant::kVd, nullptr, 1},  // passed on for the adapter to refuse
      {QX_RAID6, 3, std::nullopt, MigrateVariant::kVd, nullptr, 2},
      {QX_RAID6, 3, std::nullopt, MigrateVariant::kArray, "RAID6 needs least 4 PDs.\n", 0},
      {QX_RAID6, 2, std::nullopt, MigrateVariant::kArray, "RAID6 needs least 4 PDs.\n", 0},
      {QX_RAID6, 4, 3, MigrateVariant::kVd, nullptr, 3},
      {QX_RAID6, 4, 4, MigrateVariant::kVd, "Number of parity disks should be at least 2 and less than 4.\n", 0},
      {QX_RAID6, 6, 3, MigrateVariant::kArray, nullptr, 3},
      {QX_RAID6, 6, 4, MigrateVariant::kArray, "Number of parity disks should be at between 2 and 2.\n", 0},
      {QX_RAID60, 6, std::nullopt, MigrateVariant::kVd, nullptr, 4},
      {QX_RAID60, 6, std::nullopt, MigrateVariant::kArray, "RAID60 needs least 8 or more even number of PDs.\n", 0},
      {QX_RAID60, 9, std::nullopt, MigrateVariant::kArray, "RAID60 needs least 8 or more even number of PDs.\n", 0},
      {QX_RAID60, 8, 5, MigrateVariant::kVd, "RAID60 need at least 4 even number of parity disks.\n", 0},
      {QX_RAID60, 6, 6, MigrateVariant::kVd, "# of parity disks (6) should be less than # of total disks (6).\n", 0},
  };
  for (const Case& c : cases) {
    const CountVerdict v = migration_count_rule(c.level, c.count, c.parity, c.variant, 2);
    const std::string what = std::to_string(c.level) + " on " + std::to_string(c.count);
    EXPECT_EQ(v.fits, c.message == nullptr) << what;
    EXPECT_EQ(v.message, c.message ? c.message : "") << what;
    if (v.fits) {
      EXPECT_EQ(v.parity, c.parity_sent) << what;
    }
  }
}

TEST(MigrateRules, RedundancyClassesOrderTheLevels) {
  EXPECT_LT(redundancy_class(QX_RAID1E), redundancy_class(QX_RAID5));
  EXPECT_EQ(redundancy_class(QX_RAID10), redundancy_class(QX_RAID1));
  EXPECT_EQ(redundancy_class(QX_RAID50), redundancy_class(QX_RAID5));
  EXPECT_EQ(redundancy_class(QX_RAID60), redundancy_class(QX_RAID6));
  EXPECT_GT(redundancy_class(QX_RAID6), redundancy_class(QX_RAID50));
  EXPECT_EQ(redundancy_class(QX_JBOD), QX_JBOD);
  EXPECT_EQ(redundancy_class(QX_RAID0), 0);
}

TEST(MigrateRules, MembersAreMatchedOnceAndNamedInOrder) {
  const MemberMatch m = match_members({5, 0, 7, 1}, {0, 1, 2});
  EXPECT_EQ(m.counted, 2);
  EXPECT_EQ(m.text, "0 1 2 ");
  EXPECT_EQ(m.work, (std::vector<uint16_t>{5, kMatchedMember, 7, kMatchedMember}));
  EXPECT_TRUE(migration_level_supported(QX_RAID_MODE_RAID5, QX_RAID5));
  EXPECT_FALSE(migration_level_supported(QX_RAID_MODE_RAID5, QX_RAID6));
  EXPECT_TRUE(migration_level_supported(0, QX_TIER_SAFE)) << "the tiers are not judged";
}

}  // namespace
}  // namespace qx::commands
