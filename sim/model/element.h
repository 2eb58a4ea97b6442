// One element of an enclosure: a device slot, power supply, fan, sensor,
// door lock, alarm or display, with the readings that decide its status.
#ifndef QX_SIM_MODEL_ELEMENT_H
#define QX_SIM_MODEL_ELEMENT_H

#include <cstdint>

#include "api/element_types.h"
#include "sim/model/field.h"

namespace qx::sim {

// Index into qx::kElementTypes.
enum class ElementKind : uint8_t { kDevice, kPowerSupply, kCooling, kTemperature, kDoorLock, kAlarm, kDisplay,
                                   kVoltage, kArrayDevice };

// The element's status follows its readings unless one is set here.
inline constexpr uint8_t kStatusFromReadings = 255;

struct Element {
  uint16_t enclosure = 0;
  ElementKind kind = ElementKind::kDevice;
  uint8_t number = 0;
  // readings
  int16_t celsius = 30;
  bool has_reading = true;  // a temperature sensor that reads nothing says "not available"
  int32_t millivolts = 0;
  uint16_t rpm = 0, max_rpm = 0;
  uint8_t flags = 0;  // power supply, door lock and alarm bits as the status record carries them
  uint8_t character = 0, mode = 0;
  // thresholds in the element's unit (degrees Celsius, millivolts, raw); 0 = none
  int32_t high_critical = 0, high_warning = 0, low_critical = 0, low_warning = 0;
  uint8_t status = kStatusFromReadings;
};

const Model<Element>& element_model();

uint8_t type_code(ElementKind kind);

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_ELEMENT_H
