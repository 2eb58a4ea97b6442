// How each event record is described in words: for every class and code of
// the event catalogue its message format and where each of the format's
// arguments comes from in the record, the variants of the few codes whose
// format depends on the record, and the texts for codes and classes the
// catalogue lacks.
//
// The formats are columns of the catalogue's own rows (api/event_catalogue.h);
// this table only orders them for lookup and checks, at compile time, that
// every format's conversions take its arguments in number and kind.
#ifndef QX_API_EVENT_FORMATS_H
#define QX_API_EVENT_FORMATS_H

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "api/records.h"

namespace qx {

// Where a format argument comes from.
enum class EventArg : uint8_t {
  // texts
  kPrefix,         // the empty text every catalogued format begins with
  kObjectWord,     // "TwinTier" when params[3] marks a hybrid-tier VD, else "Virtual Disk"
  kName,           // the 16 bytes of the four parameters, up to a NUL
  kSerial,         // the sense bytes up to a NUL or their end
  // numbers
  kDevice,
  kParam0,
  kParam1,
  kParam2,
  kParam3,
  kParam0LowByte,
  kAdapterNumber,
  kSequence,
  kClass,
  kCode,
};

constexpr bool is_text_arg(EventArg arg) { return arg <= EventArg::kSerial; }

// The arguments of one format, in order.
struct EventArgs {
  static constexpr size_t kMax = 7;
  std::array<EventArg, kMax> items{};
  uint8_t count = 0;
  bool valid = true;  // false: the arguments could not be worked out

  constexpr void add(EventArg arg) {
    if (count == kMax) {
      valid = false;
      return;
    }
    items[count++] = arg;
  }
};

// Which condition of the record picks a format among a code's variants.
enum class EventSelector : uint8_t {
  kParam3Is,       // params[3] equals the value
  kParam3NonZero,
  kParam0NonZero,
  kSenseGiven,     // the sense length is not 0
  kOtherwise,      // the code's own format, when no variant matched
};

struct EventFormat {
  uint16_t event_class;
  uint16_t code;
  EventSelector selector;
  uint32_t value;      // for kParam3Is
  const char* format;  // "" leaves the description empty
  EventArgs args;
};

// One conversion of a format: 's' for text, 'd', 'x' or 'X' for a number;
// 0 when the format holds no more. "%%" is no conversion.
struct Conversion {
  char kind;
  size_t end;  // just past the conversion
};

constexpr Conversion next_conversion(std::string_view format, size_t from) {
  for (size_t i = from; i < format.size(); ++i) {
    if (format[i] != '%') continue;
    size_t j = i + 1;
    if (j < format.size() && format[j] == '%') {
      i = j;
      continue;
    }
    while (j < format.size() && (format[j] == '-' || format[j] == '0' || (format[j] >= '1' && format[j] <= '9'))) ++j;
    if (j == format.size()) return {'?', j};
    return {format[j], j + 1};
  }
  return {0, format.size()};
}

// The arguments of a catalogue format. Given ones follow the empty prefix
// (when the format begins with "%s"). None given: the second "%s" is the
// object word, a number followed by "%%" is params[0], and the one other
// number is the device id.
constexpr EventArgs format_args(std::string_view format, std::initializer_list<EventArg> given) {
  EventArgs args;
  const bool prefixed = format.starts_with("%s");
  if (prefixed) args.add(EventArg::kPrefix);
  if (given.size() != 0) {
    for (EventArg arg : given) args.add(arg);
    return args;
  }
  bool device_taken = false;
  for (Conversion c = next_conversion(format, prefixed ? 2 : 0); c.kind != 0; c = next_conversion(format, c.end)) {
    if (c.kind == 's') {
      if (args.count == 1 && prefixed) {
        args.add(EventArg::kObjectWord);
      } else {
        args.valid = false;
      }
    } else if (format.substr(c.end).starts_with("%%")) {
      args.add(EventArg::kParam0);
    } else {
      if (device_taken) args.valid = false;
      device_taken = true;
      args.add(EventArg::kDevice);
    }
  }
  return args;
}

// Whether `format`'s conversions take exactly `args`, in order and kind
// (text for %s; a number for %d, %x and %X).
constexpr bool format_matches_args(std::string_view format, const EventArgs& args) {
  if (!args.valid) return false;
  size_t used = 0;
  for (Conversion c = next_conversion(format, 0); c.kind != 0; c = next_conversion(format, c.end)) {
    if (used == args.count) return false;
    const bool text = is_text_arg(args.items[used++]);
    const bool fits = c.kind == 's' ? text : (c.kind == 'd' || c.kind == 'x' || c.kind == 'X') && !text;
    if (!fits) return false;
  }
  return used == args.count;
}

// Every format of a catalogued code, ordered by class and code, a code's
// variants before its own format.
std::span<const EventFormat> event_formats();

// The format for a record: a variant whose condition holds, else the code's
// own; null when the catalogue lacks the class and code.
const EventFormat* find_event_format(const QX_EVENT& record);

// The format for a record whose class and code the catalogue lacks: the
// class's text for unknown codes, or the text for an unknown class. Some
// classes leave such a code undescribed: their format is empty.
const EventFormat& unknown_event_format(uint16_t event_class);

}  // namespace qx

#endif  // QX_API_EVENT_FORMATS_H
