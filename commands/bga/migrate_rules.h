// What `migrate` judges on the host before it asks the adapter: whether the
// adapter lists the target level, and the disk count and parity disks the
// level takes. Pure functions of their arguments.
#ifndef QX_COMMANDS_BGA_MIGRATE_RULES_H
#define QX_COMMANDS_BGA_MIGRATE_RULES_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qx::commands {

// The two handlers count differently: an array needs more disks for RAID6
// and RAID60, and bounds RAID6's parity by half its disks.
enum class MigrateVariant { kVd, kArray };

struct CountVerdict {
  bool fits = true;
  std::string message;  // why not, as printed
  uint8_t parity = 0;   // the parity disks to send: as given (0 when not), or the level's default
};

// The disk-count and parity rule of a migration to `level` onto `count`
// disks, with `parity` as given by -q (none: the level's default, 2 for
// RAID6 and 4 for RAID60). `max_raid6_parity` is the adapter's limit, which
// the array variant names in its RAID6 message. Levels without a rule (RAID0,
// JBOD, the tiers) always fit.
CountVerdict migration_count_rule(uint8_t level, int count, std::optional<int> parity, MigrateVariant variant,
                                  int max_raid6_parity);

// Whether the adapter's supported-levels bits hold `level`; the hybrid-tier
// levels are not judged here.
bool migration_level_supported(uint16_t supported_levels, uint8_t level);

// Matching the members against a copy of the target list: each member is
// named in `text` ("%d " each) and, when listed, counted and its entry in
// `work` marked 0xFFFF, so that the entries left are the new disks.
struct MemberMatch {
  std::vector<uint16_t> work;
  int counted = 0;
  std::string text;
};
MemberMatch match_members(const std::vector<uint16_t>& targets, const std::vector<uint16_t>& members);

inline constexpr uint16_t kMatchedMember = 0xFFFF;

}  // namespace qx::commands

#endif  // QX_COMMANDS_BGA_MIGRATE_RULES_H
