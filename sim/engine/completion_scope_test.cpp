// A completing migration or copy back writes the rows of its own VD (its
// blocks, the target, the activity, the event), never the other VDs': the
// number of rows a completion changes must not grow with the VDs around it.
#include <gtest/gtest.h>

#include <string>

#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/control.h"
#include "sim/engine/migration.h"
#include "sim/scenario/scenario.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

constexpr int64_t kNow = 1'800'000'000'000;
constexpr int64_t kDay = 86'400'000;
constexpr uint64_t kBlockKb = 1'048'576;

// Adapter 0: VD 0 a RAID5 on disks 0-2, disk 3 free, disk 4 a global spare,
// and `others` one-disk VDs on disks 5 on, each initializing for weeks (busy
// rows a careless completion would touch, none due alongside).
std::string scenario(int others) {
  std::string disks, vds = R"({"id": 0, "raid_level": 5, "members": 3, "size_kb": 2097152})", blocks, activities;
  for (int pd = 0; pd < 5 + others; ++pd) {
    disks += (pd ? ", " : "") + std::string(R"({"id": )") + std::to_string(pd) + R"(, "port": )" +
             std::to_string(pd % 16) + R"(, "size_kb": 4194304)" + (pd == 4 ? R"(, "spare": "global"})" : "}");
    if (pd < 3)
      blocks += (pd ? ", " : "") + std::string(R"({"pd": )") + std::to_string(pd) + R"(, "vd": 0, "member": )" +
                std::to_string(pd) + R"(, "start_kb": 262144, "size_kb": )" + std::to_string(kBlockKb) + "}";
  }
  for (int i = 1; i <= others; ++i) {
    const std::string id = std::to_string(i);
    vds += R"(, {"id": )" + id + R"(, "raid_level": 0, "size_kb": 1048576})";
    blocks += R"(, {"pd": )" + std::to_string(4 + i) + R"(, "vd": )" + id +
              R"(, "start_kb": 262144, "size_kb": 1048576})";
    activities += (i > 1 ? ", " : "") + std::string(R"({"kind": "init_background", "vd": )") + id +
                  R"(, "duration_s": 5000000})";
  }
  return R"({"clock": {"frozen": true, "time_ms": )" + std::to_string(kNow) +
         R"(}, "adapters": [{"features": "0x7F", "max_vds": 64, "highest_pd_id": 63, "max_disks": 64, "disks": [)" +
         disks + "], \"vds\": [" + vds + "], \"blocks\": [" + blocks + "], \"activities\": [" + activities + "]}]}";
}

int64_t total_changes(Db& db) {
  Stmt stmt = db.prepare("SELECT total_changes()");
  stmt.step();
  return stmt.column_int(0);
}

struct Scene {
  explicit Scene(int others) {
    Transaction txn(*db, Transaction::Kind::kWrite);
    load_scenario(*db, parse_scenario(scenario(others)));
    txn.commit();
  }
  // Completes what is due at `at`; the rows that changed.
  int64_t rows_changed_completing(int64_t at) {
    const int64_t before = total_changes(*db);
    complete_due_activities(Session(*db, 0, at));
    return total_changes(*db) - before;
  }
  std::vector<uint16_t> disks_of_vd0() {
    std::vector<uint16_t> out;
    for (const Block& b : select_rows(*db, block_model(), 0, "vd = 0", {}, "member")) out.push_back(b.pd);
    return out;
  }
  testing::TempState state{"empty"};
  std::unique_ptr<Db> db = state.open();
};

int64_t rows_changed_by_migration(int others) {
  Scene a(others);
  QX_VD_MIGRATION_REQUEST r{};
  r.raid_level = QX_RAID5;
  r.vd_id = 0;
  r.pd_count = 4;
  for (uint16_t pd = 0; pd < 4; ++pd) r.pd_ids[pd] = pd;
  EXPECT_EQ(start_vd_migration(Session(*a.db, 0, kNow), r), kOk);
  const int64_t end = completion_ms(vd_activity(Session(*a.db, 0, kNow), 0).value());
  const int64_t rows = a.rows_changed_completing(end);
  EXPECT_EQ(a.disks_of_vd0(), (std::vector<uint16_t>{0, 1, 2, 3})) << "completed";
  EXPECT_EQ(select_by_id(*a.db, vd_model(), 0, 0)->size_kb, 3 * kBlockKb);
  return rows;
}

// Disk 0 is pulled, the spare rebuilds VD 0, disk 0 comes back and takes
// the spare's data back.
int64_t rows_changed_by_copy_back(int others) {
  Scene a(others);
  pull_disk(Session(*a.db, 0, kNow), 0);
  a.rows_changed_completing(kNow + kDay);
  EXPECT_EQ(a.disks_of_vd0(), (std::vector<uint16_t>{4, 1, 2})) << "rebuilt onto the spare";
  insert_disk(Session(*a.db, 0, kNow + kDay), 0);
  EXPECT_EQ(vd_activity(Session(*a.db, 0, kNow + kDay), 0).value().kind, ActivityKind::kCopyBack);
  const int64_t rows = a.rows_changed_completing(kNow + 2 * kDay);
  EXPECT_EQ(a.disks_of_vd0(), (std::vector<uint16_t>{0, 1, 2})) << "copied back";
  return rows;
}

TEST(CompletionScope, AMigrationOrCopyBackChangesAsManyRowsAmongFortyVdsAsAmongOne) {
  const int64_t migration = rows_changed_by_migration(1);
  EXPECT_GT(migration, 0);
  EXPECT_EQ(rows_changed_by_migration(40), migration);
  const int64_t copy_back = rows_changed_by_copy_back(1);
  EXPECT_GT(copy_back, 0);
  EXPECT_EQ(rows_changed_by_copy_back(40), copy_back);
}

}  // namespace
}  // namespace qx::sim
