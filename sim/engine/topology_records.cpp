#include "sim/engine/topology_records.h"

#include <algorithm>

#include "sim/model/record_text.h"
#include "sim/store/read_memo.h"
#include "sim/store/table.h"

namespace qx::sim {

SasAddress parent_address(const Adapter& adapter, const std::vector<Expander>& expanders, uint8_t link_kind,
                          uint16_t parent_id, uint8_t first_phy) {
  SasAddress out{};
  if (link_kind == QX_NODE_ADAPTER_PORT && size_t{first_phy} * 8 + 8 <= adapter.sas_addresses.size()) {
    std::copy_n(adapter.sas_addresses.begin() + first_phy * 8, 8, out.begin());
  } else if (link_kind == QX_NODE_EXPANDER) {
    auto it = std::find_if(expanders.begin(), expanders.end(), [&](const Expander& x) { return x.id == parent_id; });
    if (it != expanders.end()) out = it->sas_address;
  }
  return out;
}

std::vector<Expander> adapter_expanders(const Session& s) {
  return select_rows(s.db(), expander_model(), s.adapter_id(), "present = 1");
}

std::vector<Expander> expander_addresses(const Session& s) {
  return memoized<std::vector<Expander>>(s.db(), memo_key("expander_addresses", s.adapter_id()), [&] {
    return select_fields(s.db(), expander_model(), s.adapter_id(), {"id", "sas_address"}, "present = 1", {}, "id");
  });
}

QX_ENCLOSURE_INFO enclosure_record(const Enclosure& e, uint8_t adapter_id, uint8_t status,
                                   const std::vector<Expander>& expanders) {
  QX_ENCLOSURE_INFO r{};
  r.link.parent_kind = QX_NODE_NONE;
  r.link.id = e.id;
  r.link.node_type = QX_NODE_ENCLOSURE;
  r.adapter_id = adapter_id;
  r.status = status;
  std::copy(e.logical_id.begin(), e.logical_id.end(), r.logical_id);
  copy_text(r.vendor, e.vendor);
  copy_text(r.product, e.product);
  copy_text(r.revision, e.revision);
  for (const Expander& x : expanders)
    if (x.enclosure_id == e.id && r.expander_count < QX_ENCLOSURE_MAX_EXPANDERS)
      r.expander_ids[r.expander_count++] = x.id;
  return r;
}

QX_EXPANDER_INFO expander_record(const Expander& x, const Adapter& adapter, const std::vector<Expander>& expanders) {
  QX_EXPANDER_INFO r{};
  r.link.parent_id = x.parent_id;
  r.link.parent_kind = x.parent_kind;
  put_phys(r.link.parent_phy_count, r.link.parent_phys, x.parent_phys);
  SasAddress parent = parent_address(adapter, expanders, x.parent_kind, x.parent_id,
                                     x.parent_phys.empty() ? 0 : x.parent_phys.front());
  std::copy(parent.begin(), parent.end(), r.link.parent_sas_address);
  r.link.id = x.id;
  r.link.node_type = QX_NODE_EXPANDER;
  put_phys(r.link.phy_count, r.link.phys, x.phys);
  std::copy(x.sas_address.begin(), x.sas_address.end(), r.link.sas_address);
  r.enclosure_id = x.enclosure_id;
  return r;
}

QX_PM_INFO pm_record(const PortMultiplier& p, const Adapter& adapter) {
  QX_PM_INFO r{};
  r.link.parent_id = p.parent_id;
  r.link.parent_kind = p.parent_kind;
  put_phys(r.link.parent_phy_count, r.link.parent_phys, p.parent_phys);
  // Only an adapter port has an address; port multipliers have none.
  const SasAddress parent =
      parent_address(adapter, {}, p.parent_kind, p.parent_id, p.parent_phys.empty() ? 0 : p.parent_phys.front());
  std::copy(parent.begin(), parent.end(), r.link.parent_sas_address);
  r.link.id = p.id;
  r.link.node_type = QX_NODE_PM;
  put_phys(r.link.phy_count, r.link.phys, p.phys);
  return r;
}

}  // namespace qx::sim
