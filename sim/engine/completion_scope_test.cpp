// A completing migration or copy back writes the rows of its own VD (its
// blocks, the target, the activity, the event), never the other VDs': the
// number of rows a completion changes must not grow with the VDs around it.
#include <gtest/gtest.h>

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
constexpr int64_t kBlockKb = 1'048'576;

// Adapter 0: VD 0 a RAID5 on disks 0-2, disk 3 free, disk 4 a global spare,
// and `others` one-disk VDs on disks 5 on, each initializing for weeks (busy
// rows a careless completion would touch, none due alongside).
struct Scene {
  explicit Scene(int others) {
    json disks = json::array(), vds = json::array(), blocks = json::array(), inits = json::array();
    for (int pd = 0; pd < 5 + others; ++pd)
      disks.push_back({{"id", pd}, {"port", pd % 16}, {"size_kb", 4 * kBlockKb}, {"spare", pd == 4 ? "global" : "none"}});
    vds.push_back({{"id", 0}, {"raid_level", 5}, {"size_kb", 2 * kBlockKb}});
    for (int pd = 0; pd < 3; ++pd)
      blocks.push_back({{"pd", pd}, {"vd", 0}, {"member", pd}, {"start_kb", 262144}, {"size_kb", kBlockKb}});
    for (int vd = 1; vd <= others; ++vd) {
      vds.push_back({{"id", vd}, {"raid_level", 0}, {"size_kb", kBlockKb}});
      blocks.push_back({{"pd", 4 + vd}, {"vd", vd}, {"start_kb", 262144}, {"size_kb", kBlockKb}});
      inits.push_back({{"kind", "init_background"}, {"vd", vd}, {"duration_s", 5'000'000}});
    }
    json adapter = {{"features", 0x7F}, {"max_vds", 64}, {"highest_pd_id", 63}, {"max_disks", 64}, {"disks", disks},
                    {"vds", vds}, {"blocks", blocks}, {"activities", inits}};
    Transaction txn(*db, Transaction::Kind::kWrite);
    load_scenario(*db, {{"clock", {{"frozen", true}, {"time_ms", kNow}}}, {"adapters", json::array({adapter})}});
    txn.commit();
  }
  int64_t total_changes() {
    Stmt stmt = db->prepare("SELECT total_changes()");
    stmt.step();
    return stmt.column_int(0);
  }
  // Completes what is due at `at`; the rows that changed.
  int64_t rows_changed_completing(int64_t at) {
    const int64_t before = total_changes();
    complete_due_activities(Session(*db, 0, at));
    return total_changes() - before;
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
  r.pd_count = 4;
  for (uint16_t pd = 0; pd < 4; ++pd) r.pd_ids[pd] = pd;
  EXPECT_EQ(start_vd_migration(Session(*a.db, 0, kNow), r), kOk);
  const int64_t rows = a.rows_changed_completing(completion_ms(vd_activity(Session(*a.db, 0, kNow), 0).value()));
  EXPECT_EQ(a.disks_of_vd0(), (std::vector<uint16_t>{0, 1, 2, 3})) << "completed";
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
