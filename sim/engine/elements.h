// Enclosure elements as the library reports them: each element's status,
// worked out from its readings and thresholds or from the disk in its slot,
// and the enclosure's status that follows from them.
#ifndef QX_SIM_ENGINE_ELEMENTS_H
#define QX_SIM_ENGINE_ELEMENTS_H

#include <cstdint>
#include <optional>
#include <set>
#include <vector>

#include "api/records.h"
#include "sim/model/disk.h"
#include "sim/model/element.h"
#include "sim/engine/session.h"

namespace qx::sim {

// The status record of an element; `slot_disk` is the disk in a device or
// array-device element's slot (none: the slot is empty).
QX_ENC_ELEMENT element_status_record(const Element& element, const std::optional<Disk>& slot_disk);
QX_ENC_ELEMENT_CONFIG element_config_record(const Element& element, uint8_t status_code);

// The fan speed code 0-7 of `rpm` out of `max_rpm`: 0 stopped, 7 highest.
uint8_t fan_speed_code(uint16_t rpm, uint16_t max_rpm);

// An enclosure is unstable while one of its installed elements is Critical
// or Un-Recoverable.
bool makes_enclosure_unstable(uint8_t status_code);

// The elements of one enclosure (or all, QX_ALL_ENCLOSURES) with their
// status records, ordered by enclosure, type code and number.
struct ElementState {
  Element element;
  QX_ENC_ELEMENT record;
};
std::vector<ElementState> element_states(const Session& s, uint16_t enclosure);

// The ids of the adapter's enclosures that are unstable (QX_ENCLOSURE_UNSTABLE),
// read without the status records of every element.
std::set<uint16_t> unstable_enclosures(const Session& s);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_ELEMENTS_H
