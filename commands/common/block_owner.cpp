#include "commands/common/block_owner.h"

#include "api/qx_api.h"
#include "api/status.h"
#include "shell/list_query.h"
#include "shell/state.h"

namespace qx::commands {

std::optional<BlockOwner> block_owner(uint16_t block_id) {
  QX_BLOCK_INFO info{};
  if (shell::query_one(QX_BLK_GetInfo, shell::state().current_adapter, block_id, info) != kOk) return std::nullopt;
  BlockOwner owner{info.pd_id, std::nullopt};
  if ((info.flags & QX_BLOCK_OWNED) != 0 && info.vd_id != QX_BLOCK_NO_VD) owner.vd_id = info.vd_id;
  return owner;
}

}  // namespace qx::commands
