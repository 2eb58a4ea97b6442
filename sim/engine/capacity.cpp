#include "sim/engine/capacity.h"

#include <algorithm>
#include <numeric>

#include "api/raid_levels.h"
#include "api/records.h"
#include "api/status.h"

namespace qx::sim {

namespace {

uint64_t round_down(uint64_t value, uint64_t unit) {
  return value / unit * unit;
}
uint64_t round_up(uint64_t value, uint64_t unit) {
  return (value + unit - 1) / unit * unit;
}

// A striped VD's capacity is (block size) x numerator / denominator.
struct Share {
  uint64_t numerator;
  uint64_t denominator;
};

// Parity disks take no share; mirrors write every stripe `copies` times.
Share striped_share(const RaidLevel& level, uint64_t n, uint64_t parity) {
  const uint64_t spent = level.fixed_parity + parity;
  if (spent >= n) return {0, 1};
  return {n - spent, level.copies};
}

// Capacity and largest size of a plan whose most is `most_kb`; the target
// size, or a failing status.
CapacityPlan target_size(const CapacityRequest& r, uint64_t most_kb, uint64_t round_kb) {
  CapacityPlan plan;
  plan.largest_kb = round_down(most_kb, round_kb);
  if (r.requested_kb > most_kb) {
    plan.status = kNoResource;
    return plan;
  }
  plan.capacity_kb = round_down(r.requested_kb != 0 ? r.requested_kb : most_kb, round_kb);
  if (plan.capacity_kb == 0) plan.status = r.requested_kb != 0 ? kOutOfRange : kNoResource;
  return plan;
}

CapacityPlan plan_striped(const CapacityRequest& r, uint64_t round_kb) {
  uint64_t unit = std::lcm(kMbKb, uint64_t{std::max<uint16_t>(r.stripe_kb, 1)});
  uint64_t smallest = UINT64_MAX;
  for (const MemberSpace& m : r.members) smallest = std::min(smallest, m.free_kb);
  uint64_t block_most = round_down(smallest, unit);
  Share share = striped_share(*find_raid_level(r.level), r.members.size(), static_cast<uint64_t>(r.parity));
  if (share.numerator == 0 || share.numerator > r.members.size()) {  // too few members for the level
    CapacityPlan none;
    none.status = kPdCountForLevel;
    return none;
  }
  CapacityPlan plan = target_size(r, block_most * share.numerator / share.denominator, round_kb);
  if (plan.status != kOk) return plan;
  uint64_t block = round_up((plan.capacity_kb * share.denominator + share.numerator - 1) / share.numerator, unit);
  plan.block_kb.assign(r.members.size(), block);
  return plan;
}

// Hard disks hold the data of the safe and hybrid tiers; their SSDs are used whole.
bool holds_data(uint8_t level, const MemberSpace& m) {
  return !(m.ssd && find_raid_level(level)->ssds_whole);
}

CapacityPlan plan_concatenated(const CapacityRequest& r, uint64_t round_kb) {
  uint64_t most = 0;
  uint64_t data_members = 0;
  for (const MemberSpace& m : r.members) {
    if (round_down(m.free_kb, kMbKb) == 0) {
      CapacityPlan none;
      none.status = kNoResource;
      return none;
    }
    if (holds_data(r.level, m)) {
      most += round_down(m.free_kb, kMbKb);
      ++data_members;
    }
  }
  CapacityPlan plan = target_size(r, most, round_kb);
  if (plan.status != kOk) return plan;
  if (plan.capacity_kb < data_members * kMbKb) {
    plan.status = kOutOfRange;  // too small to give every member a piece
    return plan;
  }
  uint64_t rest = plan.capacity_kb - data_members * kMbKb;
  for (const MemberSpace& m : r.members) {
    uint64_t room = round_down(m.free_kb, kMbKb);
    if (!holds_data(r.level, m)) {
      plan.block_kb.push_back(room);
      continue;
    }
    uint64_t extra = std::min(room - kMbKb, rest);
    rest -= extra;
    plan.block_kb.push_back(kMbKb + extra);
  }
  return plan;
}

}  // namespace

uint8_t default_parity(uint8_t level) {
  const RaidLevel* l = find_raid_level(level);
  return l != nullptr ? l->default_parity : 0;
}

uint8_t check_members(uint8_t level, int n, int parity, uint8_t max_raid6_parity) {
  const RaidLevel* l = find_raid_level(level);
  if (l == nullptr) return kInvalidRaidMode;
  int most_parity = std::max<int>(max_raid6_parity, 2);
  if (l->default_parity == 0 && parity != 0) return kParityDisks;
  if (!disk_count_fits(*l, n)) return kPdCountForLevel;
  if (level == QX_RAID6 && (parity < 2 || parity > most_parity || parity >= n)) return kParityDisks;
  // Each half of a RAID60 carries half the parity and keeps a data disk.
  if (level == QX_RAID60 && (parity < 4 || parity > 2 * most_parity || parity % 2 != 0 || parity / 2 >= n / 2))
    return kParityDisks;
  return kOk;
}

uint8_t check_array_members(uint8_t level, int n, int parity, uint8_t max_raid6_parity) {
  if (uint8_t status = check_members(level, n, parity, max_raid6_parity)) return status;
  if ((level == QX_RAID6 && n < 4) || (level == QX_RAID60 && n < 8)) return kPdCountForLevel;
  if (parity > n / 2) return kParityDisks;
  return kOk;
}

uint8_t check_tier_members(int ssds, int hard_disks, uint8_t max_tier_ssds) {
  if (ssds == 0 || hard_disks == 0) return kTierSsdCount;
  if (max_tier_ssds != 0 && ssds > max_tier_ssds) return kTierSsdCount;
  return kOk;
}

uint64_t rounding_unit_kb(uint8_t rounding) {
  switch (rounding) {
    case QX_ROUNDING_NONE: return kMbKb;
    case QX_ROUNDING_1GB: return kGbKb;
    case QX_ROUNDING_10GB: return 10 * kGbKb;
    default: return 0;
  }
}

CapacityPlan plan_capacity(const CapacityRequest& r) {
  uint64_t round_kb = rounding_unit_kb(r.rounding);
  const RaidLevel* level = find_raid_level(r.level);
  if (r.members.empty() || round_kb == 0 || level == nullptr) {
    CapacityPlan none;
    none.status = kInvalidParameter;
    return none;
  }
  return level->concatenated ? plan_concatenated(r, round_kb) : plan_striped(r, round_kb);
}

}  // namespace qx::sim
