// What each RAID level is, in one table that both sides of the library
// boundary read: the tool to name, check and display levels, the simulated
// controller to plan capacity, check members and judge health.
#ifndef QX_API_RAID_LEVELS_H
#define QX_API_RAID_LEVELS_H

#include <cstdint>
#include <span>

#include "api/records.h"

namespace qx {

struct RaidLevel {
  uint8_t code;              // QX_RAID0, QX_TIER_SAFE, ...
  uint16_t mode_bit;         // the adapter's QX_RAID_MODE_ bit for the level
  const char* name;          // "RAID5", "RAID1e", "twinTier safe": the VD display's name
  const char* mode_name;     // "RAID1E ", "ts(tier safe) ": its entry in the adapter's mode list
  const char* short_name;    // "R5", "JBD", "TwinTier_s": the part of a default VD name
  bool tier;                 // a hybrid-tier level (SSDs and hard disks together)
  bool concatenated;         // members are joined end to end rather than striped
  bool ssds_whole;           // a tier whose SSDs are used whole and hold no share of the data
  bool redundant;            // the VD has redundancy to build after creation
  uint8_t copies;            // times each stripe is written (2 for the mirrors)
  uint8_t fixed_parity;      // parity disks the level always has (RAID5: 1, RAID50: 1 per half)
  uint8_t default_parity;    // parity disks when a request gives none; non-zero: the level takes a setting
  uint8_t tolerated;         // missing members a group survives (at least, for the parity levels)
  // Disk-count rule: at least `min_disks`, at most `max_disks` (0: no
  // limit), and an even or odd count where `count_parity` says so.
  uint8_t min_disks;
  uint8_t max_disks;
  char count_parity;         // 0 any, 'e' even, 'o' odd
  // What the tool prints when a list of disks breaks the count rule; nullptr
  // for the levels whose count only the adapter judges.
  const char* count_message;
  // Member grouping: a VD of `sub_vds` sub-VDs splits its members into that
  // many equal halves; `pair_groups` groups members in mirrored pairs.
  uint8_t sub_vds;
  bool pair_groups;
};

// Every level, in the order the adapter display lists their mode bits.
std::span<const RaidLevel> raid_levels();

// The level of a code; nullptr for a code that names none.
const RaidLevel* find_raid_level(uint8_t code);

// True for the hybrid-tier codes (capacity, safe, hybrid).
bool is_tier_level(uint8_t code);

// Whether `members` disks meet the level's disk-count rule (not its parity).
bool disk_count_fits(const RaidLevel& level, int members);

// The redundancy class a migration may keep or raise but never lower:
// RAID0 0; the mirrors (1, 10, 1E) 1; RAID5 and 50 5; RAID6 and 60 6; any
// other code is a class of its own, its code.
uint8_t redundancy_class(uint8_t code);

// The groups a level's `members` member slots fall into, each failing on its
// own: mirrored pairs, the sub-VD halves, or one group of all.
int member_group_size(const RaidLevel& level, int members, int sub_vd_count);

}  // namespace qx

#endif  // QX_API_RAID_LEVELS_H
