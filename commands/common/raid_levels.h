// Facts about RAID level codes that the displays and the configuration
// commands both need.
#ifndef QX_COMMANDS_COMMON_RAID_LEVELS_H
#define QX_COMMANDS_COMMON_RAID_LEVELS_H

#include <cstdint>

namespace qx::commands {

// The hybrid-tier levels.
bool is_tier_level(uint8_t raid_level);

}  // namespace qx::commands

#endif  // QX_COMMANDS_COMMON_RAID_LEVELS_H
