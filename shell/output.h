// The output stream: every message and result of the shell and the command
// handlers is written here (standard output, or the "-output" file). Only the
// option parser writes to standard error.
#ifndef QX_SHELL_OUTPUT_H
#define QX_SHELL_OUTPUT_H

#include <cstdarg>
#include <string_view>

#include "platform/format.h"

namespace qx::shell {

// printf-style output.
void print(const char* fmt, ...) QX_PRINTF_FORMAT(1, 2);
void vprint(const char* fmt, va_list args) QX_PRINTF_FORMAT(1, 0);

// Plain text, written as it stands (never used as a format: a '%' prints as is).
void print_text(const char* text);

// Labelled lines: the label (with its own colon) left-aligned in a column of
// `width` characters (a longer label is printed whole), one space, the value.
// A listing prints tens of thousands of these, so they are assembled without
// a format parse or an allocation and written with one call each. "%ld"
// values print as a 32-bit long, on every system: the low 32 bits, signed.
void print_label(int width, std::string_view label, std::string_view value);  // "%-*s %s\n"
void print_label_num(int width, std::string_view label, long value);          // "%-*s %ld\n"
void print_label_kb(int width, std::string_view label, long long kb);         // "%-*s %lld K\n"
void print_label_kb_unsigned(int width, std::string_view label, unsigned long long kb);  // "%-*s %llu K\n"
void print_label_mb(int width, std::string_view label, long long mb);         // "%-*s %lld M\n"
// A labelled line whose value is formatted first ("%04x-%04x", ...), then
// printed as "%-*s %s\n".
void print_label_format(int width, const char* label, const char* fmt, ...)
    QX_PRINTF_FORMAT(3, 4);

}  // namespace qx::shell

#endif  // QX_SHELL_OUTPUT_H
