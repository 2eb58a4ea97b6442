#include "sim/model/aes.h"

namespace qx::sim {

const Model<AesEntry>& aes_entry_model() {
  using E = AesEntry;
  static const Model<AesEntry> model = [] {
    Model<E> m;
    m.table = "aes_entries";
    m.doc = "AES entries of an adapter, numbered below its aes_entry_count: each holds a key and its password.";
    m.key = {"id"};
    m.fields = {
        integer_field<E>("id", &E::id, 0, "entry id", "entry id", 0, 9),
        text_field<E>("key", &E::key, QX_AES_TEXT_SIZE, "", "AES key", "the key; empty = none"),
        text_field<E>("password", &E::password, QX_AES_TEXT_SIZE, "", "AES password",
                      "the password; empty = never set (the first key set gives it)"),
    };
    return m;
  }();
  return model;
}

const Model<AesPort>& aes_port_model() {
  using P = AesPort;
  static const Model<AesPort> model = [] {
    Model<P> m;
    m.table = "aes_ports";
    m.doc =
        "AES ports of an adapter, numbered below its aes_port_count. Disks behind an enabled port must be "
        "encrypted with its entry's key, disks behind a disabled one plain; others go offline.";
    m.key = {"id"};
    m.fields = {
        integer_field<P>("id", &P::id, 0, "port id", "port id"),
        bool_field<P>("enabled", &P::enabled, false, "port configuration (1)", "AES is on"),
        integer_field<P>("entry", &P::entry, QX_AES_NO_ENTRY, "port information (1)",
                         "linked entry; 255 = none"),
    };
    return m;
  }();
  return model;
}

}  // namespace qx::sim
