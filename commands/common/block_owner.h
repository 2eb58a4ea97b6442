// Who owns a block: read with QX_BLK_GetInfo on the current adapter. The
// displays name the owner; delete and create check it.
#ifndef QX_COMMANDS_COMMON_BLOCK_OWNER_H
#define QX_COMMANDS_COMMON_BLOCK_OWNER_H

#include <cstdint>
#include <optional>

namespace qx::commands {

struct BlockOwner {
  uint16_t pd_id;
  std::optional<uint16_t> vd_id;  // when a VD owns the block
};

// The owner of block `block_id`; empty when the call fails.
std::optional<BlockOwner> block_owner(uint16_t block_id);

}  // namespace qx::commands

#endif  // QX_COMMANDS_COMMON_BLOCK_OWNER_H
