// What `mp` and `scrub` share: their options (-a ACTION -d PD), and the start
// of an activity on one disk after its BGA status and RAID flags are read.
#ifndef QX_COMMANDS_BGA_PD_ACTIVITY_H
#define QX_COMMANDS_BGA_PD_ACTIVITY_H

#include <cstdint>
#include <optional>
#include <string>

#include "api/records.h"
#include "shell/command_table.h"

namespace qx::commands {

struct PdActivityOptions {
  uint8_t action = 0;       // QX_BGA_ACTION_...
  std::string typed;        // the -a word as typed
  int32_t pd = 0;
};

// How one command reads its options.
struct PdActivityParse {
  const char* pd_message;     // printed for a -d that is not a number
  uint8_t actions;            // the actions it knows, as bits 1 << QX_BGA_ACTION_...
  bool limits_id;             // ids from 255 on are refused ("-i : invalid id %d\n")
};

// Reads the options; the first bad value, a repeated option, a refused id
// and missing options (-a before -d) print their message. Answers the
// options, or nothing with `result` set to what the handler answers (1, or
// 0 after the help).
std::optional<PdActivityOptions> parse_pd_activity(int argc, char** argv, const shell::CommandEntry& self,
                                                   const PdActivityParse& how, uint32_t& result);

// The start of a disk activity: refused while the disk has one; then its
// RAID flags go to `refusal`, which prints why the disk cannot take it and
// answers the result, or answers nothing to go on; then `start` is called.
// A failure prints `start_failed` (PD id, status, text) and answers the
// status; success prints nothing.
using PdStartCall = uint8_t (*)(uint8_t adapter, uint16_t pd);
using PdRefusal = std::optional<uint32_t> (*)(uint16_t pd, uint8_t raid_flags);
uint32_t start_pd_activity(uint16_t pd, const QX_PD_BGA_STATUS& bga, PdRefusal refusal, PdStartCall start,
                           const char* start_failed);

}  // namespace qx::commands

#endif  // QX_COMMANDS_BGA_PD_ACTIVITY_H
