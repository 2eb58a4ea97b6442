// Placeholder handlers for the commands that are not implemented yet. Each one
// tells the user so and refuses. A handler leaves this file when its command
// is implemented in its own source file.
#include <cstdint>

#include "commands/handlers.h"
#include "shell/output.h"

namespace qx::commands {
namespace {

uint32_t not_yet_available() {
  shell::print_text("This command is not available yet.\n");
  return 1;
}

}  // namespace

#define QX_NOT_YET_AVAILABLE(name) \
  uint32_t name(int, char**, const CommandEntry&) { return not_yet_available(); }

// configuration
// background activities
QX_NOT_YET_AVAILABLE(cmd_migrate)
QX_NOT_YET_AVAILABLE(cmd_migrate_array)
QX_NOT_YET_AVAILABLE(cmd_copyback)
QX_NOT_YET_AVAILABLE(cmd_mp)
QX_NOT_YET_AVAILABLE(cmd_scrub)
QX_NOT_YET_AVAILABLE(cmd_locate)
QX_NOT_YET_AVAILABLE(cmd_forceonline)
// events and firmware
QX_NOT_YET_AVAILABLE(cmd_flash)
// enclosures and encryption
// diagnostics
QX_NOT_YET_AVAILABLE(cmd_sat)
QX_NOT_YET_AVAILABLE(cmd_ecc)
QX_NOT_YET_AVAILABLE(cmd_register)
QX_NOT_YET_AVAILABLE(cmd_wipe)
QX_NOT_YET_AVAILABLE(cmd_map)
QX_NOT_YET_AVAILABLE(cmd_rct)
QX_NOT_YET_AVAILABLE(cmd_tier)
QX_NOT_YET_AVAILABLE(cmd_segment)
QX_NOT_YET_AVAILABLE(cmd_dpmsg)

#undef QX_NOT_YET_AVAILABLE

}  // namespace qx::commands
