// What the control tool does to the simulated hardware from outside the
// library: pulling, putting back and failing disks, and injecting failures
// into library calls. Each action runs in the caller's write transaction
// and throws ControlError, with the message to show, when it cannot be done.
#ifndef QX_SIM_ENGINE_CONTROL_H
#define QX_SIM_ENGINE_CONTROL_H

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "sim/engine/faults.h"
#include "api/event_catalogue.h"
#include "sim/engine/session.h"
#include "sim/model/disk.h"
#include "sim/model/fault.h"
#include "sim/store/db.h"

namespace qx::sim {

class ControlError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A disk is pulled out (logged as removed), put back (inserted, and online
// again), or fails (offline). The VDs it belonged to lose it as a member.
void pull_disk(const Session& s, uint16_t pd);
void insert_disk(const Session& s, uint16_t pd);
void fail_disk(const Session& s, uint16_t pd);
// As a failure, logged as `why`.
void take_disk_offline(const Session& s, uint16_t pd, const EventKind& why);

// Makes a disk without blocks a global spare, a dedicated spare of `array`,
// or no spare (kNone); a new spare is taken at once by a VD that needs one.
void set_spare(const Session& s, uint16_t pd, SpareKind kind, uint16_t array);

// Records a bad range in a disk's error table, as the disk would on a
// failed read or write. `kinds` holds QX_RCT_... bits.
void add_disk_error(const Session& s, uint16_t pd, uint64_t lba, uint32_t sectors, uint8_t kinds);
// Makes a sector's ECC wrong, so that reading it fails.
void add_ecc_error(const Session& s, uint16_t pd, uint32_t lba);

struct FaultRequest {
  std::string function;        // a library call's name
  std::optional<int> adapter;  // none: any adapter
  uint8_t status = 1;
  std::optional<int64_t> times;  // none: every call
};

// Adds a fault and answers its id. Refuses a name that is not a library
// call, and a call that could never fail with it: one the library does not
// implement yet, or one that answers without the state.
uint32_t add_fault(Db& db, const FaultRequest& request);

// Removes fault `id`, or every fault when `id` is empty.
void clear_faults(Db& db, std::optional<int64_t> id);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_CONTROL_H
