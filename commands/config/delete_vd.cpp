#include "commands/config/delete_vd.h"

#include <optional>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/common/block_owner.h"
#include "shell/confirm.h"
#include "shell/list_query.h"
#include "shell/output.h"
#include "shell/state.h"

namespace qx::commands {

namespace {

constexpr uint8_t kBgaStateMask = 0x7F;  // an activity is there when these bits are not all clear
constexpr uint16_t kNoBlock = 0xFF;      // block ids from here on stand for no block

// "\nVD %d is rebuilding,": what the VD is busy with, before the question.
void print_activity_line(uint8_t bga_type, uint16_t id) {
  switch (bga_type) {
    case QX_BGA_REBUILD:
      shell::print("\nVD %d is rebuilding,", id);
      return;
    case QX_BGA_SYNCHRONIZE:
    case QX_BGA_REDUNDANCY_CHECK:
      shell::print("\nVD %d is having consistency check,", id);
      return;
    case QX_BGA_INIT_FOREGROUND:
    case QX_BGA_INIT_BACKGROUND:
    case QX_BGA_INIT_QUICK:
      shell::print("\nVD %d is initializing,", id);
      return;
    case QX_BGA_MIGRATION:
      shell::print("\nVD %d is migrating,", id);
      return;
    case QX_BGA_COPY_BACK:
      shell::print("\nVD %d is doing copy back,", id);
      return;
    default:
      shell::print("\nVD %d is having BGA,", id);
      return;
  }
}

// Stops the media patrol on each member disk that runs one. A member that
// cannot be looked at is reported and passed over.
void stop_media_patrol(uint16_t id) {
  const uint8_t adapter = shell::state().current_adapter;
  QX_VD_INFO vd{};
  if (shell::query_one(QX_LD_GetInfo, adapter, id, vd) != kOk) {
    shell::print("Failed to get VD %d info to stop media partol\n", id);
    return;
  }
  const bool pd_status_readable = (shell::current_adapter_info().features & QX_FEATURE_PD_BGA_STATUS) != 0;
  const int members = vd.pd_count < QX_VD_BLOCK_SLOTS ? vd.pd_count : QX_VD_BLOCK_SLOTS;
  for (int i = 0; i < members; ++i) {
    const uint16_t block = vd.block_ids[i];
    if (block >= kNoBlock) continue;
    std::optional<BlockOwner> owner = block_owner(block);
    if (!owner) {
      shell::print("Failed to find disk map to block %d\n", block);
      continue;
    }
    QX_PD_BGA_STATUS activity{};
    if (!pd_status_readable || shell::query_one(QX_PD_GetBGAStatus, adapter, owner->pd_id, activity) != kOk) {
      shell::print("Failed to get PD %d RAID status.\n", owner->pd_id);
      continue;
    }
    if (activity.activity != QX_PD_BGA_MEDIA_PATROL) continue;
    if (QX_PD_BGAControl(adapter, owner->pd_id, QX_BGA_ACTION_STOP) == kOk) {
      shell::print("Send to disk %d stop BGA success\n", owner->pd_id);
    } else {
      shell::print("Send to disk %d stop BGA failed\n", owner->pd_id);
    }
  }
}

}  // namespace

uint32_t delete_vd(uint16_t id, const DeleteAnswers& answers) {
  const uint8_t adapter = shell::state().current_adapter;
  QX_VD_STATUS status{};
  const uint8_t read = shell::query_one(QX_LD_GetStatus, adapter, id, status);
  if (read != kOk) {
    shell::print("\nUnable to get status of VD %d %s.\n", id, error_report(read).c_str());
    return 1;
  }
  const bool patrol = (status.flags & QX_VD_STATUS_MEDIA_PATROL) != 0;
  if (!answers.waive_confirmation) {
    if (!shell::ask_yes_no("Are you sure you want to delete this virtual disk? (y or n)\n")) return 0;
    if (patrol &&
        !shell::ask_yes_no("Delete VD will stop Media patrol on PD. Do you want to continue?(y or n)\n"))
      return kResultMediaPatrolDeclined;
  }
  if (patrol) stop_media_patrol(id);

  uint8_t flag = QX_DELETE_OFFLINE_OR_FOREIGN;
  if (status.state != QX_VD_OFFLINE && status.state != QX_VD_FOREIGN) {
    flag = QX_DELETE_LIVE;
    if ((status.bga_state & kBgaStateMask) != 0) {
      if (!answers.waive_confirmation && !answers.force) {
        print_activity_line(status.bga_type, id);
        if (!shell::ask_yes_no(" do you still want to delete it? (y or n)\n")) return 0;
      }
      QX_LD_BGAControl(adapter, id, QX_BGA_ACTION_CANCEL);  // the delete reports what matters
    }
  }
  const uint8_t result = QX_LD_Delete(adapter, id, flag);
  if (result == kOk) {
    shell::print("Delete VD %d successfully.\n", id);
  } else {
    shell::print("Failed to delete VD %d %s.\n", id, error_report(result).c_str());
  }
  return result;
}

}  // namespace qx::commands
