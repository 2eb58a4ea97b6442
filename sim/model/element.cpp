#include "sim/model/element.h"

#include <string>
#include <vector>

namespace qx::sim {

namespace {

std::vector<std::string> kind_keywords() {
  std::vector<std::string> out;
  for (const ElementType& t : kElementTypes) out.emplace_back(t.keyword);
  return out;
}

// Thresholds are limited by the byte that reports them: temperatures are
// sent as degrees + 20, voltages in tens of millivolts.
constexpr int64_t kThresholdMin = -19;
constexpr int64_t kThresholdMax = 2550;

}  // namespace

uint8_t type_code(ElementKind kind) { return kElementTypes[static_cast<size_t>(kind)].code; }

const Model<Element>& element_model() {
  using E = Element;
  static const Model<Element> model = [] {
    Model<E> m;
    m.table = "elements";
    m.doc =
        "Elements of the enclosures, numbered per type within an enclosure. A status left out follows "
        "the readings: a sensor at or past a critical threshold is Critical, past a warning one "
        "Non-Critical; a fan at 0 rpm is Critical; device and array-device slots follow the disk in the slot.";
    m.key = {"enclosure", "type", "number"};
    m.fields = {
        integer_field<E>("enclosure", &E::enclosure, 0, "enclosure id (0)", "enclosure the element is in"),
        enum_field<E>("type", &E::kind, kind_keywords(), ElementKind::kDevice, "element type (4)",
                      "element type, as `enc -t` names it"),
        integer_field<E>("number", &E::number, 0, "element number (6)",
                         "number within its type in the enclosure; a slot's number is its slot address"),
        integer_field<E>("celsius", &E::celsius, 30, "temperature (8)", "temperature sensor reading in degrees C",
                         -19, 235),
        bool_field<E>("has_reading", &E::has_reading, true, "temperature (8)",
                      "false: the temperature sensor reads nothing"),
        integer_field<E>("millivolts", &E::millivolts, 0, "voltage (8)", "voltage sensor reading in mV, signed",
                         -327670, 327670),
        integer_field<E>("rpm", &E::rpm, 0, "fan speed (8)", "fan speed in rpm"),
        integer_field<E>("max_rpm", &E::max_rpm, 0, "fan speed code (10)", "fan's highest speed in rpm"),
        integer_field<E>("flags", &E::flags, 0, "status bits (8)",
                         "power supply: bit 0 DC over voltage, 1 DC under voltage, 2 DC over current, 3 hot "
                         "swappable, 4 over temperature warning; door lock: bit 0 unlocked; alarm: bit 0 "
                         "muted, 1 remind"),
        integer_field<E>("character", &E::character, 0, "display character (8)", "display character code"),
        integer_field<E>("mode", &E::mode, 0, "display mode (10)", "display mode status"),
        integer_field<E>("high_critical", &E::high_critical, 0, "high critical threshold",
                         "in degrees C, mV or raw by type; 0 = none", kThresholdMin, kThresholdMax),
        integer_field<E>("high_warning", &E::high_warning, 0, "high warning threshold", "as high_critical",
                         kThresholdMin, kThresholdMax),
        integer_field<E>("low_critical", &E::low_critical, 0, "low critical threshold", "as high_critical",
                         kThresholdMin, kThresholdMax),
        integer_field<E>("low_warning", &E::low_warning, 0, "low warning threshold", "as high_critical",
                         kThresholdMin, kThresholdMax),
        integer_field<E>("status", &E::status, kStatusFromReadings, "element status (5)",
                         "status code set by hand (0-8); 255 = follow the readings"),
    };
    return m;
  }();
  return model;
}

}  // namespace qx::sim
