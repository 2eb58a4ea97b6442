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
#include "sim/engine/session.h"
#include "sim/store/db.h"

namespace qx::sim {

// The element statuses of an adapter at one moment; logging the changes
// since then records an enclosure event for each element whose status moved.
class ElementWatch {
 public:
  explicit ElementWatch(const Session& s);
  void log_changes() const;

 private:
  const Session& session_;
  std::vector<ElementState> before_;
};

struct ElementChange {
  std::optional<int64_t> celsius, millivolts, rpm, status, flags;
};
void change_element(const Session& s, uint16_t enclosure, const std::string& type, uint8_t number,
                    const ElementChange& change);

// The expander's disks go and come back with it.
void pull_expander(const Session& s, uint16_t id);
void insert_expander(const Session& s, uint16_t id);

struct SmartChange {
  std::optional<int64_t> current, raw, worst, threshold;
};
// A new current value also lowers the worst one; a disk whose SMART turns
// bad logs that its threshold was reached.
void change_smart(const Session& s, uint16_t pd, uint8_t attribute, const SmartChange& change);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_ENCLOSURE_CONTROL_H
