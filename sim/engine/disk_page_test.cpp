#include "sim/engine/disk_page.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <vector>

#include "sim/engine/block_records.h"
#include "sim/engine/call.h"
#include "sim/engine/control.h"
#include "sim/engine/disk_records.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

std::vector<uint16_t> block_ids(const std::vector<Block>& blocks) {
  std::vector<uint16_t> ids;
  for (const Block& b : blocks) ids.push_back(b.id);
  return ids;
}

std::optional<uint16_t> activity_id(const std::optional<Activity>& a) {
  return a ? std::optional<uint16_t>(a->id) : std::nullopt;
}

// After a page of disks, each per-disk read in a read-only call answers for
// its own disk as a query would, and a disk the page skipped (pulled) stays
// missing.
TEST(DiskPage, PerDiskReadsAfterAPageAnswerAsQueriesWould) {
  testing::TempState state("default");
  std::unique_ptr<Db> db = state.open();
  {
    Transaction txn(*db, Transaction::Kind::kWrite);
    pull_disk(Session(*db, 1, 0), 6);  // a free disk: nothing to rebuild
    for (const uint16_t pd : {uint16_t{5}, uint16_t{9}}) {
      Activity patrol;
      patrol.id = pd;
      patrol.kind = ActivityKind::kMediaPatrol;
      patrol.pd = pd;
      patrol.state = ActivityState::kPaused;  // nothing due: the call stays a reading one
      insert_row(*db, activity_model(), 1, patrol);
    }
    txn.commit();
  }
  std::map<uint16_t, std::pair<std::vector<uint16_t>, std::optional<uint16_t>>> queried;
  const Session direct(*db, 1, 0);  // outside a call: every read is a query
  for (const Disk& d : present_disks(direct, 0, 100))
    queried[d.id] = {block_ids(blocks_on_disk(direct, d.id)), activity_id(disk_activity(direct, d.id))};
  ASSERT_GT(queried.size(), 3u);

  ASSERT_EQ(run_call(*db, "QX_Probe", 1, Access::kRead,
                     [&](Session& s) {
                       const std::vector<Disk> page = present_disks(s, 0, 100);
                       EXPECT_NE(kept_disk_page(s), nullptr);
                       EXPECT_FALSE(present_disk(s, 6).has_value()) << "pulled";
                       for (auto it = page.rbegin(); it != page.rend(); ++it) {
                         EXPECT_EQ(present_disk(s, it->id).value().serial, it->serial);
                         EXPECT_EQ(block_ids(blocks_on_disk(s, it->id)), queried[it->id].first) << it->id;
                         EXPECT_EQ(activity_id(disk_activity(s, it->id)), queried[it->id].second) << it->id;
                       }
                       return uint8_t{0};
                     }),
            0);
}

}  // namespace
}  // namespace qx::sim
