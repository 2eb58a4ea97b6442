// Where a VD's data lies on its members: the translation between a VD's
// sector address and a sector of one member's block, for every level. Pure
// arithmetic over the VD's shape, no state.
//
// Addresses are 512-byte sectors. A striped VD deals its data out in strips
// of `stripe_kb` per member, starting at each block's first sector:
// - mirrors and RAID0 (RAID0, 1, 10, 1E): the strips, each written `copies`
//   times, are laid out one after another across the members, row by row;
//   so RAID1 keeps the same sector on both members, RAID10 strips over
//   mirrored neighbours (0,1), (2,3), ..., and RAID1E puts a strip's copy on
//   the next member, wrapping to the next row;
// - parity levels (RAID5, 6) rotate their parity strips left by one member
//   per row, starting on the last members, with the data following the parity
//   strips round the row (left-symmetric);
// - RAID50 and RAID60 deal the VD's strips in turn to their halves (even
//   strips to the first half, odd to the second), each half laid out as a
//   RAID5 or RAID6 of its members.
// A concatenated VD (JBOD, the hybrid tiers) joins the blocks that hold data
// end to end in member order; the SSDs of the safe and hybrid tiers hold no
// fixed share of the VD.
#ifndef QX_SIM_ENGINE_VD_GEOMETRY_H
#define QX_SIM_ENGINE_VD_GEOMETRY_H

#include <cstdint>
#include <optional>
#include <vector>

#include "api/raid_levels.h"

namespace qx::sim {

inline constexpr uint64_t kSectorsPerKb = 2;

// One member slot of a VD.
struct MemberExtent {
  bool present = false;    // the slot has a block (its disk has not failed or gone)
  uint64_t start = 0;      // first sector of the block on its disk
  uint64_t sectors = 0;    // size of the block
  bool holds_data = true;  // false for an SSD a tier level uses whole
};

struct VdGeometry {
  const RaidLevel* level = nullptr;
  uint64_t strip = 0;          // sectors of one strip on one member
  int parity_per_group = 0;    // parity strips in each row of a group
  int groups = 1;              // the halves of RAID50 and RAID60, else 1
  uint64_t vd_sectors = 0;     // the VD's size
  std::vector<MemberExtent> members;  // by member slot
};

// The shape of a VD of `level` with its stripe size, RAID6/60 parity disk
// count (0: the level's default), sub-VD count (0: the level's), size and
// members.
VdGeometry make_geometry(const RaidLevel& level, uint16_t stripe_kb, uint8_t parity_disks, uint8_t sub_vd_count,
                         uint64_t size_kb, std::vector<MemberExtent> members);

// The sector of `member`'s disk that holds VD sector `vd_lba` (which must be
// inside the VD); nothing when that member holds no copy of it (another
// member's strip, a missing slot, an SSD used whole).
std::optional<uint64_t> vd_to_member(const VdGeometry& g, uint64_t vd_lba, int member);

struct VdAddress {
  uint64_t lba = 0;     // a parity strip answers the address of its row's first data sector at the same offset
  bool parity = false;  // the member holds parity there
};

// What sector `pd_lba` of `member`'s disk holds for the VD; nothing when it
// lies outside the member's block or beyond the VD's data.
std::optional<VdAddress> member_to_vd(const VdGeometry& g, int member, uint64_t pd_lba);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_VD_GEOMETRY_H
