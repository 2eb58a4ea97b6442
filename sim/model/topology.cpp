#include "sim/model/topology.h"

#include <algorithm>

namespace qx::sim {

namespace {

// The link fields expanders and port multipliers share.
template <class T>
std::vector<Field<T>> link_fields(uint8_t chain_kind, const char* chain_name) {
  return {
      integer_field<T>("parent_kind", &T::parent_kind, QX_NODE_ADAPTER_PORT, "parent kind (2)",
                       std::string("255 a port of the adapter, ") + std::to_string(chain_kind) + " another " +
                           chain_name),
      integer_field<T>("parent_id", &T::parent_id, 0, "parent id (0)",
                       std::string("id of the ") + chain_name + " it hangs on (unused on an adapter port)"),
      vector_field<T>("parent_phys", &T::parent_phys, QX_LINK_MAX_PHYS, "parent PHYs (3, 4)",
                      "PHYs of the parent (adapter ports on an adapter) it is cabled to"),
      vector_field<T>("phys", &T::phys, QX_LINK_MAX_PHYS, "own PHYs (39, 40)", "its own PHYs on that cable"),
  };
}

}  // namespace

const Model<Enclosure>& enclosure_model() {
  using E = Enclosure;
  static const Model<Enclosure> model = [] {
    Model<E> m;
    m.table = "enclosures";
    m.doc =
        "Storage enclosures of an adapter. An enclosure hangs on nothing itself; the expanders that name "
        "it are listed in its record, and its status is Unstable while an installed element is Critical "
        "or Un-Recoverable.";
    m.key = {"id"};
    m.fields = {
        integer_field<E>("id", &E::id, 0, "enclosure id (36)", "enclosure id, unique on the adapter", 0, 254),
        hex_field<E>("logical_id", &E::logical_id, "0000000000000000", "logical id (68)",
                     "logical identifier, 16 hexadecimal digits"),
        text_field<E>("vendor", &E::vendor, 8, "QXENCL", "vendor (77)", "vendor identification"),
        text_field<E>("product", &E::product, 16, "QXE-J16 JBOD", "product (86)", "product identification"),
        text_field<E>("revision", &E::revision, 4, "0100", "revision (103)", "product revision level"),
        integer_field<E>("slots", &E::slots, 16, "device elements", "device slots, numbered from 0"),
    };
    return m;
  }();
  return model;
}

const Model<Expander>& expander_model() {
  using X = Expander;
  static const Model<Expander> model = [] {
    Model<X> m;
    m.table = "expanders";
    m.doc =
        "SAS expanders of an adapter, cabled to an adapter port or to another expander; each belongs "
        "to an enclosure, which lists at most 20.";
    m.key = {"id"};
    m.fields = {integer_field<X>("id", &X::id, 0, "expander id (36)", "expander id, unique on the adapter", 0,
                                 0xFFFE)};
    for (Field<X>& f : link_fields<X>(QX_NODE_EXPANDER, "expander")) m.fields.push_back(std::move(f));
    m.fields.push_back(hex_field<X>("sas_address", &X::sas_address, "0000000000000000", "SAS address (48)",
                                    "SAS address, 16 hexadecimal digits; disks on it report it as parent address"));
    m.fields.push_back(integer_field<X>("enclosure_id", &X::enclosure_id, 0, "enclosure id (56)",
                                        "enclosure the expander is in"));
    m.fields.push_back(bool_field<X>("present", &X::present, true, "every expander call",
                                     "false after the expander was pulled (its disks went with it)"));
    return m;
  }();
  return model;
}

const Model<PortMultiplier>& pm_model() {
  using P = PortMultiplier;
  static const Model<PortMultiplier> model = [] {
    Model<P> m;
    m.table = "pms";
    m.doc = "SATA port multipliers of an adapter, cabled to an adapter port or to another port multiplier.";
    m.key = {"id"};
    m.fields = {integer_field<P>("id", &P::id, 0, "PM id (36)", "port multiplier id, unique on the adapter", 0,
                                 0xFFFE)};
    for (Field<P>& f : link_fields<P>(QX_NODE_PM, "port multiplier")) m.fields.push_back(std::move(f));
    return m;
  }();
  return model;
}

void put_phys(uint8_t& count, uint8_t (&out)[QX_LINK_MAX_PHYS], const std::vector<uint8_t>& phys) {
  count = static_cast<uint8_t>(std::min<size_t>(phys.size(), QX_LINK_MAX_PHYS));
  std::copy_n(phys.begin(), count, out);
}

}  // namespace qx::sim
