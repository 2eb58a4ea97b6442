// What a RAID level asks of its member disks and what it gives back: the
// member-count and parity rules, and the usable capacity of a VD built from
// the free space its members offer. Pure arithmetic, no state.
#ifndef QX_SIM_ENGINE_CAPACITY_H
#define QX_SIM_ENGINE_CAPACITY_H

#include <cstdint>
#include <vector>

#include "api/raid_levels.h"

namespace qx::sim {

inline constexpr uint64_t kMbKb = 1024;  // blocks and sizes are whole MB
inline constexpr uint64_t kGbKb = 1024 * 1024;

// The parity disks a level uses when a request leaves them 0: 2 for RAID6,
// 4 for RAID60, none otherwise.
uint8_t default_parity(uint8_t level);

// Whether `members` disks with `parity` parity disks (already defaulted)
// make the level: 0, or 57 (member count), 66 (parity disks) or 14 (no
// such level). The
// adapter's RAID6 parity limit `max_raid6_parity` counts as 2 when it is 0.
uint8_t check_members(uint8_t level, int members, int parity, uint8_t max_raid6_parity);

// The same for an array, which asks more of the double-parity levels:
// RAID6 at least 4 members, RAID60 at least 8, and parity disks at most half
// the members.
uint8_t check_array_members(uint8_t level, int members, int parity, uint8_t max_raid6_parity);

// Whether a hybrid-tier VD's members mix SSDs and hard disks as it needs:
// at least one of each, and no more SSDs than `max_tier_ssds` (no limit when
// 0). 0, or 28.
uint8_t check_tier_members(int ssds, int hard_disks, uint8_t max_tier_ssds);

// Size unit of a gigabyte-rounding code (0 whole MB, 1 one GB, 2 ten GB);
// 0 for an unknown code.
uint64_t rounding_unit_kb(uint8_t rounding);

// One member as the capacity planner sees it: the largest stretch of free
// space on the disk, and whether it is an SSD (the hybrid-tier levels keep
// their data on the hard disks and use the SSDs whole).
struct MemberSpace {
  uint64_t free_kb = 0;
  bool ssd = false;
};

struct CapacityRequest {
  uint8_t level = 0;
  int parity = 0;  // already defaulted
  uint16_t stripe_kb = 64;
  uint8_t rounding = 0;       // 0, 1, 2
  uint64_t requested_kb = 0;  // 0: all the space the members give
  std::vector<MemberSpace> members;
};

struct CapacityPlan {
  uint8_t status = 0;              // 0, 4 (the members give less than asked), 5 (the size rounds to nothing)
  uint64_t capacity_kb = 0;        // usable size of the VD
  uint64_t largest_kb = 0;         // the most the members could give, after rounding
  std::vector<uint64_t> block_kb;  // size of the block to carve from each member, in member order
};

// Striped levels (RAID0, 1, 10, 1E, 5, 50, 6, 60) take the same block from
// every member: whole MB and whole stripes, at most the smallest member's
// free space. Concatenating levels (JBOD and the hybrid-tier codes) take
// whole MB from each member in turn, at least one MB from each. The
// capacity is rounded down to the rounding unit; a requested size is
// rounded down the same way.
CapacityPlan plan_capacity(const CapacityRequest& request);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_CAPACITY_H
