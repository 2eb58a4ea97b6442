// The physical-disk display of `info -o pd`: every PD of the current
// adapter, or one.
#ifndef QX_COMMANDS_INVENTORY_PD_DISPLAY_H
#define QX_COMMANDS_INVENTORY_PD_DISPLAY_H

#include <cstdint>

namespace qx::commands {

// The id that selects every PD.
inline constexpr uint16_t kAllPds = 65535;

// Lists the PDs page by page with their blocks, free space and activity.
// Returns 0 or the status that ended the listing.
uint8_t show_pds(uint16_t id);

}  // namespace qx::commands

#endif  // QX_COMMANDS_INVENTORY_PD_DISPLAY_H
