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

// How a command reads its -d list. The strict form wants each element to
// begin with a digit; the lenient one takes any element, one without digits
// as 0.
struct PdListRule {
  bool lenient = false;
  size_t most = kMostListedPds;  // the room of the command's request
};

// The ids of a -d value in the order given, each once (a repeat is skipped).
// An element counts its leading digits ("3x" is 3). Under the strict rule an
// element that does not begin with a digit prints "-d:invalid PD IDs %s\n"
// with the whole value; a list of more than `rule.most` ids prints its own
// message; both answer nothing.
std::optional<std::vector<uint16_t>> parse_pd_list(const char* value, PdListRule rule = {});

}  // namespace qx::commands

#endif  // QX_COMMANDS_BGA_PD_LIST_H
