#include "sim/engine/disk_activities.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/control.h"
#include "sim/engine/vd_starts.h"
#include "sim/model/event.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

using testing::TempState;

constexpr int64_t kNow = 1'800'000'000'000;

std::vector<uint16_t> codes_after(Db& db, int adapter, uint32_t seq) {
  std::vector<uint16_t> out;
  for (const Event& e : select_rows(db, event_model(), adapter, "seq > ?1", {json(seq)}, "seq")) out.push_back(e.code);
  return out;
}

uint32_t last_seq(Db& db, int adapter) {
  std::vector<Event> all = select_rows(db, event_model(), adapter, "seq > 0", {}, "seq DESC", 1);
  return all.empty() ? 0 : all.front().seq;
}

// Adapter 0: VD 0 mirrors disks 0 and 1, VD 1 (RAID5) lies on disks 2-4,
// disks 5 and up are free.
TEST(MediaPatrol, OneDiskPerVdPatrolsAndAVdStartEndsIt) {
  TempState state("default");
  std::unique_ptr<Db> db = state.open();
  const Session s(*db, 0, kNow);
  EXPECT_EQ(start_media_patrol(s, 99), kPdMissing);
  EXPECT_EQ(start_media_patrol(s, 5), kPdNotSpare) << "a free disk has nothing to patrol";
  const uint32_t before = last_seq(*db, 0);
  ASSERT_EQ(start_media_patrol(s, 2), kOk);
  EXPECT_EQ(start_media_patrol(s, 2), kBgaRunning);
  EXPECT_EQ(start_media_patrol(s, 3), kOneMediaPatrol) << "disk 3 serves the same VD";
  EXPECT_EQ(start_media_patrol(s, 0), kOk) << "another VD's disk may patrol";
  EXPECT_EQ(pd_activity(s, 2)->duration_s, 4770) << "a 1.8 TiB disk at 400 MB/s";

  // A VD activity on its members ends the patrol, logged as aborted.
  ASSERT_EQ(start_consistency_check(s, 1, QX_CHECK_AND_FIX), kOk);
  EXPECT_FALSE(pd_activity(s, 2).has_value());
  EXPECT_EQ(codes_after(*db, 0, before), (std::vector<uint16_t>{17, 17, 21, 30}));

  // The disk's patrol ends with it when the disk is pulled; offline disks are refused.
  const uint32_t pulled = last_seq(*db, 0);
  pull_disk(s, 0);
  EXPECT_FALSE(pd_activity(s, 0).has_value());
  EXPECT_EQ(codes_after(*db, 0, pulled).at(1), 21);
  fail_disk(s, 1);
  EXPECT_EQ(start_media_patrol(s, 1), kInvalidPdId);

  Adapter a = select_by_id(*db, adapter_model(), kAnyAdapter, 0).value();
  a.features = 0;
  update_row(*db, adapter_model(), kAnyAdapter, a);
  EXPECT_EQ(start_media_patrol(Session(*db, 0, kNow), 3), kNotSupported);
}

// Adapter 1: disk 15 is a global spare, disks 0-3 members of array 0.
TEST(DataScrub, OnlyAnIdleSpareScrubsAndItsEndsFollowTheSpare) {
  TempState state("default");
  std::unique_ptr<Db> db = state.open();
  const Session s(*db, 1, kNow);
  EXPECT_EQ(start_data_scrub(s, 0), kPdNotSpare);
  ASSERT_EQ(start_data_scrub(s, 15), kOk);
  EXPECT_EQ(start_data_scrub(s, 15), kBgaRunning);
  EXPECT_EQ(start_media_patrol(s, 15), kBgaRunning) << "one activity per disk";
  const uint32_t before = last_seq(*db, 1);
  pull_disk(s, 2);  // the spare steps in: its scrub ends, the rebuild starts
  EXPECT_FALSE(pd_activity(s, 15).has_value());
  EXPECT_EQ(start_data_scrub(s, 15), kSpareInUse);
  const std::vector<uint16_t> codes = codes_after(*db, 1, before);
  EXPECT_EQ(std::count(codes.begin(), codes.end(), 21), 0) << "a scrub ends without an event";
}

}  // namespace
}  // namespace qx::sim
