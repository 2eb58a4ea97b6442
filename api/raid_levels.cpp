#include "api/raid_levels.h"

#include <algorithm>
#include <array>

namespace qx {
namespace {

// clang-format off
constexpr RaidLevel kLevels[] = {
    // code, mode bit, name, adapter mode name, short name,
    // tier, concatenated, ssds whole, redundant, copies, fixed parity, default parity, tolerated,
    // min, max, count parity, count message, sub-VDs, pair groups
    {QX_RAID0, QX_RAID_MODE_RAID0, "RAID0", "RAID0 ", "R0",
     false, false, false, false, 1, 0, 0, 0,
     2, 0, 0, "RAID0 needs at least 2 PD.\n", 0, false},
    {QX_RAID1, QX_RAID_MODE_RAID1, "RAID1", "RAID1 ", "R1",
     false, false, false, true, 2, 0, 0, 1,
     2, 2, 0, "RAID1 needs exactly 2 PDs.\n", 0, false},
    {QX_RAID5, QX_RAID_MODE_RAID5, "RAID5", "RAID5 ", "R5",
     false, false, false, true, 1, 1, 0, 1,
     3, 0, 0, "RAID5 needs at least 3 PDs.\n", 0, false},
    {QX_RAID6, QX_RAID_MODE_RAID6, "RAID6", "RAID6 ", "R6",
     false, false, false, true, 1, 0, 2, 2,
     3, 0, 0, "RAID6 needs least 3 PDs.\n", 0, false},
    {QX_RAID10, QX_RAID_MODE_RAID10, "RAID10", "RAID10 ", "R10",
     false, false, false, true, 2, 0, 0, 1,
     4, 0, 'e', "RAID10 needs at least 4 or more even number of PDs.\n", 0, true},
    {QX_RAID1E, QX_RAID_MODE_RAID1E, "RAID1e", "RAID1E ", "R1E",
     false, false, false, true, 2, 0, 0, 1,
     3, 0, 'o', "RAID1E needs at least 3 or more odd number of PDs.\n", 0, false},
    {QX_RAID50, QX_RAID_MODE_RAID50, "RAID50", "RAID50 ", "R50",
     false, false, false, true, 1, 2, 0, 1,
     6, 0, 'e', "RAID50 needs least 6 or more even number of PDs.\n", 2, false},
    {QX_RAID60, QX_RAID_MODE_RAID60, "RAID60", "RAID60 ", "R60",
     false, false, false, true, 1, 0, 4, 2,
     6, 0, 'e', "RAID60 needs least 6 or more even number of PDs.\n", 2, false},
    {QX_JBOD, QX_RAID_MODE_JBOD, "JBOD", "JBOD ", "JBD",
     false, true, false, false, 1, 0, 0, 0,
     1, 0, 0, nullptr, 0, false},
    {QX_TIER_CAPACITY, QX_RAID_MODE_TIER_CAPACITY, "twinTier capacity", "tc(tier capacity) ", "TwinTier_c",
     true, true, false, false, 1, 0, 0, 0,
     2, 0, 0, nullptr, 0, false},
    {QX_TIER_SAFE, QX_RAID_MODE_TIER_SAFE, "twinTier safe", "ts(tier safe) ", "TwinTier_s",
     true, true, true, true, 1, 0, 0, 1,
     2, 0, 0, nullptr, 0, false},
    {QX_TIER_HYBRID, QX_RAID_MODE_TIER_HYBRID, "twinTier hybrid", "hybrid(tier hybrid) ", "Hybrid",
     true, true, true, true, 1, 0, 0, 0,
     2, 0, 0, nullptr, 0, false},
};
// clang-format on

// Index by code, built once from the rows above.
constexpr std::array<const RaidLevel*, 256> make_index() {
  std::array<const RaidLevel*, 256> index{};
  for (const RaidLevel& level : kLevels) index[level.code] = &level;
  return index;
}

constexpr std::array<const RaidLevel*, 256> kIndex = make_index();

constexpr bool distinct_codes_and_bits() {
  for (size_t i = 0; i < std::size(kLevels); ++i)
    for (size_t j = i + 1; j < std::size(kLevels); ++j)
      if (kLevels[i].code == kLevels[j].code || kLevels[i].mode_bit == kLevels[j].mode_bit) return false;
  return true;
}
static_assert(distinct_codes_and_bits(), "two RAID levels share a code or a mode bit");

}  // namespace

std::span<const RaidLevel> raid_levels() { return kLevels; }

const RaidLevel* find_raid_level(uint8_t code) { return kIndex[code]; }

bool is_tier_level(uint8_t code) {
  const RaidLevel* level = find_raid_level(code);
  return level != nullptr && level->tier;
}

bool disk_count_fits(const RaidLevel& level, int members) {
  if (members < level.min_disks) return false;
  if (level.max_disks != 0 && members > level.max_disks) return false;
  if (level.count_parity == 'e') return members % 2 == 0;
  if (level.count_parity == 'o') return members % 2 == 1;
  return true;
}

uint8_t redundancy_class(uint8_t code) {
  switch (code) {
    case QX_RAID1:
    case QX_RAID10:
    case QX_RAID1E: return 1;
    case QX_RAID50: return QX_RAID5;
    case QX_RAID60: return QX_RAID6;
    default: return code;  // RAID0 is 0, RAID5 5, RAID6 6; the rest their own
  }
}

int member_group_size(const RaidLevel& level, int members, int sub_vd_count) {
  if (level.pair_groups) return 2;
  if (level.sub_vds != 0) return members / std::max(sub_vd_count, 1);
  return members;
}

}  // namespace qx
