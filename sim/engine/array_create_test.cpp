#include "sim/engine/array_create.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "api/status.h"
#include "sim/engine/array_delete.h"
#include "sim/engine/activities.h"
#include "sim/engine/array_records.h"
#include "sim/engine/control.h"
#include "sim/engine/spares.h"
#include "sim/engine/vd_create.h"
#include "sim/engine/vd_import.h"
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
constexpr int kArrays = 1;  // the default scenario's array-capable adapter

// Adapter 1 of the default scenario: array 0 (RAID5 on disks 0 to 3) holds
// VDs 0 and 1; disks 4 to 14 are free, disk 15 a global spare.
struct Fixture {
  TempState state{"default"};
  std::unique_ptr<Db> db = state.open();
  Session s{*db, kArrays, kNow};

  void resize(uint16_t pd, uint64_t kb, int adapter = kArrays) {
    Disk d = select_by_id(*db, disk_model(), adapter, pd).value();
    d.size_kb = kb;
    update_row(*db, disk_model(), adapter, d);
  }
  static QX_ARRAY_REQUEST array(uint8_t level, std::vector<uint16_t> pds, uint64_t size_mb = 0) {
    QX_ARRAY_REQUEST r{};
    r.array_id = QX_NEW_ID;
    std::strcpy(r.name, "data");
    r.raid_level = level;
    r.stripe_kb = 64;
    r.size = size_mb;
    r.sector_size = 512;
    r.pd_count = static_cast<uint8_t>(pds.size());
    std::copy(pds.begin(), pds.end(), r.pd_ids);
    return r;
  }
  static QX_ARRAY_VD_REQUEST vd(uint16_t array, uint8_t level, uint64_t size_mb, uint8_t slot = QX_NO_SLOT) {
    QX_ARRAY_VD_REQUEST r{};
    r.vd_id = QX_NEW_ID;
    r.array_id = array;
    std::strcpy(r.name, "vd");
    r.raid_level = level;
    r.slot = slot;
    r.stripe_kb = 64;
    r.size_mb = size_mb;
    r.init_mode = QX_INIT_NONE;
    r.always_one = 1;
    r.sector_size = 512;
    return r;
  }
  std::vector<uint16_t> slot_ids(uint16_t array) {
    QX_ARRAY_INFO r = array_info_record(array_view(s, array).value());
    return std::vector<uint16_t>(r.slot_vd_ids, r.slot_vd_ids + r.slot_count);
  }
};

// What --sizeonly promises, QX_LD_GetMaxSize answers, the array's free slot
// offers and a VD of all its space gets are one size, for every level on
// disks of odd sizes.
TEST(ArrayCreate, EveryWayOfAskingTheSizeAgreesWithWhatIsBuilt) {
  Fixture f;
  for (uint16_t pd = 4; pd < 12; ++pd) f.resize(pd, 1'000'003 + 77'777u * pd);
  const struct { uint8_t level; uint8_t disks; } kLevels[] = {
      {QX_RAID0, 2}, {QX_RAID1, 2}, {QX_RAID10, 4}, {QX_RAID1E, 3},
      {QX_RAID5, 3}, {QX_RAID50, 6}, {QX_RAID6, 5}, {QX_RAID60, 8}};
  for (const auto& l : kLevels) {
    SCOPED_TRACE(static_cast<int>(l.level));
    std::vector<uint16_t> pds;
    for (uint16_t pd = 4; pd < 4 + l.disks; ++pd) pds.push_back(pd);
    QX_ARRAY_REQUEST asked = Fixture::array(l.level, pds);
    ASSERT_EQ(create_array(f.s, asked, QX_DG_SIZE_ONLY), kOk);
    QX_CREATE_VD_REQUEST query{};
    query.raid_level = l.level;
    query.stripe_kb = 64;
    query.pd_count = l.disks;
    std::copy(pds.begin(), pds.end(), query.pd_ids);
    std::strcpy(query.name, "Virtual raid");
    uint64_t max_kb = 0;
    ASSERT_EQ(array_max_size(f.s, query, &max_kb), kOk);
    EXPECT_EQ(max_kb, asked.size);

    QX_ARRAY_REQUEST built = Fixture::array(l.level, pds);
    ASSERT_EQ(create_array(f.s, built, QX_DG_CREATE), kOk);
    EXPECT_EQ(built.size, asked.size);
    EXPECT_EQ(array_info_record(array_view(f.s, built.array_id).value()).free_kb, asked.size);
    QX_ARRAY_VD_REQUEST all = Fixture::vd(built.array_id, l.level, 0);
    ASSERT_EQ(create_array_vd(f.s, all), kOk);
    EXPECT_EQ(select_by_id(*f.db, vd_model(), kArrays, all.vd_id)->size_kb, asked.size);
    EXPECT_EQ(f.slot_ids(built.array_id), std::vector<uint16_t>{all.vd_id}) << "a full array has no free slot";
    ASSERT_EQ(delete_vd(f.s, all.vd_id, QX_DELETE_LIVE), kOk);
    ASSERT_EQ(delete_array(f.s, built.array_id), kOk);
  }
  // Without arrays the largest size is the VD QX_LD_Create builds, rounding included.
  Session plain(*f.db, 0, kNow);
  f.resize(5, 2'000'001, 0);
  QX_CREATE_VD_REQUEST r{};
  r.raid_level = QX_RAID5;
  r.stripe_kb = 64;
  r.rounding = QX_ROUNDING_1GB;
  r.pd_count = 3;
  r.pd_ids[0] = 5, r.pd_ids[1] = 6, r.pd_ids[2] = 7;
  r.always_one = 1;
  std::strcpy(r.name, "r5");
  uint64_t max_kb = 0;
  ASSERT_EQ(max_vd_size(plain, r, &max_kb), kOk);
  uint16_t id = 0;
  ASSERT_EQ(create_vd(plain, r, &id), kOk);
  EXPECT_EQ(select_by_id(*f.db, vd_model(), 0, id)->size_kb, max_kb);
  EXPECT_EQ(max_kb % (1024 * 1024), 0u);
}

TEST(ArrayCreate, SlotsFollowCreatesAndDeletes) {
  Fixture f;
  QX_ARRAY_REQUEST a = Fixture::array(QX_RAID5, {4, 5, 6}, 30000);
  ASSERT_EQ(create_array(f.s, a, QX_DG_CREATE), kOk);
  EXPECT_EQ(f.slot_ids(a.array_id), std::vector<uint16_t>{QX_FREE_SLOT}) << "a new array has one free slot";
  QX_ARRAY_VD_REQUEST first = Fixture::vd(a.array_id, QX_RAID5, 10000);
  QX_ARRAY_VD_REQUEST second = Fixture::vd(a.array_id, QX_RAID5, 5000);
  ASSERT_EQ(create_array_vd(f.s, first), kOk);
  ASSERT_EQ(create_array_vd(f.s, second), kOk);
  ASSERT_EQ(delete_vd(f.s, first.vd_id, QX_DELETE_LIVE), kOk);
  EXPECT_EQ(f.slot_ids(a.array_id), (std::vector<uint16_t>{QX_FREE_SLOT, second.vd_id, QX_FREE_SLOT}));
  EXPECT_EQ(array_info_record(array_view(f.s, a.array_id).value()).free_kb, 15000u * 1024);

  // The first free slot that holds the size: 12000 MB passes the 10000 MB hole.
  QX_ARRAY_VD_REQUEST third = Fixture::vd(a.array_id, QX_RAID5, 12000);
  ASSERT_EQ(create_array_vd(f.s, third), kOk);
  EXPECT_EQ(f.slot_ids(a.array_id), (std::vector<uint16_t>{QX_FREE_SLOT, second.vd_id, third.vd_id, QX_FREE_SLOT}));
  QX_ARRAY_VD_REQUEST taken = Fixture::vd(a.array_id, QX_RAID5, 0, 1);
  EXPECT_EQ(create_array_vd(f.s, taken), kInvalidParameter) << "slot 1 holds a VD";
  QX_ARRAY_VD_REQUEST beyond = Fixture::vd(a.array_id, QX_RAID5, 0, 4);
  EXPECT_EQ(create_array_vd(f.s, beyond), kInvalidParameter);
  QX_ARRAY_VD_REQUEST too_big = Fixture::vd(a.array_id, QX_RAID5, 10001, 0);
  EXPECT_EQ(create_array_vd(f.s, too_big), kNoResource);
  QX_ARRAY_VD_REQUEST hole = Fixture::vd(a.array_id, QX_RAID5, 0, 0);
  ASSERT_EQ(create_array_vd(f.s, hole), kOk);
  EXPECT_EQ(select_by_id(*f.db, vd_model(), kArrays, hole.vd_id)->size_kb, 10000u * 1024);
  EXPECT_EQ(f.slot_ids(a.array_id).front(), hole.vd_id);
}

TEST(ArrayCreate, ARefusedArrayNamesTheFirstFaultInOrder) {
  Fixture f;
  const auto status = [&f](QX_ARRAY_REQUEST r, uint8_t mode = QX_DG_CREATE) { return create_array(f.s, r, mode); };
  QX_ARRAY_REQUEST r = Fixture::array(QX_JBOD, {4, 5});
  EXPECT_EQ(status(r), kInvalidRaidMode) << "arrays stripe";
  EXPECT_EQ(status(Fixture::array(QX_RAID5, {})), kInvalidPdCount);
  EXPECT_EQ(status(Fixture::array(QX_RAID5, {4, 5, 4})), kInvalidParameter);
  EXPECT_EQ(status(Fixture::array(QX_RAID6, {4, 5, 6})), kPdCountForLevel) << "RAID6 arrays need 4 disks";
  r = Fixture::array(QX_RAID6, {4, 5, 6, 7, 8});
  r.parity_disks = 3;
  EXPECT_EQ(status(r), kParityDisks) << "more than half the disks";
  r = Fixture::array(QX_RAID5, {4, 5, 6});
  r.stripe_kb = 48;
  EXPECT_EQ(status(r), kInvalidBlockSize);
  r = Fixture::array(QX_RAID5, {4, 5, 6});
  std::memcpy(r.name, "sixteen_chars_ok", 16);
  EXPECT_EQ(status(r, QX_DG_SIZE_ONLY), kOk) << "a name may fill its field";
  r.name[3] = '-';
  EXPECT_EQ(status(r), kVdNameInvalid);
  EXPECT_EQ(status(Fixture::array(QX_RAID5, {4, 99, 5})), kPdMissing);
  EXPECT_EQ(status(Fixture::array(QX_RAID5, {4, 5, 15})), kPdIsSpare);
  EXPECT_EQ(status(Fixture::array(QX_RAID5, {4, 5, 0})), kPdAssigned) << "disk 0 is in array 0";
  r = Fixture::array(QX_RAID5, {4, 5, 6});
  r.sector_size = 4096;
  EXPECT_EQ(status(r), kPdBlockSizeMismatch);
  r = Fixture::array(QX_RAID5, {4, 5, 6}, 1ull << 40);
  EXPECT_EQ(create_array(f.s, r, QX_DG_CREATE), kNoResource);
  EXPECT_EQ(r.size, 2u * ((1172123568u - 262144) / 1024 * 1024)) << "the largest size comes back in KB";
  EXPECT_EQ(status(Fixture::array(QX_RAID5, {4, 5, 6}), 2), kInvalidParameter);
  EXPECT_TRUE(select_rows(*f.db, array_model(), kArrays, "id <> 0", {}).empty()) << "nothing was built";
}

TEST(ArrayCreate, SparesAreFreeDisksLargeEnoughForTheirArray) {
  Fixture f;
  EXPECT_EQ(assign_spare(f.s, 0, SpareKind::kGlobal, 0), kPdAssigned);
  EXPECT_EQ(assign_spare(f.s, 15, SpareKind::kGlobal, 0), kPdIsSpare);
  EXPECT_EQ(assign_spare(f.s, 99, SpareKind::kGlobal, 0), kPdMissing);
  EXPECT_EQ(assign_spare(f.s, 4, SpareKind::kDedicated, 7), kInvalidArrayId);
  f.resize(4, 500'000'000);
  EXPECT_EQ(assign_spare(f.s, 4, SpareKind::kDedicated, 0), kSpareTooSmall) << "array 0 takes 1.1 TB of a member";
  ASSERT_EQ(assign_spare(f.s, 5, SpareKind::kDedicated, 0), kOk);
  EXPECT_EQ(assign_spare(f.s, 5, SpareKind::kGlobal, 0), kSpareOfOtherArray);
  std::vector<Event> last = select_rows(*f.db, event_model(), kArrays, "1", {}, "seq DESC", 1);
  ASSERT_EQ(last.size(), 1u);
  EXPECT_EQ(last[0].event_class, QX_EVT_CLASS_PD);
  EXPECT_EQ(last[0].code, 9);
  EXPECT_EQ(last[0].device_id, 5);
  Session plain(*f.db, 0, kNow);
  EXPECT_EQ(assign_spare(plain, 13, SpareKind::kDedicated, 0), kNotSupportedOnAdapter);
  // A new spare that suits a degraded VD starts its rebuild at once.
  fail_disk(plain, 3);
  ASSERT_EQ(select_by_id(*f.db, vd_model(), 0, 1)->state, QX_VD_DEGRADED);
  ASSERT_EQ(assign_spare(plain, 13, SpareKind::kGlobal, 0), kOk);
  std::optional<Activity> rebuild = vd_activity(plain, 1);
  ASSERT_TRUE(rebuild.has_value());
  EXPECT_EQ(rebuild->kind, ActivityKind::kRebuild);
}

TEST(ArrayCreate, OnlyAnImportableForeignConfigurationImportsWithItsArray) {
  Fixture f;
  EXPECT_EQ(import_vd(f.s, 0), kVdNotImportable) << "a native VD";
  EXPECT_EQ(import_vd(f.s, 9), kVdMissing);
  for (uint8_t state : {QX_VD_NOT_IMPORTABLE_FOREIGN, QX_VD_CONFLICTED}) {
    make_foreign(f.s, 0, state);
    EXPECT_EQ(import_vd(f.s, 1), kVdNotImportable);
  }
  make_foreign(f.s, 1, QX_VD_IMPORTABLE_FOREIGN);
  EXPECT_TRUE(select_by_id(*f.db, disk_model(), kArrays, 2)->foreign);
  EXPECT_EQ(select_by_id(*f.db, vd_model(), kArrays, 0)->state, QX_VD_IMPORTABLE_FOREIGN) << "the array goes whole";
  ASSERT_EQ(import_vd(f.s, 1), kOk);
  for (int id : {0, 1}) EXPECT_EQ(select_by_id(*f.db, vd_model(), kArrays, id)->state, QX_VD_FUNCTIONAL_INITIALIZED);
  for (int pd : {0, 1, 2, 3}) EXPECT_FALSE(select_by_id(*f.db, disk_model(), kArrays, pd)->foreign);
  std::vector<Event> imported = select_rows(*f.db, event_model(), kArrays, "code = 9 AND class = ?1",
                                            {json(QX_EVT_CLASS_VD)}, "seq");
  ASSERT_EQ(imported.size(), 2u);
  EXPECT_EQ(imported[0].params[0], 0u) << "the array id";
}

}  // namespace
}  // namespace qx::sim
