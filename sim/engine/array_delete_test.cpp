#include "sim/engine/array_delete.h"

#include <gtest/gtest.h>

#include "api/status.h"
#include "sim/engine/array_records.h"
#include "sim/engine/bga_control.h"
#include "sim/engine/block_records.h"
#include "sim/engine/vd_remove.h"
#include "sim/model/array.h"
#include "sim/model/disk.h"
#include "sim/model/event.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

using testing::TempState;

constexpr int64_t kNow = 1'800'000'000'000;

// Adapter 1 of the default scenario: array 0 (RAID5 on disks 0 to 3) holds
// VDs 0 and 1; disk 15 is a global spare.
struct Fixture {
  TempState state{"default"};
  std::unique_ptr<Db> db = state.open();
  Adapter adapter = select_by_id(*db, adapter_model(), 1, 1).value();

  void make_dedicated_spare(uint16_t pd) {
    Disk d = select_by_id(*db, disk_model(), 1, pd).value();
    d.spare = SpareKind::kDedicated;
    d.spare_array = 0;
    update_row(*db, disk_model(), 1, d);
  }
  std::vector<Event> events_after(uint32_t seq) {
    return select_rows(*db, event_model(), 1, "seq > ?1", {json(seq)}, "seq");
  }
};

TEST(ArrayDelete, AnArrayGoesOnlyWhenEmptyAndFreesItsDedicatedSpares) {
  Fixture f;
  f.make_dedicated_spare(14);
  EXPECT_EQ(delete_array(Session(*f.db, 1, kNow), 0), kArrayHasVds);
  EXPECT_EQ(delete_array(Session(*f.db, 1, kNow), 3), kInvalidArrayId);
  ASSERT_EQ(delete_vd(Session(*f.db, 1, kNow), 0, QX_DELETE_LIVE), kOk);
  ASSERT_EQ(delete_vd(Session(*f.db, 1, kNow), 1, QX_DELETE_LIVE), kOk);
  ASSERT_EQ(delete_array(Session(*f.db, 1, kNow), 0), kOk);
  EXPECT_FALSE(select_by_id(*f.db, array_model(), 1, 0).has_value());
  EXPECT_EQ(select_by_id(*f.db, disk_model(), 1, 14)->spare, SpareKind::kNone);
  EXPECT_EQ(select_by_id(*f.db, disk_model(), 1, 15)->spare, SpareKind::kGlobal) << "a global spare stays";
  std::vector<Event> events = f.events_after(7);  // 5 in the scenario, 2 VD deletions
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].event_class, QX_EVT_CLASS_PD);
  EXPECT_EQ(events[0].code, 10);
  EXPECT_EQ(events[0].device_id, 14);
  EXPECT_EQ(events[1].event_class, QX_EVT_CLASS_ARRAY);
  EXPECT_EQ(events[1].code, 1);
}

TEST(ArrayDelete, APackageVdTakesItsArrayAndVdTogether) {
  Fixture f;
  EXPECT_EQ(delete_package_vd(Session(*f.db, 1, kNow), 0), kInvalidArrayId) << "an ordinary array is no package";
  Array array = select_by_id(*f.db, array_model(), 1, 0).value();
  array.package = true;
  update_row(*f.db, array_model(), 1, array);
  start_vd_activity(Session(*f.db, 1, kNow), 1, ActivityKind::kSynchronize, 100);
  EXPECT_EQ(delete_package_vd(Session(*f.db, 1, kNow), 0), kVdHasBga);
  ASSERT_EQ(control_vd_activity(Session(*f.db, 1, kNow), 1, QX_BGA_ACTION_CANCEL), kOk);

  ASSERT_EQ(delete_package_vd(Session(*f.db, 1, kNow), 0), kOk);
  EXPECT_TRUE(select_rows(*f.db, vd_model(), 1).empty());
  EXPECT_TRUE(select_rows(*f.db, array_model(), 1).empty());
  EXPECT_TRUE(blocks_on_disk(Session(*f.db, 1, kNow), 0).empty());
  EXPECT_EQ(delete_package_vd(Session(*f.db, 1, kNow), 0), kInvalidArrayId);
}

TEST(ArrayRecords, TheRecordShowsSlotsFreeSpaceAndWhatRebuildsNeed) {
  Fixture f;
  std::optional<ArrayView> view = array_view(Session(*f.db, 1, kNow, f.adapter), 0);
  ASSERT_TRUE(view.has_value());
  QX_ARRAY_INFO r = array_info_record(*view);
  EXPECT_EQ(r.array_id, 0);
  EXPECT_EQ(r.raid_level, QX_RAID5);
  EXPECT_EQ(r.stripe_kb, 128);
  EXPECT_EQ(r.pd_count, 4);
  EXPECT_EQ(r.pd_ids[3], 3);
  // Each member carries two blocks of 585930240 KB after 256 MB reserved;
  // the 944 KB left on the 1172123568 KB disks make no free slot.
  EXPECT_EQ(r.slot_count, 2);
  EXPECT_EQ(r.slot_vd_ids[0], 0);
  EXPECT_EQ(r.slot_vd_ids[1], 1);
  EXPECT_EQ(r.rebuild_kb, 2u * 585930240);
  EXPECT_EQ(r.free_kb, 0u);
  EXPECT_EQ(r.bga_type, 0);
}

}  // namespace
}  // namespace qx::sim
