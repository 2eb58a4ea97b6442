// The enclosure element types: the type code the records carry, the word an
// administrator types for it and the name a listing prints. Both the tool
// and the simulated controller name element types through this one table.
#ifndef QX_API_ELEMENT_TYPES_H
#define QX_API_ELEMENT_TYPES_H

#include <cstddef>
#include <cstdint>

#include "api/records.h"

namespace qx {

struct ElementType {
  uint8_t code;         // QX_ELEMENT_...
  const char* keyword;  // as typed ("fan")
  const char* name;     // as printed before the element number ("Cooling Device ")
};

inline constexpr ElementType kElementTypes[] = {
    {QX_ELEMENT_DEVICE, "dev", "Device "},
    {QX_ELEMENT_POWER_SUPPLY, "pow", "Power Supply "},
    {QX_ELEMENT_COOLING, "fan", "Cooling Device "},
    {QX_ELEMENT_TEMPERATURE, "tpr", "Temperature Sensor "},
    {QX_ELEMENT_DOOR_LOCK, "dor", "Door Lock "},
    {QX_ELEMENT_ALARM, "alm", "Audible Alarm "},
    {QX_ELEMENT_DISPLAY, "dpl", "Display "},
    {QX_ELEMENT_VOLTAGE, "vlt", "Voltage Sensor "},
    {QX_ELEMENT_ARRAY_DEVICE, "arydev", "Array Device "},
};
inline constexpr size_t kElementTypeCount = sizeof kElementTypes / sizeof kElementTypes[0];

// The row of a type code, or null for a code the table does not know.
constexpr const ElementType* find_element_type(uint8_t code) {
  for (const ElementType& t : kElementTypes)
    if (t.code == code) return &t;
  return nullptr;
}

}  // namespace qx

#endif  // QX_API_ELEMENT_TYPES_H
