#include "shell/output.h"

#include <cstdio>
#include <string>

#include "api/output_check.h"
#include "shell/state.h"

namespace qx::shell {

// A failed write is noted for the check at the end of the run.
void vprint(const char* fmt, va_list args) {
  if (std::vfprintf(state().out, fmt, args) < 0) note_write_failure();
}

void print(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  vprint(fmt, args);
  va_end(args);
}

void print_text(const char* text) {
  if (std::fputs(text, state().out) < 0) note_write_failure();
}

void print_label(int width, const char* label, const char* value) {
  print("%-*s %s\n", width, label, value);
}

void print_label_num(int width, const char* label, long value) {
  print("%-*s %ld\n", width, label, value);
}

void print_label_kb(int width, const char* label, long long kb) {
  print("%-*s %lld K\n", width, label, kb);
}

void print_label_kb_unsigned(int width, const char* label, unsigned long long kb) {
  print("%-*s %llu K\n", width, label, kb);
}

void print_label_mb(int width, const char* label, long long mb) {
  print("%-*s %lld M\n", width, label, mb);
}

void print_label_format(int width, const char* label, const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, fmt, args);
  va_end(args);
  std::string value(length > 0 ? static_cast<size_t>(length) : 0, '\0');
  if (length > 0) std::vsnprintf(value.data(), value.size() + 1, fmt, again);
  va_end(again);
  print_label(width, label, value.c_str());
}

}  // namespace qx::shell
