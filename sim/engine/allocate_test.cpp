#include "sim/engine/allocate.h"

#include <gtest/gtest.h>

#include "sim/engine/block_records.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

using testing::TempState;

Block block_at(uint16_t id, uint16_t pd, uint16_t vd, uint64_t start, uint64_t size) {
  Block b;
  b.id = id;
  b.pd = pd;
  b.vd = vd;
  b.start_kb = start;
  b.size_kb = size;
  return b;
}

TEST(Allocate, FreeStretchesLieBetweenTheReservedStartAndTheBlocks) {
  // Blocks in any order, one of no VD (it still takes its space), one that
  // runs into the reserved area.
  std::vector<Block> blocks = {block_at(3, 0, 1, 700, 100), block_at(1, 0, kNoId, 300, 100),
                               block_at(2, 0, 2, 50, 150)};
  EXPECT_EQ(free_extents(1000, 100, blocks), (std::vector<Extent>{{200, 100}, {400, 300}, {800, 200}}));
  EXPECT_EQ(free_extents(1000, 100, {}), (std::vector<Extent>{{100, 900}}));
  EXPECT_TRUE(free_extents(1000, 100, {block_at(0, 0, 1, 100, 900)}).empty());
  EXPECT_TRUE(free_extents(50, 100, {}).empty()) << "a disk smaller than the reserved area has no room";

  std::vector<Extent> extents = free_extents(1000, 100, blocks);
  EXPECT_EQ(largest_extent_kb(extents), 300u);
  EXPECT_EQ(largest_extent_kb({}), 0u);
  EXPECT_EQ(first_fit(extents, 100), 200u);
  EXPECT_EQ(first_fit(extents, 101), 400u);
  EXPECT_EQ(first_fit(extents, 300), 400u);
  EXPECT_FALSE(first_fit(extents, 301).has_value());
}

TEST(Allocate, NewBlocksTakeTheLowestFreeIdsWithinTheAdaptersLimit) {
  TempState state("default");
  std::unique_ptr<Db> db = state.open();
  Adapter a = select_by_id(*db, adapter_model(), 0, 0).value();  // blocks 0 to 4 exist
  insert_row(*db, block_model(), 0, block_at(7, 9, kNoId, 262144, 1024));
  EXPECT_EQ(free_block_ids(Session(*db, 0, 0, a), 3), (std::vector<uint16_t>{5, 6, 8}));

  a.max_total_blocks_wide = 9;  // six blocks exist: three more make nine
  EXPECT_TRUE(free_block_ids(Session(*db, 0, 0, a), 3).has_value());
  EXPECT_FALSE(free_block_ids(Session(*db, 0, 0, a), 4).has_value());
  a.max_total_blocks_wide = 0;
  a.max_total_blocks_narrow = 7;
  EXPECT_FALSE(free_block_ids(Session(*db, 0, 0, a), 2).has_value()) << "the narrow limit counts when the wide one is 0";
  a.max_total_blocks_narrow = 0;
  EXPECT_EQ(free_block_ids(Session(*db, 0, 0, a), kBlockIdLimit - 6)->back(), kBlockIdLimit - 1)
      << "ids stop below 0xFF, which marks an empty entry";
  EXPECT_FALSE(free_block_ids(Session(*db, 0, 0, a), kBlockIdLimit - 5).has_value());
}

TEST(Allocate, ReleasedBlocksGiveTheirSpaceBack) {
  TempState state("default");
  std::unique_ptr<Db> db = state.open();
  const Adapter a = select_by_id(*db, adapter_model(), 0, 0).value();
  const Disk disk5 = select_by_id(*db, disk_model(), 0, 5).value();
  const std::vector<Extent> before = disk_free_extents(Session(*db, 0, 0, a), disk5);
  ASSERT_EQ(before.size(), 1u);

  carve_blocks(Session(*db, 0, 0), 9, {{5, before[0].start_kb, 4096}, {6, before[0].start_kb, 4096}}, {20, 21});
  std::vector<Block> on5 = blocks_on_disk(Session(*db, 0, 0), 5);
  ASSERT_EQ(on5.size(), 1u);
  EXPECT_EQ(on5[0].id, 20);
  EXPECT_EQ(on5[0].vd, 9);
  EXPECT_EQ(on5[0].member, 0);
  EXPECT_EQ(blocks_on_disk(Session(*db, 0, 0), 6).at(0).member, 1);
  EXPECT_EQ(disk_free_extents(Session(*db, 0, 0, a), disk5),
            (std::vector<Extent>{{before[0].start_kb + 4096, before[0].size_kb - 4096}}));
  EXPECT_TRUE(holds_vd_block(Session(*db, 0, 0), 5));

  release_blocks(Session(*db, 0, 0), 9);
  EXPECT_EQ(disk_free_extents(Session(*db, 0, 0, a), disk5), before);
  EXPECT_TRUE(blocks_on_disk(Session(*db, 0, 0), 6).empty());
  EXPECT_FALSE(holds_vd_block(Session(*db, 0, 0), 5));
  EXPECT_EQ(blocks_on_disk(Session(*db, 0, 0), 2).size(), 1u) << "other VDs keep their blocks";
}

}  // namespace
}  // namespace qx::sim
