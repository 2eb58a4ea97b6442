// Finds the command a command line names and runs it.
#ifndef QX_SHELL_DISPATCH_H
#define QX_SHELL_DISPATCH_H

#include <cstdint>

#include "shell/command_table.h"

namespace qx::shell {

// The dispatcher's result for `exit` and `quit`: -1 as an exit status.
inline constexpr uint32_t kLeaveShell = 0xFFFFFFFFu;

// The outcome of looking a command word up.
struct CommandLookup {
  const CommandEntry* entry = nullptr;  // the command to run, if one was found
  int matches = 0;                      // prefix matches in the table searched
};

// Looks `word` (already in lower case) up: an exact name or a unique prefix,
// first among the main table's enabled entries, and only when none of them
// matches at all, in the hidden table whatever its flags. An exact name wins
// over other prefixes of its table. `entry` is null when nothing matched
// (matches == 0) or the prefix is ambiguous (matches > 1).
CommandLookup find_command(const char* word, const CommandTable& main_table,
                           const CommandTable& hidden_table);

// Runs one command line (word 0 is the command word) against the selected
// tables. The command word is turned into lower case in place. Returns the
// handler's result, kLeaveShell for `exit` and `quit`, or 1 after
// "Invalid command '%s'!\n" or "Ambiguous command '%s'!\n".
uint32_t dispatch(int argc, char** argv);

}  // namespace qx::shell

#endif  // QX_SHELL_DISPATCH_H
