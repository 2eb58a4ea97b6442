#include "sim/engine/wipe.h"

#include <gtest/gtest.h>

#include "api/event_catalogue.h"
#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/model/disk.h"
#include "sim/model/event.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

constexpr int64_t kNow = 1'800'000'000'000;
constexpr int64_t kWipeMs = 64'000;  // the default reserved 256 MB at 4 MB/s

TEST(Wipe, AForeignDiskIsFreeAndOwnedOnlyWhenTheWipeEnds) {
  testing::TempState state{"default"};
  std::unique_ptr<Db> db = state.open();
  Disk disk = select_by_id(*db, disk_model(), 0, 12).value();
  disk.foreign = true;
  update_row(*db, disk_model(), 0, disk);

  EXPECT_EQ(start_wipe(Session(*db, 0, kNow), 12, 2), kInvalidParameter);
  ASSERT_EQ(start_wipe(Session(*db, 0, kNow), 12, 0), kOk);
  complete_due_activities(Session(*db, 0, kNow + kWipeMs - 1));
  EXPECT_TRUE(select_by_id(*db, disk_model(), 0, 12)->foreign) << "not before its end";
  EXPECT_TRUE(wipe_running(Session(*db, 0, kNow + kWipeMs - 1), 12));

  complete_due_activities(Session(*db, 0, kNow + kWipeMs));
  EXPECT_FALSE(select_by_id(*db, disk_model(), 0, 12)->foreign);
  EXPECT_FALSE(wipe_running(Session(*db, 0, kNow + kWipeMs), 12));
  const Event last = select_rows(*db, event_model(), 0, "1", {}, "seq DESC", 1).front();
  EXPECT_EQ(last.code, events::kPdSetFree.code);
  EXPECT_EQ(last.device_id, 12);
}

}  // namespace
}  // namespace qx::sim
