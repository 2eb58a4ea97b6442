#include "shell/dispatch.h"

#include <cstring>

#include "shell/output.h"
#include "shell/state.h"

namespace qx::shell {
namespace {

void to_lower_in_place(char* word) {
  for (; *word != '\0'; ++word) {
    if (*word >= 'A' && *word <= 'Z') *word = static_cast<char>(*word - 'A' + 'a');
  }
}

CommandLookup search(const char* word, const CommandTable& table, bool honour_visibility) {
  const size_t length = std::strlen(word);
  CommandLookup lookup;
  const CommandEntry* last = nullptr;
  for (uint16_t i = 0; i < table.count; ++i) {
    const CommandEntry& entry = table.entries[i];
    if (honour_visibility && entry.visibility == kWithdrawn) continue;
    if (std::strncmp(entry.name, word, length) != 0) continue;
    if (length + 1 == entry.name_size) return {&entry, lookup.matches + 1};
    last = &entry;
    ++lookup.matches;
  }
  if (lookup.matches == 1) lookup.entry = last;
  return lookup;
}

}  // namespace

CommandLookup find_command(const char* word, const CommandTable& main_table,
                           const CommandTable& hidden_table) {
  const CommandLookup in_main = search(word, main_table, true);
  if (in_main.matches > 0) return in_main;
  return search(word, hidden_table, false);
}

uint32_t dispatch(int argc, char** argv) {
  if (argc < 1) return 1;
  char* word = argv[0];
  to_lower_in_place(word);
  if (std::strcmp(word, "exit") == 0 || std::strcmp(word, "quit") == 0) return kLeaveShell;

  const ShellState& s = state();
  const CommandLookup lookup = find_command(word, s.main_table, s.hidden_table);
  if (lookup.entry == nullptr) {
    print(lookup.matches > 1 ? "Ambiguous command '%s'!\n" : "Invalid command '%s'!\n", word);
    return 1;
  }
  return lookup.entry->handler(argc, argv, *lookup.entry);
}

}  // namespace qx::shell
