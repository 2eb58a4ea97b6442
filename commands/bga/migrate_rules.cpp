#include "commands/bga/migrate_rules.h"

#include <utility>

#include "api/raid_levels.h"
#include "api/records.h"

namespace qx::commands {

namespace {

CountVerdict refuse(std::string text) { return {false, std::move(text), 0}; }

std::string number(int n) { return std::to_string(n); }

CountVerdict raid6(int count, std::optional<int> parity, MigrateVariant variant, int most) {
  if (!parity) return {true, "", 2};
  if (variant == MigrateVariant::kArray) {
    if (*parity < 2 || *parity > count / 2)
      return refuse("Number of parity disks should be at between 2 and " + number(most) + ".\n");
  } else if (*parity < 2 || *parity >= count) {
    return refuse("Number of parity disks should be at least 2 and less than " + number(count) + ".\n");
  }
  return {true, "", static_cast<uint8_t>(*parity)};
}

CountVerdict raid60(int count, std::optional<int> parity) {
  if (!parity) return {true, "", 4};
  if (*parity < 4 || *parity % 2 != 0) return refuse("RAID60 need at least 4 even number of parity disks.\n");
  if (*parity >= count)
    return refuse("# of parity disks (" + number(*parity) + ") should be less than # of total disks (" +
                  number(count) + ").\n");
  return {true, "", static_cast<uint8_t>(*parity)};
}

}  // namespace

CountVerdict migration_count_rule(uint8_t level, int count, std::optional<int> parity, MigrateVariant variant,
                                  int max_raid6_parity) {
  const RaidLevel* l = find_raid_level(level);
  const CountVerdict as_given{true, "", static_cast<uint8_t>(parity.value_or(0))};
  if (l == nullptr || level == QX_RAID0 || l->count_message == nullptr) return as_given;
  // An array needs more disks for RAID6 and RAID60 than a VD does.
  const bool array = variant == MigrateVariant::kArray;
  if (array && level == QX_RAID6 && count < 4) return refuse("RAID6 needs least 4 PDs.\n");
  if (array && level == QX_RAID60 && (count < 8 || count % 2 != 0))
    return refuse("RAID60 needs least 8 or more even number of PDs.\n");
  if (!disk_count_fits(*l, count)) return refuse(l->count_message);
  if (level == QX_RAID6) return raid6(count, parity, variant, max_raid6_parity);
  if (level == QX_RAID60) return raid60(count, parity);
  return as_given;
}

bool migration_level_supported(uint16_t supported_levels, uint8_t level) {
  if (is_tier_level(level)) return true;
  const RaidLevel* l = find_raid_level(level);
  return l != nullptr && (supported_levels & l->mode_bit) != 0;
}

MemberMatch match_members(const std::vector<uint16_t>& targets, const std::vector<uint16_t>& members) {
  MemberMatch m{targets, 0, ""};
  for (uint16_t member : members) {
    m.text += std::to_string(member) + " ";
    for (uint16_t& entry : m.work)
      if (entry == member) {
        entry = kMatchedMember;
        ++m.counted;
        break;
      }
  }
  return m;
}

}  // namespace qx::commands
