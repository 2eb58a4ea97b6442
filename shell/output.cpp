#include "shell/output.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "api/output_check.h"
#include "shell/state.h"

namespace qx::shell {

namespace {

// Every write goes through here: a failed one is noted for the check at the
// end of the run.
void write_out(std::string_view text) {
  if (std::fwrite(text.data(), 1, text.size(), state().out) != text.size()) note_write_failure();
}

// One output line, assembled in place and written with one call. A line
// longer than the room is written in pieces, so nothing is ever cut.
class Line {
 public:
  Line() = default;
  Line(const Line&) = delete;
  Line& operator=(const Line&) = delete;
  ~Line() { flush(); }

  Line& add(std::string_view text) {
    if (text.empty()) return *this;  // an empty view may carry no pointer to copy from
    if (text.size() > sizeof room_ - used_) {
      flush();
      if (text.size() > sizeof room_) {
        write_out(text);
        return *this;
      }
    }
    std::memcpy(room_ + used_, text.data(), text.size());
    used_ += text.size();
    return *this;
  }
  Line& spaces(size_t count) {
    static constexpr char kBlanks[] = "                                ";
    for (; count > 0;) {
      const size_t piece = std::min(count, sizeof kBlanks - 1);
      add({kBlanks, piece});
      count -= piece;
    }
    return *this;
  }

 private:
  void flush() {
    if (used_ > 0) write_out({room_, used_});
    used_ = 0;
  }
  char room_[256];
  size_t used_ = 0;
};

// "%-*s %s%s\n": the label padded to `width`, a space, the value, the unit.
void label_line(int width, std::string_view label, std::string_view value, std::string_view unit = {}) {
  const size_t column = static_cast<size_t>(width < 0 ? -width : width);
  Line line;
  line.add(label);
  if (label.size() < column) line.spaces(column - label.size());
  line.add(" ").add(value).add(unit).add("\n");
}

// The decimal digits of `value`, as printf's %d family writes them.
template <class Int>
class Digits {
 public:
  explicit Digits(Int value) : end_(std::to_chars(text_, text_ + sizeof text_, value).ptr) {}
  std::string_view view() const { return {text_, static_cast<size_t>(end_ - text_)}; }

 private:
  char text_[24];
  char* end_;
};

}  // namespace

void vprint(const char* fmt, va_list args) {
  if (std::vfprintf(state().out, fmt, args) < 0) note_write_failure();
}

void print(const char* fmt, ...) {
  // Blank lines and headings carry no conversion: skip the format parse.
  if (std::strchr(fmt, '%') == nullptr) {
    print_text(fmt);
    return;
  }
  va_list args;
  va_start(args, fmt);
  vprint(fmt, args);
  va_end(args);
}

void print_text(const char* text) {
  if (std::fputs(text, state().out) < 0) note_write_failure();
}

void print_label(int width, std::string_view label, std::string_view value) { label_line(width, label, value); }

void print_label_num(int width, std::string_view label, long value) {
  // What a value passed as a 32-bit long holds: its low 32 bits, signed.
  label_line(width, label, Digits(static_cast<long>(static_cast<int32_t>(value))).view());
}

void print_label_kb(int width, std::string_view label, long long kb) {
  label_line(width, label, Digits(kb).view(), " K");
}

void print_label_kb_unsigned(int width, std::string_view label, unsigned long long kb) {
  label_line(width, label, Digits(kb).view(), " K");
}

void print_label_mb(int width, std::string_view label, long long mb) {
  label_line(width, label, Digits(mb).view(), " M");
}

void print_label_format(int width, const char* label, const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  va_list again;
  va_copy(again, args);
  char room[128];
  const int length = std::vsnprintf(room, sizeof room, fmt, args);
  va_end(args);
  if (length < 0) {
    va_end(again);
    label_line(width, label, {});
    return;
  }
  if (static_cast<size_t>(length) < sizeof room) {
    va_end(again);
    label_line(width, label, {room, static_cast<size_t>(length)});
    return;
  }
  std::string value(static_cast<size_t>(length), '\0');
  std::vsnprintf(value.data(), value.size() + 1, fmt, again);
  va_end(again);
  label_line(width, label, value);
}

}  // namespace qx::shell
