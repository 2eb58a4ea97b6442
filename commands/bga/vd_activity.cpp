#include "commands/bga/vd_activity.h"

#include "api/qx_api.h"
#include "api/status.h"
#include "shell/confirm.h"
#include "shell/list_query.h"
#include "shell/output.h"
#include "shell/state.h"

namespace qx::commands {

uint32_t run_vd_activity(const VdActivityCommand& c, uint16_t id, uint8_t action,
                         uint8_t (*start)(uint8_t adapter, uint16_t id, uint8_t parameter), uint8_t parameter) {
  const uint8_t adapter = shell::state().current_adapter;
  QX_VD_INFO info{};
  const uint8_t read = shell::query_one(QX_LD_GetInfo, adapter, id, info);
  if (read != kOk) {
    shell::print("\nUnable to get info of VD %d (error %d: %s).\n", id, read, status_text(read));
    return read;
  }
  if (action == QX_BGA_ACTION_START && info.raid_level == QX_RAID0) {
    shell::print_text(c.raid0_refusal);
    return kResultNotSupported;
  }
  QX_VD_STATUS status{};
  if (const uint8_t failed = read_vd_status(id, status)) return failed;
  if (action != QX_BGA_ACTION_START) return steer_bga(c.steer, id, status.bga_type, status.bga_state, action);

  if (status.bga_type != 0) {
    print_message(c.busy, id);
    return 0;
  }
  if ((status.flags & QX_VD_STATUS_MEDIA_PATROL) && !shell::ask_yes_no(c.patrol_question)) return 0;
  const uint8_t result = start(adapter, id, parameter);
  if (result != kOk) {
    print_message(c.start_failed, id, result, status_text(result));
    return result;
  }
  shell::print_text(c.started);
  return 0;
}

}  // namespace qx::commands
