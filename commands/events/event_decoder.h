// Turns one event record into the block of text an administrator reads:
// sequence, time, level, class, code, description, and the sense bytes when
// the record carries any.
#ifndef QX_COMMANDS_EVENTS_EVENT_DECODER_H
#define QX_COMMANDS_EVENTS_EVENT_DECODER_H

#include <cstdint>
#include <string>

#include "api/records.h"

namespace qx::commands {

// Descriptions are cut to this many characters.
inline constexpr size_t kMaxDescription = 223;

// The decoded text of one record, field by field.
struct EventBlock {
  uint32_t sequence = 0;
  std::string time;         // "%d second(s) from the boot time." or "Tue Sep 15 12:26:40 2020"
  const char* level = "";   // "[INFO]"; "[UNKNOWN]" for a severity without a label
  uint16_t event_class = 0;
  uint16_t code = 0;
  std::string description;  // begins with a blank for a catalogued event
  std::string sense;        // "0A 1B ", empty when no sense line is printed
};

// Decodes a record; reads nothing outside it.
EventBlock decode_event(const QX_EVENT& record);

// Prints a decoded record to the output stream, ending with an empty line.
void print_event(const EventBlock& block);

}  // namespace qx::commands

#endif  // QX_COMMANDS_EVENTS_EVENT_DECODER_H
