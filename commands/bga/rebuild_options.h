// The options both `rebuild` handlers read: -a ACTION, -l ID, -d PD,...
#ifndef QX_COMMANDS_BGA_REBUILD_OPTIONS_H
#define QX_COMMANDS_BGA_REBUILD_OPTIONS_H

#include <cstdint>
#include <optional>
#include <vector>

#include "shell/command_table.h"

namespace qx::commands {

struct RebuildOptions {
  uint8_t action = 0;          // QX_BGA_ACTION_..., start by default
  uint16_t id = 0;             // the VD or array
  std::vector<uint16_t> pds;   // targets of a start
};

// Reads the options. `id_message` is printed for an -l that is not a number;
// without `can_stop` "stop" is no action. Answers the options, or the
// handler's result when it must end now (an error, which has been printed,
// or the help, which answers 0).
struct RebuildParse {
  std::optional<RebuildOptions> options;
  uint32_t result = 0;
};
RebuildParse parse_rebuild_options(int argc, char** argv, const shell::CommandEntry& self, const char* id_message,
                                   bool can_stop);

}  // namespace qx::commands

#endif  // QX_COMMANDS_BGA_REBUILD_OPTIONS_H
