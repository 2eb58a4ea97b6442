#include "commands/inventory/block_entries.h"

#include "api/qx_api.h"
#include "shell/list_query.h"
#include "shell/state.h"

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

std::optional<BlockOwner> block_owner(uint16_t block_id) {
  QX_BLOCK_INFO info{};
  if (shell::query_one(QX_BLK_GetInfo, shell::state().current_adapter, block_id, info) != kOk) return std::nullopt;
  BlockOwner owner{info.pd_id, std::nullopt};
  if ((info.flags & QX_BLOCK_OWNED) != 0 && info.vd_id != QX_BLOCK_NO_VD) owner.vd_id = info.vd_id;
  return owner;
}

}  // namespace qx::commands
