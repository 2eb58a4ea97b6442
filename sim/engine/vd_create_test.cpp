#include "sim/engine/vd_create.h"

#include <cstring>
#include <functional>

#include <gtest/gtest.h>

#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/block_records.h"
#include "sim/model/activity.h"
#include "sim/model/event.h"
#include "sim/model/vd.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

using testing::TempState;

constexpr int64_t kNow = 1'800'000'000'000;               // simulated ms
constexpr uint64_t kFreeOfBigDisk = 1953514584 - 262144;  // a 2 TB disk of adapter 0 past its reserved area

QX_CREATE_VD_REQUEST request(uint8_t level, std::vector<uint16_t> pds, const char* name = "data") {
  QX_CREATE_VD_REQUEST r{};
  r.raid_level = level;
  r.pd_count = static_cast<uint8_t>(pds.size());
  r.stripe_kb = 64;
  r.always_one = 1;
  r.cache_policy = QX_CACHE_WRITE_THROUGH;
  for (size_t i = 0; i < pds.size(); ++i) r.pd_ids[i] = pds[i];
  std::strncpy(r.name, name, sizeof r.name - 1);
  return r;
}

// Adapter 0 of the default scenario: arrays-less, VDs 0 and 1 on disks 0 to
// 4, free disks 5 to 13 (9 has a file system; 0, 1, 10 to 12 are SSDs).
struct Fixture {
  TempState state{"default"};
  std::unique_ptr<Db> db = state.open();
  Adapter adapter = select_by_id(*db, adapter_model(), 0, 0).value();

  uint8_t create(const QX_CREATE_VD_REQUEST& r, uint16_t* id = nullptr) {
    uint16_t ignored = 0;
    return create_vd(Session(*db, 0, kNow, adapter), r, id ? id : &ignored);
  }
  std::vector<Event> events_after(uint32_t seq) {
    return select_rows(*db, event_model(), 0, "seq > ?1", {json(seq)}, "seq");
  }
  size_t vd_count() { return select_rows(*db, vd_model(), 0).size(); }
};

TEST(VdCreate, ARaid5IsBuiltFromThreeFreeDisksAndInitializesQuickly) {
  Fixture f;
  uint16_t id = 0;
  ASSERT_EQ(f.create(request(QX_RAID5, {5, 6, 7}, "data"), &id), kOk);
  EXPECT_EQ(id, 2);

  Vd vd = select_by_id(*f.db, vd_model(), 0, id).value();
  const uint64_t block = kFreeOfBigDisk / 1024 * 1024;  // whole MB of the free space
  EXPECT_EQ(vd.name, "data");
  EXPECT_EQ(vd.state, QX_VD_FUNCTIONAL);
  EXPECT_EQ(vd.size_kb, 2 * block);
  EXPECT_EQ(vd.members, 3);
  EXPECT_EQ(vd.cache_flags, QX_CACHE_WRITE_THROUGH);
  EXPECT_EQ(vd.stripe_kb, 64);
  for (int pd : {5, 6, 7}) {
    std::vector<Block> blocks = blocks_on_disk(Session(*f.db, 0, kNow), static_cast<uint16_t>(pd));
    ASSERT_EQ(blocks.size(), 1u) << pd;
    EXPECT_EQ(blocks[0].vd, id);
    EXPECT_EQ(blocks[0].member, pd - 5);
    EXPECT_EQ(blocks[0].start_kb, f.adapter.disk_reserved_kb);
    EXPECT_EQ(blocks[0].size_kb, block);
  }
  std::vector<Block> all = select_rows(*f.db, block_model(), 0, "vd = ?1", {json(id)});
  EXPECT_EQ(all.front().id, 5) << "the lowest free block ids";

  std::vector<Event> events = f.events_after(5);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].event_class, QX_EVT_CLASS_VD);
  EXPECT_EQ(events[0].code, 2);  // created
  EXPECT_EQ(events[0].device_id, id);
  EXPECT_EQ(events[1].code, 40);  // fast initialization started
  EXPECT_EQ(events[1].time, kNow / 1000);

  std::optional<Activity> init = vd_activity(Session(*f.db, 0, kNow), id);
  ASSERT_TRUE(init.has_value());
  EXPECT_EQ(init->kind, ActivityKind::kInitQuick);
  complete_due_activities(Session(*f.db, 0, kNow + 4'000));
  EXPECT_EQ(select_by_id(*f.db, vd_model(), 0, id)->state, QX_VD_FUNCTIONAL);
  complete_due_activities(Session(*f.db, 0, kNow + 5'000));
  EXPECT_EQ(select_by_id(*f.db, vd_model(), 0, id)->state, QX_VD_FUNCTIONAL_INITIALIZED);
  EXPECT_FALSE(vd_activity(Session(*f.db, 0, kNow), id).has_value());
}

TEST(VdCreate, BackgroundInitializationTakesTheTimeTheAdaptersRateGives) {
  Fixture f;
  QX_CREATE_VD_REQUEST r = request(QX_RAID1, {5, 6});
  r.init_mode = QX_INIT_BACKGROUND;
  r.size_mb = 40'000;
  uint16_t id = 0;
  ASSERT_EQ(f.create(r, &id), kOk);
  EXPECT_EQ(select_by_id(*f.db, vd_model(), 0, id)->size_kb, 40'000u * 1024);
  std::optional<Activity> init = vd_activity(Session(*f.db, 0, kNow), id);
  ASSERT_TRUE(init.has_value());
  EXPECT_EQ(init->kind, ActivityKind::kInitBackground);
  EXPECT_EQ(init->duration_s, 100) << "40000 MB at 400 MB/s";
  EXPECT_EQ(f.events_after(5).back().code, 50);

  complete_due_activities(Session(*f.db, 0, kNow + 100'000));
  EXPECT_EQ(select_by_id(*f.db, vd_model(), 0, id)->state, QX_VD_FUNCTIONAL_INITIALIZED);
  EXPECT_EQ(f.events_after(5).back().code, 55);

  // Without initialization the VD stays functional, and the disk keeps its file system.
  r = request(QX_RAID0, {8, 9});
  r.init_mode = QX_INIT_NONE;
  r.size_mb = 1000;
  ASSERT_EQ(f.create(r, &id), kOk);
  EXPECT_FALSE(vd_activity(Session(*f.db, 0, kNow), id).has_value());
  EXPECT_TRUE(select_by_id(*f.db, disk_model(), 0, 9)->has_file_system);
  r = request(QX_RAID0, {9, 13});
  ASSERT_EQ(f.create(r, &id), kOk) << "disk 9 still has room";
  EXPECT_FALSE(select_by_id(*f.db, disk_model(), 0, 9)->has_file_system) << "an initialization overwrites it";
}

TEST(VdCreate, RefusedRequestsAnswerTheAdaptersStatusAndChangeNothing) {
  struct Case {
    const char* what;
    std::function<void(QX_CREATE_VD_REQUEST&, Adapter&)> change;
    uint8_t status;
  } cases[] = {
      {"unknown level", [](auto& r, auto&) { r.raid_level = 0x22; }, kInvalidRaidMode},
      {"level the adapter lacks",
       [](auto& r, auto&) {
         r.raid_level = QX_RAID6;
         r.pd_count = 3;
       },
       kNotSupported},
      {"no disks", [](auto& r, auto&) { r.pd_count = 0; }, kInvalidPdCount},
      {"more disks than a VD takes", [](auto&, auto& a) { a.max_disks_per_vd = 2; }, kInvalidPdCount},
      {"a disk twice", [](auto& r, auto&) { r.pd_ids[2] = 5; }, kInvalidParameter},
      {"count for the level", [](auto& r, auto&) { r.pd_count = 2; }, kPdCountForLevel},
      {"parity on RAID5", [](auto& r, auto&) { r.parity_disks = 2; }, kParityDisks},
      {"stripe not supported", [](auto& r, auto&) { r.stripe_kb = 512; }, kInvalidBlockSize},
      {"stripe no power of two", [](auto& r, auto&) { r.stripe_kb = 48; }, kInvalidBlockSize},
      {"rounding code", [](auto& r, auto&) { r.rounding = 3; }, kInvalidParameter},
      {"rounding on an adapter without it",
       [](auto& r, auto& a) {
         r.rounding = 1;
         a.adv_features |= QX_ADV_NO_ROUNDING;
       },
       kNotSupported},
      {"write cache on an adapter without it",
       [](auto& r, auto& a) {
         r.cache_policy = 0;
         a.adv_features |= QX_ADV_NO_VD_WRITE_CACHE;
       },
       kNotSupported},
      {"auto cache", [](auto& r, auto&) { r.cache_policy = QX_CACHE_AUTO; }, kInvalidParameter},
      {"foreground init", [](auto& r, auto&) { r.init_mode = QX_INIT_FOREGROUND; }, kInvalidParameter},
      {"background init without the feature",
       [](auto& r, auto& a) {
         r.init_mode = QX_INIT_BACKGROUND;
         a.features = 0;
       },
       kNotSupported},
      {"intelligent init off the tiers", [](auto& r, auto&) { r.init_mode = QX_INIT_INTELLIGENT; }, kNotSupported},
      {"empty name", [](auto& r, auto&) { r.name[0] = '\0'; }, kVdNameInvalid},
      {"name with a dash", [](auto& r, auto&) { r.name[1] = '-'; }, kVdNameInvalid},
      {"name without its end", [](auto& r, auto&) { std::memset(r.name, 'a', sizeof r.name); }, kVdNameInvalid},
      {"missing disk", [](auto& r, auto&) { r.pd_ids[1] = 40; }, kPdMissing},
      {"no more VD ids", [](auto&, auto& a) { a.max_vds = 2; }, kNoVdId},
      {"no more block ids", [](auto&, auto& a) { a.max_total_blocks_wide = 7; }, kNoResource},
      {"an array-capable adapter", [](auto&, auto& a) { a.max_arrays = 4; }, kNotSupportedOnAdapter},
      {"larger than the disks", [](auto& r, auto&) { r.size_mb = 4'000'000; }, kNoResource},
      {"a size that rounds to nothing",
       [](auto& r, auto&) {
         r.size_mb = 9000;
         r.rounding = 2;
       },
       kOutOfRange},
  };
  for (const Case& c : cases) {
    Fixture f;
    QX_CREATE_VD_REQUEST r = request(QX_RAID5, {5, 6, 7});
    c.change(r, f.adapter);
    EXPECT_EQ(f.create(r), c.status) << c.what;
    EXPECT_EQ(f.vd_count(), 2u) << c.what;
    EXPECT_TRUE(f.events_after(5).empty()) << c.what;
    EXPECT_TRUE(blocks_on_disk(Session(*f.db, 0, kNow), 5).empty()) << c.what;
  }
}

TEST(VdCreate, EachDiskMustBeUsableAndTheDisksAlike) {
  Fixture f;
  auto set_disk = [&](uint16_t id, const std::function<void(Disk&)>& change) {
    Disk d = select_by_id(*f.db, disk_model(), 0, id).value();
    change(d);
    update_row(*f.db, disk_model(), 0, d);
  };
  set_disk(5, [](Disk& d) { d.offline = true; });
  set_disk(6, [](Disk& d) { d.foreign = true; });
  set_disk(7, [](Disk& d) { d.spare = SpareKind::kGlobal; });
  set_disk(8, [](Disk& d) { d.present = false; });
  set_disk(13, [](Disk& d) { d.type_bits = QX_PD_TYPE_ATAPI_CDDVD; });
  EXPECT_EQ(f.create(request(QX_RAID1, {5, 9})), kInvalidPdId);
  EXPECT_EQ(f.create(request(QX_RAID1, {9, 6})), kInvalidPdId);
  EXPECT_EQ(f.create(request(QX_RAID1, {9, 7})), kPdIsSpare);
  EXPECT_EQ(f.create(request(QX_RAID1, {9, 8})), kPdMissing);
  EXPECT_EQ(f.create(request(QX_RAID1, {9, 13})), kAtapiInVd);

  set_disk(11, [](Disk& d) { d.sector_size = 4096; });
  EXPECT_EQ(f.create(request(QX_RAID1, {10, 11})), kPdBlockSizeMismatch);
  // An adapter that takes one kind of disk only refuses an SSD beside a hard disk.
  f.adapter.features |= QX_FEATURE_SAME_TYPE_ONLY;
  EXPECT_EQ(f.create(request(QX_RAID1, {12, 9})), kPdTypeMismatch);
  f.adapter.features &= static_cast<uint8_t>(~QX_FEATURE_SAME_TYPE_ONLY);
  EXPECT_EQ(f.create(request(QX_RAID1, {12, 9})), kOk);

  // Disk 2 belongs to VD 1 and has only 88 KB left: nothing to build on.
  EXPECT_EQ(f.create(request(QX_RAID1, {10, 2})), kNoResource);
  // Without several VDs per disk, a member disk is refused outright.
  f.adapter.adv_features &= ~QX_ADV_MULTI_VD;
  EXPECT_EQ(f.create(request(QX_RAID1, {10, 2})), kPdAssigned);
  EXPECT_EQ(f.create(request(QX_RAID1, {10, 9})), kPdAssigned) << "disk 9 has just become a member";
}

TEST(VdCreate, TheSizeCountsOnNewerAdaptersOnlyWhenForced) {
  Fixture f;
  auto created_kb = [&f](std::vector<uint16_t> pds, uint8_t force) {
    QX_CREATE_VD_REQUEST r = request(QX_RAID0, std::move(pds));
    r.size_mb = 1000;
    r.force_size = force;
    uint16_t id = 0;
    EXPECT_EQ(f.create(r, &id), kOk);
    return select_by_id(*f.db, vd_model(), 0, id)->size_kb;
  };
  f.adapter.device_id = 0x6300;  // the newest device whose sizes count unforced
  EXPECT_EQ(created_kb({7, 8}, 0), 1000u * 1024);
  f.adapter.device_id = 0x6301;
  EXPECT_EQ(created_kb({5, 6}, 0), 2 * (kFreeOfBigDisk / 1024 * 1024));
  EXPECT_EQ(created_kb({9, 13}, 1), 1000u * 1024);
}

TEST(VdCreate, TheTiersMixAnSsdWithHardDisks) {
  Fixture f;
  f.adapter.raid_modes |= QX_RAID_MODE_TIER_CAPACITY | QX_RAID_MODE_TIER_HYBRID;
  EXPECT_EQ(f.create(request(QX_TIER_CAPACITY, {5, 6})), kTierSsdCount) << "no SSD";
  EXPECT_EQ(f.create(request(QX_TIER_CAPACITY, {10, 11})), kTierSsdCount) << "no hard disk";
  uint16_t id = 0;
  ASSERT_EQ(f.create(request(QX_TIER_HYBRID, {10, 5}, "tier"), &id), kOk);
  Vd vd = select_by_id(*f.db, vd_model(), 0, id).value();
  EXPECT_EQ(vd.size_kb, kFreeOfBigDisk / 1024 * 1024) << "the hard disk holds the data";
  std::vector<Event> events = f.events_after(5);
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.front().params[3], QX_EVT_TIER_VD);
}

TEST(VdCreate, NewVdsFillTheLowestFreeId) {
  Fixture f;
  Stmt drop = f.db->prepare("DELETE FROM vds WHERE adapter = 0 AND id = 0");
  drop.run();
  uint16_t id = 9;
  ASSERT_EQ(f.create(request(QX_RAID1, {5, 6}), &id), kOk);
  EXPECT_EQ(id, 0);
  ASSERT_EQ(f.create(request(QX_RAID1, {7, 8}), &id), kOk);
  EXPECT_EQ(id, 2);
}

TEST(VdCreate, StripeSizesFollowTheAdaptersMask) {
  Adapter a;
  a.stripe_sizes = 0x1F;  // 16 to 256 KB
  EXPECT_TRUE(stripe_supported(a, 16));
  EXPECT_TRUE(stripe_supported(a, 256));
  EXPECT_FALSE(stripe_supported(a, 512));
  EXPECT_FALSE(stripe_supported(a, 48));
  EXPECT_FALSE(stripe_supported(a, 0));
  a.stripe_sizes = 0;
  EXPECT_TRUE(stripe_supported(a, 128));
  EXPECT_FALSE(stripe_supported(a, 256));
  a.adv_features = QX_ADV_BIG_STRIPE;
  EXPECT_TRUE(stripe_supported(a, 1024));
}

}  // namespace
}  // namespace qx::sim
