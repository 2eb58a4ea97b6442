// The floor a one-shot display is measured against: a process that opens
// the state the way every library call does (schema check included), reads
// the disks of the first adapter in one query and prints a line per disk.
// Whatever qxcli spends beyond this goes to its own work: the library calls,
// the per-call transactions and the formatting.
#include <cstdio>
#include <exception>
#include <memory>

#include "sim/model/disk.h"
#include "sim/store/state_dir.h"
#include "sim/store/table.h"

int main() {
  try {
    std::unique_ptr<qx::sim::Db> db = qx::sim::open_state(qx::sim::state_directory());
    qx::sim::Transaction txn(*db, qx::sim::Transaction::Kind::kRead);
    for (const qx::sim::Disk& d : qx::sim::select_rows(*db, qx::sim::disk_model(), 0, "1", {}, "id"))
      std::printf("%u %s\n", static_cast<unsigned>(d.id), d.serial.c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "floor: %s\n", e.what());
    return 1;
  }
  return 0;
}
