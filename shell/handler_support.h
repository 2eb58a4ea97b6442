// Small pieces of the pattern every command handler follows around the
// option parser:
//
//   start_options();
//   while ((code = next_option(argc, argv, "i:" QX_OUTPUT_OPTION "h", kOptions)) != -1) {
//     switch (code) {
//       case kOutputOption: break;                      // "-output FILE": ignored
//       case 'i': ++id_count; if (!require_decimal(option_arg(), "-i : id should be a number\n")) return 1; ...
//       case '?': return 1;                             // the parser has said why
//       default: return print_command_help(self);       // -h and anything unexpected
//     }
//   }
//   if (id_count > 1) return duplicated_option();
//   if (id_count == 0) return missing_option(self, 'i');
#ifndef QX_SHELL_HANDLER_SUPPORT_H
#define QX_SHELL_HANDLER_SUPPORT_H

#include <cstdint>

#include "platform/format.h"
#include "shell/command_table.h"

namespace qx::shell {

// Prints this entry's help: "Description", its brief and its help page, each
// as plain text. Returns 0, the result of a command asked for its help.
uint32_t print_command_help(const CommandEntry& self);

// Prints "Duplicated option specified.\n" and returns 1.
uint32_t duplicated_option();

// Prints "%s: option -%c is required\n" with the entry's full name and the
// option letter, and returns 1.
uint32_t missing_option(const CommandEntry& self, char letter);

// True when `arg` is a decimal number; otherwise prints the message (a printf
// format with its arguments, e.g. "-i : invalid id '%s'\n", arg) and returns
// false.
bool require_decimal(const char* arg, const char* fmt, ...) QX_PRINTF_FORMAT(2, 3);

}  // namespace qx::shell

#endif  // QX_SHELL_HANDLER_SUPPORT_H
