// What the control tool does to enclosures, expanders and SMART data from
// outside the library: sensor readings change, an expander is pulled or put
// back, a disk's SMART attribute ages. Each runs in the caller's write
// transaction, throws ControlError when it cannot be done, and logs what the
// adapter would notice.
#ifndef QX_SIM_ENGINE_ENCLOSURE_CONTROL_H
#define QX_SIM_ENGINE_ENCLOSURE_CONTROL_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/engine/elements.h"
#include "sim/store/db.h"

namespace qx::sim {

// The element statuses of an adapter at one moment; logging the changes
// since then records an enclosure event for each element whose status moved.
class ElementWatch {
 public:
  ElementWatch(Db& db, int adapter);
  void log_changes(int64_t now_ms) const;

 private:
  Db& db_;
  int adapter_;
  std::vector<ElementState> before_;
};

struct ElementChange {
  std::optional<int64_t> celsius, millivolts, rpm, status, flags;
};
void change_element(Db& db, int adapter, uint16_t enclosure, const std::string& type, uint8_t number,
                    const ElementChange& change, int64_t now_ms);

// The expander's disks go and come back with it.
void pull_expander(Db& db, int adapter, uint16_t id, int64_t now_ms);
void insert_expander(Db& db, int adapter, uint16_t id, int64_t now_ms);

struct SmartChange {
  std::optional<int64_t> current, raw, worst, threshold;
};
// A new current value also lowers the worst one; a disk whose SMART turns
// bad logs that its threshold was reached.
void change_smart(Db& db, int adapter, uint16_t pd, uint8_t attribute, const SmartChange& change, int64_t now_ms);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_ENCLOSURE_CONTROL_H
