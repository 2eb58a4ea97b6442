// Deleting one VD: the questions, stopping media patrol on its disks and
// its background activity, and the delete.
#ifndef QX_COMMANDS_CONFIG_DELETE_VD_H
#define QX_COMMANDS_CONFIG_DELETE_VD_H

#include <cstdint>

namespace qx::commands {

struct DeleteAnswers {
  bool waive_confirmation = false;  // ask nothing
  bool force = false;               // do not ask about a background activity
};

// Deletes VD `id` of the current adapter; returns the command's result.
uint32_t delete_vd(uint16_t id, const DeleteAnswers& answers);

}  // namespace qx::commands

#endif  // QX_COMMANDS_CONFIG_DELETE_VD_H
