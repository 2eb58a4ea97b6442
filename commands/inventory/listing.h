// What the PD and VD listings share around their pages: the message for a
// buffer that cannot be had, and how a listing ends.
#ifndef QX_COMMANDS_INVENTORY_LISTING_H
#define QX_COMMANDS_INVENTORY_LISTING_H

#include <cstddef>
#include <cstdint>
#include <optional>

namespace qx::commands {

struct ListingNames {
  const char* noun;         // in "Unable to get info of NOUN ..." ("PD", "vd")
  const char* total_label;  // "Total # of PD:"
};

// Prints that `bytes` of buffer could not be had; returns status 4.
uint8_t buffer_unavailable(size_t bytes);

// Prints the end of a listing of one object (`id`) or of all (`id` empty)
// that stopped with `status` after `total` records; returns `status`.
uint8_t end_listing(const ListingNames& names, std::optional<uint16_t> id, long total, uint8_t status);

}  // namespace qx::commands

#endif  // QX_COMMANDS_INVENTORY_LISTING_H
