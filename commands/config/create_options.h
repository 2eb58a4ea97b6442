// The options of `create` on arrays-less adapters, read in command-line
// order into the request they fill.
#ifndef QX_COMMANDS_CONFIG_CREATE_OPTIONS_H
#define QX_COMMANDS_CONFIG_CREATE_OPTIONS_H

#include <cstdint>
#include <optional>
#include <string>

#include "api/records.h"
#include "shell/command_table.h"
#include "shell/option_table.h"

namespace qx::commands {

// The codes of the options without a letter.
inline constexpr int kWaiveConfirmationOption = shell::kFirstLongOnlyCode;
inline constexpr int kForceSizeOption = shell::kFirstLongOnlyCode + 1;
inline constexpr int kSizeOnlyOption = shell::kFirstLongOnlyCode + 2;
inline constexpr int kCacheOnOption = shell::kFirstLongOnlyCode + 3;
inline constexpr int kCacheOffOption = shell::kFirstLongOnlyCode + 4;

// The options of `create` on arrays-less adapters; -r and -d are required.
const shell::OptionTable& create_option_table();
// The options of `create` on array-capable adapters; which are required
// depends on the object.
const shell::OptionTable& create_array_option_table();

// What `create -o` builds on an array-capable adapter.
enum class CreateObject { kVd, kArray, kPackageVd, kAuto };

struct CreateOptions {
  QX_CREATE_VD_REQUEST request{};  // level, disks, stripe, cache, init, rounding, name, parity as given
  uint64_t size_mb = 0;            // -s
  std::string name;                // -n, without its quotes
  // array-capable adapters only
  CreateObject object = CreateObject::kVd;
  uint16_t array_id = 0;           // -a
  uint8_t slot = QX_NO_SLOT;       // -l
  uint8_t protection = 0;          // -t: 1 enable, 0 disable
  bool array_cache = true;         // --cacheon / --cacheoff, the last wins
};

// Reads the options of a scan of create_option_table() (or, `on_arrays`,
// create_array_option_table()) into `options`; the scan then knows which
// were given. Returns the command's result when the options end it (its
// help: 0; a refused option: 1, its message printed), nothing when the
// command goes on.
std::optional<uint32_t> read_create_options(shell::OptionScan& scan, const shell::CommandEntry& self,
                                            CreateOptions& options, bool on_arrays = false);

}  // namespace qx::commands

#endif  // QX_COMMANDS_CONFIG_CREATE_OPTIONS_H
