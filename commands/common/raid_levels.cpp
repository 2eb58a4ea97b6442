#include "commands/common/raid_levels.h"

#include "api/records.h"

namespace qx::commands {

bool is_tier_level(uint8_t raid_level) {
  return raid_level == QX_TIER_CAPACITY || raid_level == QX_TIER_SAFE || raid_level == QX_TIER_HYBRID;
}

}  // namespace qx::commands
