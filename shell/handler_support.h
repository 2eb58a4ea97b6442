// Small pieces of the pattern every command handler follows around its
// option table (shell/option_table.h):
//
//   OptionScan scan(kOptions, argc, argv);
//   for (int code; (code = scan.next()) != -1;) {
//     switch (code) {
//       case kOutputOption: break;                      // "-output FILE": ignored
//       case 'i': if (!require_decimal(scan.arg(), "-i : id should be a number\n")) return 1; ...
//       default: return other_option(code, self);       // a refused word, -h, anything unexpected
//     }
//   }
//   if (scan.duplicated()) return duplicated_option();
//   if (scan.report_missing(self)) return 1;
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
