// The devices between an adapter and its disks: enclosures, the expanders
// in them and port multipliers. A disk names the device it hangs on (its
// link kind and parent id); expanders and port multipliers do the same, so
// the whole cabling is a tree rooted at the adapter's ports.
#ifndef QX_SIM_MODEL_TOPOLOGY_H
#define QX_SIM_MODEL_TOPOLOGY_H

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "api/records.h"
#include "sim/model/field.h"

namespace qx::sim {

struct Enclosure {
  uint16_t id = 0;
  std::array<uint8_t, 8> logical_id{};
  std::string vendor, product, revision;
  uint8_t slots = 0;  // device slots, numbered from 0
};

struct Expander {
  uint16_t id = 0;
  uint8_t parent_kind = QX_NODE_ADAPTER_PORT;  // an adapter port or another expander
  uint16_t parent_id = 0;
  std::vector<uint8_t> parent_phys;  // PHYs of the parent it is cabled to
  std::vector<uint8_t> phys;         // its own PHYs on that cable
  std::array<uint8_t, 8> sas_address{};
  uint16_t enclosure_id = 0;
  bool present = true;  // false while pulled out: the adapter no longer sees it or its disks
};

struct PortMultiplier {
  uint16_t id = 0;
  uint8_t parent_kind = QX_NODE_ADAPTER_PORT;  // an adapter port or another port multiplier
  uint16_t parent_id = 0;
  std::vector<uint8_t> parent_phys;
  std::vector<uint8_t> phys;
};

const Model<Enclosure>& enclosure_model();
const Model<Expander>& expander_model();
const Model<PortMultiplier>& pm_model();

// Fills the parent and own PHY lists of a link descriptor (at most
// QX_LINK_MAX_PHYS each).
void put_phys(uint8_t& count, uint8_t (&out)[QX_LINK_MAX_PHYS], const std::vector<uint8_t>& phys);

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_TOPOLOGY_H
