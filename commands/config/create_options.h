// The options of `create` on arrays-less adapters, read in command-line
// order into the request they fill.
#ifndef QX_COMMANDS_CONFIG_CREATE_OPTIONS_H
#define QX_COMMANDS_CONFIG_CREATE_OPTIONS_H

#include <cstdint>
#include <optional>

#include "api/records.h"
#include "shell/command_table.h"
#include "shell/option_table.h"

namespace qx::commands {

// The codes of the options without a letter.
inline constexpr int kWaiveConfirmationOption = shell::kFirstLongOnlyCode;
inline constexpr int kForceSizeOption = shell::kFirstLongOnlyCode + 1;

// The options of `create`; -r and -d are required.
const shell::OptionTable& create_option_table();

struct CreateOptions {
  QX_CREATE_VD_REQUEST request{};  // level, disks, stripe, cache, init, rounding, name, parity as given
  uint64_t size_mb = 0;            // -s
};

// Reads the options of a scan of create_option_table() into `options`; the
// scan then knows which were given. Returns the command's result when the
// options end it (its help: 0; a refused option: 1, its message printed),
// nothing when the command goes on.
std::optional<uint32_t> read_create_options(shell::OptionScan& scan, const shell::CommandEntry& self,
                                            CreateOptions& options);

}  // namespace qx::commands

#endif  // QX_COMMANDS_CONFIG_CREATE_OPTIONS_H
