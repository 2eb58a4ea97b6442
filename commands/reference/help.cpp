// `help` and `?`: the brief list of the commands the current adapter offers,
// the list of hidden commands (-i), or the detail pages of named commands.
#include <cstring>

#include "commands/handlers.h"
#include "shell/getopt.h"
#include "shell/handler_support.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"

namespace qx::commands {
namespace {

using shell::CommandTable;
using shell::print;
using shell::print_text;

constexpr int kNameWidth = 12;

constexpr char kLegend[] =
    "\nLegend: \n"
    "  [options] - the options within [] are optional. \n"
    "  <x|y|z>   - choose one of the x, y or z. \n"
    "  [<x|y|z>] - choose none or one of the x, y or z. \n"
    "\n"
    "Abbreviation: \n"
    "    VD  - Virtual Disk,   Array  - Disk Array \n"
    "    PD  - Physical Disk,  BGA - BackGround Activity \n"
    "\n"
    "Type '-output [filename]' to output to a file. \n"
    "Type 'help' to display this page. \n"
    "Type 'help command' to display the help page of 'command'. \n"
    "Type 'command -h' to display help for 'command'. \n"
    "\n"
    "Command name is not case sensitive and may be abbreviated if the  \n"
    "abbreviation is unique. Most commands support both short (-) and   \n"
    "long (--) options.Long option names may be abbreviated if the abbreviation  \n"
    "is unique. A long option may take a parameter of the form '--arg=param'  \n"
    "or '--arg param'. Option name is case sensitive, option parameter is not.  \n"
    "\n"
    "COMMAND   BRIEF DESCRIPTION \n"
    "-----------------------------------------------------------------\n";

// No -h: `help -h` is an invalid option, answered with this command's help.
const shell::OptionTable kOptions{
    shell::kOutputEntry,
    {'i', "internal", shell::Arg::kNone, shell::kOnce},
};

// Name and brief of every entry whose flag is exactly 1, then a blank line.
void list_briefs(const CommandTable& table) {
  for (uint16_t i = 0; i < table.count; ++i) {
    const CommandEntry& entry = table.entries[i];
    if (entry.visibility == shell::kListed) print("%-*s %s\n", kNameWidth, entry.name, entry.brief);
  }
  print("\n");
}

// The page of a command named exactly (no abbreviation, case counts): an
// enabled main-table entry first, then the hidden table, where `mp` is not
// looked up.
const CommandEntry* find_page(const char* word) {
  const CommandTable& main_table = shell::state().main_table;
  for (uint16_t i = 0; i < main_table.count; ++i) {
    const CommandEntry& entry = main_table.entries[i];
    if (entry.visibility != shell::kWithdrawn && std::strcmp(entry.name, word) == 0) return &entry;
  }
  if (std::strcmp(word, "mp") == 0) return nullptr;
  const CommandTable& hidden_table = shell::state().hidden_table;
  for (uint16_t i = 0; i < hidden_table.count; ++i) {
    if (std::strcmp(hidden_table.entries[i].name, word) == 0) return &hidden_table.entries[i];
  }
  return nullptr;
}

}  // namespace

uint32_t cmd_help(int argc, char** argv, const CommandEntry& self) {
  shell::OptionScan scan(kOptions, argc, argv);
  for (int code; (code = scan.next()) != -1;) {
    if (code != shell::kOutputOption && code != 'i') return shell::print_command_help(self);
  }

  if (scan.duplicated()) return shell::duplicated_option();
  if (scan.given('i')) {
    list_briefs(shell::state().hidden_table);
    return 0;
  }
  const int first_word = shell::option_parser().index;
  if (first_word >= argc) {
    print_text(kLegend);
    list_briefs(shell::state().main_table);
    return 0;
  }
  for (int i = first_word; i < argc; ++i) {
    const CommandEntry* entry = find_page(argv[i]);
    if (entry == nullptr) {
      print("No help available for '%s'\n", argv[i]);
    } else {
      shell::print_command_help(*entry);
    }
  }
  return 0;
}

}  // namespace qx::commands
