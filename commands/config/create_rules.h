// Rules that VD creation shares with the commands that build arrays, rebuild
// and migrate: the short names of RAID levels in default names, the
// stripe-size check, and whether a disk already holds another VD's space.
#ifndef QX_COMMANDS_CONFIG_CREATE_RULES_H
#define QX_COMMANDS_CONFIG_CREATE_RULES_H

#include <cstdint>

namespace qx::commands {

// "R5", "R1E", "JBD", "TwinTier_c", ...; "NA" for a code without one.
const char* raid_short_name(uint8_t level);

// Whether the current adapter supports a stripe size in KB: its low four
// bits are clear and each bit of size / 16 is a supported size (so a sum of
// supported sizes passes too). An adapter record that states no sizes is
// given its default first (16 to 128 KB, or to 1 MB with big stripes), and
// keeps it.
bool stripe_size_supported(uint16_t stripe_kb);

// Whether disk `pd_id` holds a block of a VD other than `vd_id` (0xFF: of any
// VD) on the current adapter: 0 free, 73 not free, 4 when the list buffer
// cannot be had, or the status of the failing block query. Array-capable
// adapters are not asked and answer 0.
uint8_t pd_in_use(uint16_t pd_id, uint16_t vd_id);

// The status pd_in_use() answers for a disk that is not free.
inline constexpr uint8_t kPdNotFree = 73;

}  // namespace qx::commands

#endif  // QX_COMMANDS_CONFIG_CREATE_RULES_H
