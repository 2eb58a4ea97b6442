// The run of `init` and `cc` once their options are read: look the VD up,
// refuse RAID 0 for a start, read its activity status, then start the
// activity (asking first when a member disk runs a media patrol) or steer
// the running one.
#ifndef QX_COMMANDS_BGA_VD_ACTIVITY_H
#define QX_COMMANDS_BGA_VD_ACTIVITY_H

#include <cstdint>

#include "commands/bga/steer.h"

namespace qx::commands {

struct VdActivityCommand {
  const char* raid0_refusal;    // a start on a RAID 0 VD (answers 19)
  const char* busy;             // a start while an activity is recorded (VD id)
  const char* patrol_question;  // asked before a start that stops a media patrol
  const char* start_failed;     // VD id, status, status text
  const char* started;
  SteerTable steer;
};

// Runs `action` on VD `id` of the current adapter; `start` is the library's
// start call for this activity.
uint32_t run_vd_activity(const VdActivityCommand& command, uint16_t id, uint8_t action,
                         uint8_t (*start)(uint8_t adapter, uint16_t id, uint8_t parameter), uint8_t parameter);

}  // namespace qx::commands

#endif  // QX_COMMANDS_BGA_VD_ACTIVITY_H
