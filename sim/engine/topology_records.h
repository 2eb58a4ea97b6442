// Enclosures, expanders and port multipliers as the library reports them,
// and the address a device sees on the other end of its cable.
#ifndef QX_SIM_ENGINE_TOPOLOGY_RECORDS_H
#define QX_SIM_ENGINE_TOPOLOGY_RECORDS_H

#include <array>
#include <cstdint>
#include <vector>

#include "api/records.h"
#include "sim/model/adapter.h"
#include "sim/model/topology.h"
#include "sim/engine/session.h"

namespace qx::sim {

using SasAddress = std::array<uint8_t, 8>;

// The SAS address of what a device hangs on: the adapter port `first_phy`
// (link kind 255) or the expander `parent_id` (link kind 3); zero otherwise.
SasAddress parent_address(const Adapter& adapter, const std::vector<Expander>& expanders, uint8_t link_kind,
                          uint16_t parent_id, uint8_t first_phy);

// The expanders the adapter sees (a pulled one is gone), in id order.
std::vector<Expander> adapter_expanders(const Session& s);

// The same expanders with only their ids and SAS addresses, all that
// parent_address() reads; kept for the calls that follow while the state
// stays the same.
std::vector<Expander> expander_addresses(const Session& s);

// `status` is QX_ENCLOSURE_OK or QX_ENCLOSURE_UNSTABLE; the expanders are
// those of the adapter, of which the record lists the enclosure's own.
QX_ENCLOSURE_INFO enclosure_record(const Enclosure& enclosure, uint8_t adapter_id, uint8_t status,
                                   const std::vector<Expander>& expanders);
QX_EXPANDER_INFO expander_record(const Expander& expander, const Adapter& adapter,
                                 const std::vector<Expander>& expanders);
QX_PM_INFO pm_record(const PortMultiplier& pm, const Adapter& adapter);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_TOPOLOGY_RECORDS_H
