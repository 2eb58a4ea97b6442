// The virtual-disk display of `info -o vd`: every VD of the current
// adapter, or one.
#ifndef QX_COMMANDS_INVENTORY_VD_DISPLAY_H
#define QX_COMMANDS_INVENTORY_VD_DISPLAY_H

#include <cstdint>

namespace qx::commands {

// The id that selects every VD.
inline constexpr uint16_t kAllVds = 255;

// Lists the VDs page by page with their blocks and activity progress (a
// migrating VD followed by its target). Returns 0 or the status that ended
// the listing.
uint8_t show_vds(uint16_t id);

}  // namespace qx::commands

#endif  // QX_COMMANDS_INVENTORY_VD_DISPLAY_H
