// The options both `migrate` handlers read: -a ACTION, -l ID, -r LEVEL,
// -q PARITY, -d PD,...; and the checks that follow them before any call.
#ifndef QX_COMMANDS_BGA_MIGRATE_OPTIONS_H
#define QX_COMMANDS_BGA_MIGRATE_OPTIONS_H

#include <cstdint>
#include <optional>
#include <vector>

#include "commands/bga/migrate_rules.h"
#include "shell/command_table.h"

namespace qx::commands {

// The action code of "size" (any case), beside the BGA action codes.
inline constexpr uint8_t kMigrateSize = 127;

struct MigrateOptions {
  uint8_t action = 0;               // QX_BGA_ACTION_... or kMigrateSize
  uint16_t id = 0;                  // the VD or array
  std::optional<uint8_t> level;     // -r
  std::optional<int> parity;        // -q
  std::optional<std::vector<uint16_t>> pds;  // -d, as listed
};

struct MigrateParse {
  std::optional<MigrateOptions> options;
  uint32_t result = 0;  // the handler's result when it must end now
};

// Reads the options, then: the adapter's migration feature (each variant
// with its message), a repeated option, -l required, and a start names -r
// or -d. The array variant has no "stop".
MigrateParse parse_migrate_options(int argc, char** argv, const shell::CommandEntry& self, MigrateVariant variant);

// The start checks both handlers make in this order: the adapter lists the
// target level ("Specified RAID mode is not supported.\n"), the redundancy
// is not lowered (`degraded` with both level names), the disk count and
// parity fit the level. Prints why not and answers nothing; else the parity
// disks to send.
std::optional<uint8_t> check_start_rules(uint8_t level_now, uint8_t level, int count, std::optional<int> parity,
                                         MigrateVariant variant, const char* degraded);

}  // namespace qx::commands

#endif  // QX_COMMANDS_BGA_MIGRATE_OPTIONS_H
