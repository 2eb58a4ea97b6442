#include "sim/engine/spares.h"

#include <gtest/gtest.h>

#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/pd_raid_status.h"
#include "sim/model/activity.h"
#include "sim/model/disk.h"
#include "sim/model/event.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

using testing::TempState;

constexpr int64_t kNow = 1'800'000'000'000;

uint8_t flags_of(Db& db, int adapter, uint16_t pd) {
  return pd_raid_status_record(pd_raid_view(Session(db, adapter, kNow), pd).value()).flags;
}

TEST(PdRaidStatus, FlagsSayFreeMemberSpareOfflineForeignAndPatrol) {
  TempState state("default");
  std::unique_ptr<Db> db = state.open();
  EXPECT_EQ(flags_of(*db, 0, 5), QX_PD_RAID_FREE);
  EXPECT_EQ(flags_of(*db, 0, 2), QX_PD_RAID_IN_USE);
  EXPECT_EQ(flags_of(*db, 1, 15), QX_PD_RAID_GLOBAL_SPARE);
  Disk d = select_by_id(*db, disk_model(), 0, 6).value();
  d.offline = true;
  d.foreign = true;
  update_row(*db, disk_model(), 0, d);
  EXPECT_EQ(flags_of(*db, 0, 6), QX_PD_RAID_OFFLINE | QX_PD_RAID_FOREIGN) << "an offline disk is never free";

  Activity patrol;
  patrol.kind = ActivityKind::kMediaPatrol;
  patrol.pd = 3;
  insert_row(*db, activity_model(), 0, patrol);
  EXPECT_EQ(flags_of(*db, 0, 3), QX_PD_RAID_IN_USE | QX_PD_RAID_MEDIA_PATROL);

  // A page reads the same flags as single disks do.
  std::vector<PdRaidView> page = pd_raid_views(Session(*db, 0, kNow), 2, 5);
  ASSERT_EQ(page.size(), 5u);
  for (const PdRaidView& v : page) EXPECT_EQ(pd_raid_status_record(v).flags, flags_of(*db, 0, v.disk.id)) << v.disk.id;
  d = select_by_id(*db, disk_model(), 0, 7).value();
  d.present = false;
  update_row(*db, disk_model(), 0, d);
  EXPECT_FALSE(pd_raid_view(Session(*db, 0, kNow), 7).has_value()) << "a pulled disk is not there";
}

TEST(Spares, ASpareBecomesFreeUnlessItStandsInForAMember) {
  TempState state("default");
  std::unique_ptr<Db> db = state.open();
  EXPECT_EQ(spare_to_free(Session(*db, 1, kNow), 14), kPdNotSpare);
  EXPECT_EQ(spare_to_free(Session(*db, 1, kNow), 99), kPdMissing);

  Block b;
  b.id = 30;
  b.pd = 15;
  b.vd = 0;
  b.member = 9;
  b.start_kb = 262144;
  b.size_kb = 1024;
  insert_row(*db, block_model(), 1, b);
  EXPECT_EQ(flags_of(*db, 1, 15), QX_PD_RAID_GLOBAL_SPARE | QX_PD_RAID_SPARE_IN_USE);
  EXPECT_EQ(spare_to_free(Session(*db, 1, kNow), 15), kSpareInUse);
  delete_row(*db, block_model(), 1, b);

  Activity patrol;
  patrol.kind = ActivityKind::kMediaPatrol;
  patrol.pd = 15;
  insert_row(*db, activity_model(), 1, patrol);
  ASSERT_EQ(spare_to_free(Session(*db, 1, kNow), 15), kOk);
  EXPECT_EQ(flags_of(*db, 1, 15), QX_PD_RAID_FREE);
  EXPECT_FALSE(pd_activity(Session(*db, 1, kNow), 15).has_value()) << "its media patrol stopped";
  std::vector<Event> events = select_rows(*db, event_model(), 1, "seq > 5", {}, "seq");
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].code, 18);  // media patrol manually stopped
  EXPECT_EQ(events[1].code, events::kPdSpareUnset.code);
}

}  // namespace
}  // namespace qx::sim
