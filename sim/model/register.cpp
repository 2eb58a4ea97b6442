#include "sim/model/register.h"

namespace qx::sim {

const Model<RegisterValue>& register_model() {
  using R = RegisterValue;
  static const Model<RegisterValue> model = [] {
    Model<R> m;
    m.table = "registers";
    m.doc =
        "Register values written through the library. Mailbox registers are 0 to 15; internal ones sit at "
        "4-byte aligned addresses 0x020 to 0xFFC (0x000 to 0x01C hold the adapter's identity, read-only).";
    m.key = {"space", "address"};
    m.fields = {
        enum_field<R>("space", &R::space, {"mailbox", "internal"}, RegisterSpace::kInternal, "register type",
                      "which register space"),
        integer_field<R>("address", &R::address, 0, "register address", "register number or address", 0, 0xFFC),
        integer_field<R>("value", &R::value, 0, "register value (8)", "the value last written"),
    };
    Field<R> written = integer_field<R>("written_ms", &R::written_ms, 0, "register writes",
                                        "simulated time of the last write (a mailbox write takes a second)",
                                        INT64_MIN, INT64_MAX);
    written.in_scenario = false;
    m.fields.push_back(std::move(written));
    return m;
  }();
  return model;
}

}  // namespace qx::sim
