#include "commands/events/event_decoder.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iterator>
#include <string_view>
#include <utility>

#include "api/event_formats.h"
#include "platform/clock_text.h"
#include "shell/output.h"

namespace qx::commands {
namespace {

constexpr const char* kLevels[] = {"[UNKNOWN]", "[OTHER]",  "[INFO]",     "[WARNING]",
                                   "[MINOR]",   "[MAJOR]",  "[CRITICAL]", "[FATAL]"};
constexpr int kLabelWidth = 13;
constexpr int kDescriptionLabelWidth = 12;  // the description's own leading blank fills the column

// Text up to a NUL, never past `size` bytes.
std::string_view bounded_text(const void* bytes, size_t size) {
  const char* text = static_cast<const char*>(bytes);
  const void* nul = std::memchr(text, '\0', size);
  return {text, nul ? static_cast<size_t>(static_cast<const char*>(nul) - text) : size};
}

std::string_view text_arg(EventArg arg, const QX_EVENT& r) {
  switch (arg) {
    case EventArg::kObjectWord:
      return r.params[3] == QX_EVT_TIER_VD ? "TwinTier" : "Virtual Disk";
    case EventArg::kName:
      return bounded_text(r.name, sizeof r.name);
    case EventArg::kSerial:
      return bounded_text(r.sense, sizeof r.sense);
    default:
      return "";
  }
}

uint32_t number_arg(EventArg arg, const QX_EVENT& r) {
  switch (arg) {
    case EventArg::kDevice:
      return r.device_id;
    case EventArg::kParam0:
      return r.params[0];
    case EventArg::kParam1:
      return r.params[1];
    case EventArg::kParam2:
      return r.params[2];
    case EventArg::kParam3:
      return r.params[3];
    case EventArg::kParam0LowByte:
      return r.params[0] & 0xFF;
    case EventArg::kAdapterNumber:
      return r.adapter_number;
    case EventArg::kSequence:
      return r.sequence;
    case EventArg::kClass:
      return r.event_class;
    case EventArg::kCode:
      return r.code;
    default:
      return 0;
  }
}

// Appends to a description, never beyond its limit.
class Description {
 public:
  void add(std::string_view piece) {
    const size_t room = kMaxDescription - text_.size();
    text_.append(piece.substr(0, room));
  }
  std::string take() { return std::move(text_); }

 private:
  std::string text_;
};

// One number as a printf conversion writes it: the flags '-' and '0', a
// width, and d (the 32-bit value read as signed, as printf reads an int), x
// or X.
void add_number(Description& out, std::string_view conversion, char kind, uint32_t value) {
  bool left = false;
  bool zeros = false;
  size_t width = 0;
  for (char ch : conversion.substr(1, conversion.size() - 2)) {
    if (ch == '-') {
      left = true;
    } else if (ch == '0' && width == 0) {
      zeros = true;
    } else {
      width = width * 10 + static_cast<size_t>(ch - '0');
    }
  }
  char digits[16];
  const std::to_chars_result end = kind == 'd' ? std::to_chars(digits, digits + sizeof digits, static_cast<int32_t>(value))
                                               : std::to_chars(digits, digits + sizeof digits, value, 16);
  std::string_view number(digits, static_cast<size_t>(end.ptr - digits));
  if (kind == 'X')
    for (char* c = digits; c != end.ptr; ++c) *c = static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
  const size_t pad = number.size() < width ? width - number.size() : 0;
  static constexpr std::string_view kBlanks = "                                ";
  static constexpr std::string_view kZeros = "00000000000000000000000000000000";
  if (left) {
    out.add(number);
    out.add(kBlanks.substr(0, pad));
  } else if (zeros) {
    if (number.starts_with('-')) {
      out.add("-");
      number.remove_prefix(1);
    }
    out.add(kZeros.substr(0, pad));
    out.add(number);
  } else {
    out.add(kBlanks.substr(0, pad));
    out.add(number);
  }
}

// printf's reading of a format, for the conversions the formats use.
std::string describe(const EventFormat& f, const QX_EVENT& r) {
  Description out;
  const std::string_view format = f.format;
  size_t at = 0;
  size_t next_arg = 0;
  while (at < format.size()) {
    const size_t percent = format.find('%', at);
    if (percent == std::string_view::npos) {
      out.add(format.substr(at));
      break;
    }
    out.add(format.substr(at, percent - at));
    if (percent + 1 < format.size() && format[percent + 1] == '%') {
      out.add("%");
      at = percent + 2;
      continue;
    }
    const Conversion c = next_conversion(format, percent);
    at = c.end;
    // The table is checked at compile time; a format is never short of arguments.
    if (next_arg == f.args.count) break;
    const EventArg arg = f.args.items[next_arg++];
    if (c.kind == 's') {
      out.add(text_arg(arg, r));
    } else {
      add_number(out, format.substr(percent, c.end - percent), c.kind, number_arg(arg, r));
    }
  }
  return out.take();
}

std::string time_text(uint32_t time) {
  char text[64];
  if (time <= QX_EVT_BOOT_TIME_LIMIT) {
    std::snprintf(text, sizeof text, "%d second(s) from the boot time.", static_cast<int>(time));
    return text;
  }
  static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::tm tm{};
  if (!platform::local_time(static_cast<std::time_t>(time), &tm) || tm.tm_wday < 0 || tm.tm_wday > 6 ||
      tm.tm_mon < 0 || tm.tm_mon > 11) {
    std::snprintf(text, sizeof text, "%u", time);
    return text;
  }
  std::snprintf(text, sizeof text, "%s %s %02d %02d:%02d:%02d %d", kDays[tm.tm_wday], kMonths[tm.tm_mon], tm.tm_mday,
                tm.tm_hour, tm.tm_min, tm.tm_sec, tm.tm_year + 1900);
  return text;
}

std::string sense_text(const QX_EVENT& r, const EventFormat& f) {
  // Sense bytes that held a serial number went into the description.
  if (r.sense_length == 0 || f.selector == EventSelector::kSenseGiven) return {};
  static constexpr char kHex[] = "0123456789ABCDEF";
  const size_t length = r.sense_length < sizeof r.sense ? r.sense_length : sizeof r.sense;
  std::string text;
  text.reserve(length * 3);
  for (size_t i = 0; i < length; ++i) {
    text += kHex[r.sense[i] >> 4];
    text += kHex[r.sense[i] & 0xF];
    text += ' ';
  }
  return text;
}

}  // namespace

EventBlock decode_event(const QX_EVENT& record) {
  const EventFormat* format = find_event_format(record);
  if (format == nullptr) format = &unknown_event_format(record.event_class);
  EventBlock block;
  block.sequence = record.sequence;
  block.time = time_text(record.time);
  block.level = record.severity < std::size(kLevels) ? kLevels[record.severity] : kLevels[QX_SEVERITY_UNKNOWN];
  block.event_class = record.event_class;
  block.code = record.code;
  block.description = describe(*format, record);
  block.sense = sense_text(record, *format);
  return block;
}

void print_event(const EventBlock& block) {
  shell::print_label_num(kLabelWidth, "Sequence:", static_cast<long>(block.sequence));
  shell::print_label(kLabelWidth, "Time:", block.time);
  shell::print_label(kLabelWidth, "Level:", block.level);
  shell::print_label_num(kLabelWidth, "Class:", block.event_class);
  shell::print_label_num(kLabelWidth, "Code:", block.code);
  shell::print_label(kDescriptionLabelWidth, "Description:", block.description);
  if (!block.sense.empty()) shell::print("Sense Code : %s\n", block.sense.c_str());
  shell::print_text("\n");
}

}  // namespace qx::commands
