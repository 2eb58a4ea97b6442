// `rebuild -l ARRAY -d PD,... [-a start|pause|resume]` on an adapter with
// arrays: rebuild a degraded array onto new disks, checking each disk
// first, and steer the rebuild.
#include <cstdint>
#include <vector>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/bga/rebuild_options.h"
#include "commands/bga/steer.h"
#include "commands/handlers.h"
#include "shell/confirm.h"
#include "shell/list_query.h"
#include "shell/output.h"
#include "shell/state.h"

namespace qx::commands {
namespace {

bool is_rebuild(uint8_t type) { return type == QX_BGA_REBUILD; }

constexpr SteerTable kSteer{
    is_rebuild,
    {"\nArray %d is not at rebuilding state.\n", "\nUnable to pause rebuilding on array %d (error %d: %s)\n",
     "\nRebuilding can not be resumed on array %d (error %d: %s)\n", nullptr, "\nArray %d is currently rebuilding.\n",
     "\narray %d rebuilding is currently paused\n", "\nArray %d is not doing any background operation.\n"},
    QX_DG_BGAControl,
};

// A disk the array can take: free, no other array's spare, room enough and
// the array's block size. Prints why not and answers false.
bool target_fits(const QX_ARRAY_INFO& array, uint16_t pd) {
  const uint8_t adapter = shell::state().current_adapter;
  QX_PD_RAID_STATUS raid{};
  const uint8_t read = shell::query_one(QX_PD_GetHDRaidStatus, adapter, pd, raid);
  if (read != kOk) {
    shell::print("Unable to get status of PD %d (error %d: %s).\n", pd, read, status_text(read));
    return false;
  }
  if ((raid.flags & QX_PD_RAID_FREE) == 0) {
    shell::print("PD %d is not a free disk.\n", pd);
    return false;
  }
  if ((raid.flags & QX_PD_RAID_DEDICATED_SPARE) && raid.spare_array_id != array.array_id) {
    shell::print("PD %d is dedicated for array %d.\n", pd, raid.spare_array_id);
    return false;
  }
  QX_FREE_SPACE space{};
  if (!read_free_space(pd, space)) return false;
  if (space.usable_kb < array.rebuild_kb) {
    shell::print("PD %d doesn't have enough space for rebuild.\n", pd);
    return false;
  }
  if (space.block_size != array.sector_size) {
    shell::print("Block size of PD %d (%d) doesn't match block size of array %d (%d).\n", pd, space.block_size,
                 array.array_id, static_cast<int>(array.sector_size));
    return false;
  }
  return true;
}

uint32_t start(const QX_ARRAY_INFO& array, const std::vector<uint16_t>& pds) {
  if (array.bga_type != 0) {
    shell::print("\nArray %d is having background activity.\n", array.array_id);
    return 0;
  }
  for (uint16_t pd : pds)
    if (!target_fits(array, pd)) return 1;
  if (array.media_patrol != 0 &&
      !shell::ask_yes_no("Rebuild Array will stop Media patrol on PD. Do you want to continue?(y or n)\n"))
    return 0;
  QX_REBUILD_REQUEST request{};
  request.array_id = array.array_id;
  request.kind = QX_REBUILD_ARRAY;
  request.pd_count = static_cast<uint8_t>(pds.size());
  for (size_t i = 0; i < pds.size(); ++i) request.pd_ids[i] = pds[i];
  return report_start(QX_LD_DG_StartRebuild(shell::state().current_adapter, &request), array.array_id,
                      "Unable to rebuild array %d (error %d: %s).\n", "Start rebuild successfully\n");
}

}  // namespace

uint32_t cmd_rebuild_array(int argc, char** argv, const CommandEntry& self) {
  const RebuildParse parse = parse_rebuild_options(argc, argv, self, "-l : Array id should be a number\n", false);
  if (!parse.options) return parse.result;
  const RebuildOptions& o = *parse.options;
  QX_ARRAY_INFO array{};
  const uint8_t read = shell::query_one(QX_DG_GetInfo, shell::state().current_adapter, o.id, array);
  if (read != kOk) {
    shell::print("Unable to get info of array %d (error %d: %s).\n", o.id, read, status_text(read));
    return read;
  }
  if (o.action == QX_BGA_ACTION_START) return start(array, o.pds);
  return steer_bga(kSteer, o.id, static_cast<uint8_t>(array.bga_type), array.bga_state, o.action);
}

}  // namespace qx::commands
