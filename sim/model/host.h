// The host the simulated adapters sit in, as far as its operating system
// shows their VDs and disks: the folder where it keeps its disk tree, and
// the OS disk number of each object it shows.
#ifndef QX_SIM_MODEL_HOST_H
#define QX_SIM_MODEL_HOST_H

#include <cstdint>
#include <string>

#include "sim/model/field.h"

namespace qx::sim {

// At most one row: the host's root folder while its disks are presented.
struct Host {
  std::string root;
};

enum HostDiskKind : uint8_t { kHostVd = 0, kHostPd = 1 };

// An object of an adapter that the host shows as OS disk `number`. Number 0
// is the host's own boot disk, which belongs to no adapter.
struct HostDisk {
  uint8_t adapter = 0;
  uint8_t kind = kHostVd;
  uint16_t id = 0;
  uint32_t number = 0;
};

const Model<Host>& host_model();
const Model<HostDisk>& host_disk_model();

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_HOST_H
