#include "sim/model/host.h"

namespace qx::sim {

const Model<Host>& host_model() {
  static const Model<Host> model = [] {
    Model<Host> m;
    m.table = "host";
    m.doc = "The folder whose disk tree shows the presented VDs and disks (qxsim host present).";
    m.key = {"root"};
    m.per_adapter = false;
    m.fields = {text_field<Host>("root", &Host::root, 4096, "", "", "absolute path of the host's root folder")};
    return m;
  }();
  return model;
}

const Model<HostDisk>& host_disk_model() {
  using H = HostDisk;
  static const Model<HostDisk> model = [] {
    Model<H> m;
    m.table = "host_disks";
    m.doc = "OS disk numbers of the presented VDs and disks, lowest free number first.";
    m.key = {"adapter", "kind", "id"};
    m.per_adapter = false;
    m.fields = {
        integer_field<H>("adapter", &H::adapter, 0, "", "adapter id", 0, 15),
        integer_field<H>("kind", &H::kind, kHostVd, "", "0 VD, 1 PD", 0, 1),
        integer_field<H>("id", &H::id, 0, "", "VD or PD id"),
        integer_field<H>("number", &H::number, 1, "mapping text", "OS disk number", 1, 0xFFFF),
    };
    return m;
  }();
  return model;
}

}  // namespace qx::sim
