// The block-id tables of the PD and VD records: `count` entries, or, when
// the count is 0, a fixed table of 16 entries in which 0xFF marks an empty
// one.
#ifndef QX_COMMANDS_INVENTORY_BLOCK_ENTRIES_H
#define QX_COMMANDS_INVENTORY_BLOCK_ENTRIES_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace qx::commands {

struct BlockEntry {
  uint16_t id;
  bool empty;
};

// The entries of a table of `room` ids. `counted_empty`: the id that marks an
// empty entry in a counted table, if that table has one. A count beyond the
// room is cut to it.
std::vector<BlockEntry> block_entries(const uint16_t* ids, size_t room, uint8_t count,
                                      std::optional<uint16_t> counted_empty);

}  // namespace qx::commands

#endif  // QX_COMMANDS_INVENTORY_BLOCK_ENTRIES_H
