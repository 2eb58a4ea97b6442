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
// events and firmware
// enclosures and encryption
// diagnostics

#undef QX_NOT_YET_AVAILABLE

}  // namespace qx::commands
