#include "commands/inventory/block_entries.h"

namespace qx::commands {

namespace {
constexpr size_t kFixedTable = 16;
constexpr uint16_t kFixedEmpty = 0xFF;
}  // namespace

std::vector<BlockEntry> block_entries(const uint16_t* ids, size_t room, uint8_t count,
                                      std::optional<uint16_t> counted_empty) {
  std::vector<BlockEntry> entries;
  const bool fixed = count == 0;
  size_t n = fixed ? kFixedTable : count;
  if (n > room) n = room;
  for (size_t i = 0; i < n; ++i) {
    const uint16_t id = ids[i];
    const bool empty = fixed ? id == kFixedEmpty : counted_empty && id == *counted_empty;
    entries.push_back({id, empty});
  }
  return entries;
}

}  // namespace qx::commands
