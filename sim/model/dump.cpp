#include "sim/model/dump.h"

namespace qx::sim {

const Model<DumpMessage>& dump_message_model() {
  using D = DumpMessage;
  static const Model<DumpMessage> model = [] {
    Model<D> m;
    m.table = "dump_messages";
    m.doc = "Messages of the debug-message dump not yet read, oldest first.";
    m.key = {"seq"};
    m.fields = {
        integer_field<D>("seq", &D::seq, 1, "", "message number, increasing", 1),
        text_field<D>("text", &D::text, kDumpMessageMax, "", "debug dump data (8)", "the message"),
    };
    return m;
  }();
  return model;
}

}  // namespace qx::sim
