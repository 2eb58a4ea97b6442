#include "sim/engine/vd_geometry.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <utility>

namespace qx::sim {
namespace {

struct Shape {
  uint8_t level;
  int members;
  uint8_t parity_disks;  // RAID6/60 setting; 0 elsewhere
};

// Every level with a member count and parity it can have.
const Shape kShapes[] = {
    {QX_RAID0, 3, 0},  {QX_RAID1, 2, 0},  {QX_RAID10, 6, 0}, {QX_RAID1E, 5, 0}, {QX_RAID5, 4, 0},
    {QX_RAID6, 5, 3},  {QX_RAID50, 6, 0}, {QX_RAID60, 8, 4}, {QX_JBOD, 3, 0},   {QX_TIER_CAPACITY, 3, 0},
    {QX_TIER_SAFE, 3, 0}, {QX_TIER_HYBRID, 3, 0},
};

// Data members of a shape: all but those of the tiers whose SSDs (here
// member 0) are used whole.
int data_members(const RaidLevel& l, int members) { return l.ssds_whole ? members - 1 : members; }

// A VD of the shape whose blocks start at `base` + 1000 sectors per member
// and hold `rows` strips of 1 KB (or, concatenated, rows x 2 + member
// sectors), filled to the last sector its share allows.
VdGeometry build(const Shape& shape, uint64_t base, uint64_t rows) {
  const RaidLevel& l = *find_raid_level(shape.level);
  std::vector<MemberExtent> members;
  uint64_t data_sectors = 0;
  for (int i = 0; i < shape.members; ++i) {
    MemberExtent m{true, base + 1000 * static_cast<uint64_t>(i), rows * 2, true};
    if (l.concatenated) m.sectors += 2 * static_cast<uint64_t>(i);
    m.holds_data = !(l.ssds_whole && i == 0);
    if (m.holds_data) data_sectors += m.sectors;
    members.push_back(m);
  }
  const int parity = l.fixed_parity + shape.parity_disks;
  const uint64_t size_sectors =
      l.concatenated ? data_sectors : rows * 2 * static_cast<uint64_t>(shape.members - parity) / l.copies;
  return make_geometry(l, 1, shape.parity_disks, 0, size_sectors / kSectorsPerKb, std::move(members));
}

// Exhaustively: every VD sector lies on as many members as the level keeps
// copies, each place maps back to it, and every sector of every block is
// either one of those places or a parity sector of a row that exists.
TEST(VdGeometry, EverySectorOfEveryLevelHasItsPlacesAndBack) {
  for (const Shape& shape : kShapes) {
    const RaidLevel& l = *find_raid_level(shape.level);
    SCOPED_TRACE(l.name);
    const VdGeometry g = build(shape, 64, 12);
    ASSERT_GT(g.vd_sectors, 0u);
    std::map<std::pair<int, uint64_t>, uint64_t> place_of;
    for (uint64_t lba = 0; lba < g.vd_sectors; ++lba) {
      int places = 0;
      for (int m = 0; m < shape.members; ++m) {
        const std::optional<uint64_t> pd = vd_to_member(g, lba, m);
        if (!pd) continue;
        ++places;
        ASSERT_TRUE(place_of.emplace(std::make_pair(m, *pd), lba).second) << "two VD sectors on one place";
        const std::optional<VdAddress> back = member_to_vd(g, m, *pd);
        ASSERT_TRUE(back.has_value()) << lba;
        EXPECT_EQ(back->lba, lba);
        EXPECT_FALSE(back->parity);
      }
      ASSERT_EQ(places, l.copies) << "lba " << lba;
    }
    int parity_sectors = 0;
    for (int m = 0; m < shape.members; ++m) {
      const MemberExtent& e = g.members[static_cast<size_t>(m)];
      EXPECT_FALSE(member_to_vd(g, m, e.start - 1).has_value());
      EXPECT_FALSE(member_to_vd(g, m, e.start + e.sectors).has_value());
      for (uint64_t pd = e.start; pd < e.start + e.sectors; ++pd) {
        const std::optional<VdAddress> at = member_to_vd(g, m, pd);
        if (!e.holds_data) {
          EXPECT_FALSE(at.has_value());
        } else if (!place_of.contains({m, pd})) {
          ASSERT_TRUE(at.has_value() && at->parity) << "member " << m << " sector " << pd;
          ++parity_sectors;
        }
      }
    }
    const int parity = l.fixed_parity + shape.parity_disks;
    EXPECT_EQ(parity_sectors, parity * 12 * 2);
  }
}

// The documented rotation: RAID5 row 0 keeps parity on the last member and
// each next row one member to the left; RAID1E writes a strip's copy on the
// next member; RAID50 gives odd strips to the second half.
TEST(VdGeometry, ParityRotatesLeftAndCopiesFollow) {
  const VdGeometry r5 = build({QX_RAID5, 4, 0}, 0, 8);
  for (uint64_t row = 0; row < 8; ++row) {
    const int parity_member = static_cast<int>((3 + 4 - row % 4) % 4);
    const MemberExtent& e = r5.members[static_cast<size_t>(parity_member)];
    const std::optional<VdAddress> at = member_to_vd(r5, parity_member, e.start + row * 2 + 1);
    ASSERT_TRUE(at.has_value());
    EXPECT_TRUE(at->parity) << "row " << row;
    EXPECT_EQ(at->lba, row * 3 * 2 + 1);  // the row's first data sector at the same offset
  }
  const VdGeometry r1e = build({QX_RAID1E, 3, 0}, 0, 8);
  EXPECT_EQ(vd_to_member(r1e, 0, 1), 1000u);  // strip 0 on members 0 and 1
  EXPECT_EQ(vd_to_member(r1e, 2, 2), 2000u);  // strip 1 on member 2, its copy wraps to row 1
  EXPECT_EQ(vd_to_member(r1e, 2, 0), 2u);
  EXPECT_FALSE(vd_to_member(r1e, 2, 1).has_value());
  const VdGeometry r50 = build({QX_RAID50, 6, 0}, 0, 8);
  int even_in_second = 0, odd_in_first = 0;
  for (int m = 0; m < 6; ++m) {
    if (m >= 3 && vd_to_member(r50, 0, m)) ++even_in_second;
    if (m < 3 && vd_to_member(r50, 2, m)) ++odd_in_first;
  }
  EXPECT_EQ(even_in_second + odd_in_first, 0);
}

// Large addresses keep their upper bits, at random places and at the edges of
// strips and blocks, and the last VD sector is the last one that maps.
TEST(VdGeometry, FarAddressesRoundTrip) {
  std::mt19937_64 random(16);
  for (const Shape& shape : kShapes) {
    const RaidLevel& l = *find_raid_level(shape.level);
    SCOPED_TRACE(l.name);
    std::vector<MemberExtent> members;
    for (int i = 0; i < shape.members; ++i)
      members.push_back({true, (uint64_t{5} << 32) + (static_cast<uint64_t>(i) << 33), uint64_t{1} << 33, !(l.ssds_whole && i == 0)});
    const uint64_t data = static_cast<uint64_t>(data_members(l, shape.members));
    const uint64_t size_kb =
        l.concatenated ? data * (uint64_t{1} << 32)
                       : (uint64_t{1} << 32) * static_cast<uint64_t>(shape.members - l.fixed_parity - shape.parity_disks) /
                             l.copies;
    const VdGeometry g = make_geometry(l, 64, shape.parity_disks, 0, size_kb, members);
    std::vector<uint64_t> lbas = {0, 127, 128, g.vd_sectors - 1, g.vd_sectors / 2, (uint64_t{1} << 33) - 1};
    for (int i = 0; i < 200; ++i) lbas.push_back(random() % g.vd_sectors);
    for (uint64_t lba : lbas) {
      int places = 0;
      for (int m = 0; m < shape.members; ++m) {
        const std::optional<uint64_t> pd = vd_to_member(g, lba, m);
        if (!pd) continue;
        ++places;
        const std::optional<VdAddress> back = member_to_vd(g, m, *pd);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->lba, lba);
      }
      EXPECT_EQ(places, l.copies) << lba;
    }
    for (int m = 0; m < shape.members; ++m) EXPECT_FALSE(vd_to_member(g, g.vd_sectors, m).has_value());
  }
}

// A missing member holds nothing; a concatenated VD loses the addresses from
// that member on, a striped one only that member's strips.
TEST(VdGeometry, MissingMembers) {
  VdGeometry jbod = build({QX_JBOD, 3, 0}, 0, 8);
  jbod.members[1].present = false;
  EXPECT_TRUE(vd_to_member(jbod, 0, 0).has_value());
  EXPECT_FALSE(vd_to_member(jbod, jbod.vd_sectors - 1, 2).has_value());
  EXPECT_FALSE(member_to_vd(jbod, 2, jbod.members[2].start).has_value());
  VdGeometry r5 = build({QX_RAID5, 3, 0}, 0, 8);
  r5.members[0].present = false;
  EXPECT_FALSE(vd_to_member(r5, 0, 0).has_value());
  EXPECT_TRUE(vd_to_member(r5, 2, 1).has_value());
}

}  // namespace
}  // namespace qx::sim
