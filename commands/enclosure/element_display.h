// How `enc` shows enclosures and their elements, and which element records
// a selection by type and element id picks.
#ifndef QX_COMMANDS_ENCLOSURE_ELEMENT_DISPLAY_H
#define QX_COMMANDS_ENCLOSURE_ELEMENT_DISPLAY_H

#include <cstddef>
#include <cstdint>
#include <functional>

#include "api/records.h"

namespace qx::commands {

inline constexpr uint8_t kAnyElement = 255;  // no -t, or no -e

// Prints "Invalid element ID %d\n".
void invalid_element_id(uint8_t element_id);

// Calls `show` for the records the selection picks among the first
// `count` of an answer: all, all of `type`, or the `element_id`-th counted
// from the first record of `type`. An element id past the type's records
// prints "Invalid element ID %d\n".
template <class Record>
void select_elements(const Record* records, size_t count, uint8_t type, uint8_t element_id,
                     const std::function<void(const Record&)>& show) {
  if (type == kAnyElement || element_id == kAnyElement) {
    for (size_t i = 0; i < count; ++i)
      if (type == kAnyElement || records[i].element_type == type) show(records[i]);
    return;
  }
  size_t first = 0;
  while (first < count && records[first].element_type != type) ++first;
  const size_t target = first + element_id;
  if (target >= count || records[target].element_type != type) {
    invalid_element_id(element_id);
    return;
  }
  show(records[target]);
}

void show_enclosure(const QX_ENCLOSURE_INFO& enclosure);
void show_element_status(const QX_ENC_ELEMENT& element);
void show_element_config(const QX_ENC_ELEMENT_CONFIG& config);

}  // namespace qx::commands

#endif  // QX_COMMANDS_ENCLOSURE_ELEMENT_DISPLAY_H
