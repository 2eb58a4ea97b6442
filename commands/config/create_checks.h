// The host-side checks that every command building or sizing a VD or an
// array shares, each told what it builds: the disk-count and parity rules of
// the level, the RAID status of each disk, the file-system question, and
// counting the objects on the adapter for a default name.
#ifndef QX_COMMANDS_CONFIG_CREATE_CHECKS_H
#define QX_COMMANDS_CONFIG_CREATE_CHECKS_H

#include <cstdint>
#include <optional>
#include <span>

#include "api/records.h"

namespace qx::commands {

// Which rules apply: a VD from disks, an array, or a size query.
enum class Building { kVd, kArray, kSizeQuery };

// The disk-count and parity rules of `level` for `disks` disks; prints why
// and returns false when they are not met. `parity` holds what -q gave, or
// is given the level's default when -q was not given.
bool count_rules_met(Building what, uint8_t level, int disks, uint8_t& parity, bool parity_given);

// Refuses a disk whose RAID status flags bar it: offline, spare, or (not
// for a size query) foreign. A size query compares the flags byte for
// equality; the others test each bit. Prints the message for the object
// built ("VD", or "array" with its own wording); true when refused.
bool disk_flags_refused(Building what, uint16_t pd, uint8_t flags);

// Asks the adapter which of the disks carry a file system and, when any
// does, warns that building `object` ("VD", "array") loses their data and
// asks whether to go on. The command's result when it ends here: 1 when the
// adapter cannot tell (its message printed), 0 when the user declines.
std::optional<uint32_t> confirm_file_systems(std::span<const uint16_t> pds, const char* object);

// The number of VDs (or arrays) on the adapter, read in pages; a failing
// page ends the count with what it has. Nothing, with the message printed,
// when the page buffer cannot be had.
std::optional<long> count_vds();
std::optional<long> count_arrays();

}  // namespace qx::commands

#endif  // QX_COMMANDS_CONFIG_CREATE_CHECKS_H
