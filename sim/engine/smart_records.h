// A disk's SMART data as the library reports it, and the health verdict
// that other rules (creating a VD) consult.
#ifndef QX_SIM_ENGINE_SMART_RECORDS_H
#define QX_SIM_ENGINE_SMART_RECORDS_H

#include <cstdint>
#include <vector>

#include "api/records.h"
#include "sim/model/disk.h"
#include "sim/model/smart.h"
#include "sim/engine/session.h"

namespace qx::sim {

// OK unless an attribute's current value is at or below its non-zero threshold.
bool smart_healthy(const std::vector<SmartAttribute>& attributes);

// Whether the disk can report SMART data at all: a SATA disk with the
// SMART capability and SMART switched on.
bool reports_smart(const Disk& disk);

std::vector<SmartAttribute> disk_smart(const Session& s, uint16_t pd);

// The record with at most `max_attributes` attributes, in id order.
QX_SMART_INFO smart_record(const std::vector<SmartAttribute>& attributes, uint8_t max_attributes, int64_t now_ms);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_SMART_RECORDS_H
