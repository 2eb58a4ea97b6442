// `rebuild -l VD -d PD [-a start|pause|resume|stop]` on an adapter without
// arrays: rebuild a degraded VD onto one free disk, and steer the rebuild.
#include <cstdint>
#include <optional>
#include <vector>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/bga/rebuild_options.h"
#include "commands/bga/steer.h"
#include "commands/common/block_owner.h"
#include "commands/config/create_rules.h"
#include "commands/handlers.h"
#include "shell/confirm.h"
#include "shell/list_query.h"
#include "shell/output.h"
#include "shell/state.h"

namespace qx::commands {
namespace {

constexpr uint16_t kAnyVd = 0xFF;
constexpr uint16_t kFixedTableEmpty = 0xFF;

bool is_rebuild(uint8_t type) { return type == QX_BGA_REBUILD; }

constexpr SteerTable kSteer{
    is_rebuild,
    {"\nVD %d is not at rebuilding state.\n", "\nUnable to pause VD %d rebuilding (error %d: %s)\n",
     "\nRebuilding can not be resumed on VD %d (error %d: %s)\n", "\nUnable to abort VD %d rebuilding (error %d: %s)\n",
     "\nVD %d is currently rebuilding.\n", "\nVD %d rebuilding is currently paused\n",
     "\nVD %d is not doing any background operation.\n"},
    QX_LD_BGAControl,
};

// Each target must hold no VD's block; only then is the count judged.
uint32_t check_targets(const std::vector<uint16_t>& pds) {
  for (uint16_t pd : pds) {
    const uint8_t use = pd_in_use(pd, kAnyVd);
    if (use == kPdNotFree) {
      shell::print("PD %d is not a free disk and can not be used to rebuild VD.\n", pd);
      return 1;
    }
    if (use != kOk) {
      shell::print("Can not get disk %d information(error %d: %s).\n", pd, use, status_text(use));
      return use;
    }
  }
  if (pds.size() > 1) {
    shell::print_text("-d: Only One PD is needed for rebuilding!\n");
    return 1;
  }
  return 0;
}

uint32_t start(uint16_t vd_id, const std::vector<uint16_t>& pds, const QX_VD_STATUS& status) {
  if (status.bga_type != 0) {
    shell::print("\nVirtual disk %d is having background activity.\n", vd_id);
    return 0;
  }
  if (const uint32_t refused = check_targets(pds)) return refused;
  const uint8_t adapter = shell::state().current_adapter;
  QX_VD_INFO vd{};
  QX_FREE_SPACE space{};
  uint8_t read = shell::query_one(QX_LD_GetInfo, adapter, vd_id, vd);
  if (read == kOk) read = shell::query_one(QX_PD_GetFreeSpaceInfo, adapter, pds.front(), space);
  if (read != kOk) {
    shell::print("\nUnable to get necessary info(error %d: %s).\n", read, status_text(read));
    return read;
  }
  // Every entry of the table is looked at; a block that cannot be read is
  // passed over.
  for (uint16_t block : vd.block_ids) {
    if (block == kFixedTableEmpty || block == QX_VD_BLOCK_EMPTY) continue;
    std::optional<BlockOwner> owner = block_owner(block);
    if (owner && owner->pd_id == space.pd_id && owner->vd_id == vd.vd_id) {
      shell::print("\nPD %d is member disk of VD %d and can not use to rebuild\n", space.pd_id, vd.vd_id);
      return 0;
    }
  }
  if ((status.flags & QX_VD_STATUS_MEDIA_PATROL) &&
      !shell::ask_yes_no("Rebuild VD will stop Media patrol on PD. Do you want to continue?(y or n)\n"))
    return 0;
  return report_start(QX_LD_StartRebuild(adapter, vd_id, pds.front()), vd_id,
                      "\nUnable to rebuild VD %d (error %d: %s).\n", "Start rebuild successfully\n");
}

}  // namespace

uint32_t cmd_rebuild(int argc, char** argv, const CommandEntry& self) {
  if ((shell::current_adapter_info().features & QX_FEATURE_REBUILD) == 0) {
    shell::print_text("Rebuilding is not supported by this HBA!\n");
    return 0;
  }
  const RebuildParse parse = parse_rebuild_options(argc, argv, self, "-l : VD id should be a number\n", true);
  if (!parse.options) return parse.result;
  const RebuildOptions& o = *parse.options;
  QX_VD_STATUS status{};
  if (const uint8_t failed = read_vd_status(o.id, status)) return failed;
  if (o.action == QX_BGA_ACTION_START) return start(o.id, o.pds, status);
  return steer_bga(kSteer, o.id, status.bga_type, status.bga_state, o.action);
}

}  // namespace qx::commands
