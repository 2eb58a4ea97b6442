// The command catalogue: four static tables (main and hidden, for arrays-less
// and for array-capable adapters) of command entries.
#ifndef QX_SHELL_COMMAND_TABLE_H
#define QX_SHELL_COMMAND_TABLE_H

#include <cstddef>
#include <cstdint>

namespace qx::shell {

struct CommandEntry;

// A command handler: the words of the command line (word 0 is the command
// word as typed, in lower case) and its own table entry. Returns 0 for
// success, 1 for a refusal, otherwise a library status or a fixed result.
using Handler = uint32_t (*)(int argc, char** argv, const CommandEntry& self);

// Visibility of a main-table entry.
enum Visibility : uint32_t {
  kWithdrawn = 0,  // skipped by dispatch and help, as if absent
  kListed = 1,     // callable and listed by help
  kUnlisted = 2,   // callable, shown by `help NAME`, not listed
};

struct CommandEntry {
  const char* name;    // lower case
  size_t name_size;    // strlen(name) + 1
  Handler handler;
  const char* help;    // the detail help page
  const char* brief;   // one line, begins with ':'
  uint32_t visibility;
};

struct CommandTable {
  CommandEntry* entries;
  uint16_t count;
};

// The four tables. Start-up lowers visibility flags in the main table it
// selects; everything else reads them.
CommandTable arrayless_main_table();
CommandTable arrayless_hidden_table();
CommandTable array_main_table();
CommandTable array_hidden_table();

}  // namespace qx::shell

#endif  // QX_SHELL_COMMAND_TABLE_H
