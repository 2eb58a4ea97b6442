// The list of target disks that `rebuild` (and the commands that move data
// onto new disks) take with -d: ids separated by commas.
#ifndef QX_COMMANDS_BGA_PD_LIST_H
#define QX_COMMANDS_BGA_PD_LIST_H

#include <cstdint>
#include <optional>
#include <vector>

namespace qx::commands {

// The most ids a list may hold: the room of the library's request.
inline constexpr size_t kMostListedPds = 160;

// The ids of a -d value in the order given, each once (a repeat is skipped).
// Every element must begin with a digit and counts its leading digits ("3x"
// is 3). An invalid value prints "-d:invalid PD IDs %s\n" with the whole
// value, a list of more than kMostListedPds ids its own message; both answer
// nothing.
std::optional<std::vector<uint16_t>> parse_pd_list(const char* value);

}  // namespace qx::commands

#endif  // QX_COMMANDS_BGA_PD_LIST_H
