// The options of `create` on arrays-less adapters, read in command-line
// order into the request they fill.
#ifndef QX_COMMANDS_CONFIG_CREATE_OPTIONS_H
#define QX_COMMANDS_CONFIG_CREATE_OPTIONS_H

#include <cstdint>
#include <optional>

#include "api/records.h"
#include "shell/command_table.h"

namespace qx::commands {

struct CreateOptions {
  QX_CREATE_VD_REQUEST request{};  // level, disks, stripe, cache, init, rounding, name, parity as given
  uint64_t size_mb = 0;            // -s
  // How often each option that may not repeat was given.
  int raid_mode = 0, pd_list = 0, stripe = 0, write_policy = 0, read_policy = 0, name = 0, parity = 0, size = 0;
  bool cache_given = false;        // -c
  bool waive_confirmation = false;
  bool force_size = false;
};

// Reads the options into `options`. Returns the command's result when the
// options end it (its help: 0; a refused option: 1, its message printed),
// nothing when the command goes on.
std::optional<uint32_t> read_create_options(int argc, char** argv, const shell::CommandEntry& self,
                                            CreateOptions& options);

}  // namespace qx::commands

#endif  // QX_COMMANDS_CONFIG_CREATE_OPTIONS_H
