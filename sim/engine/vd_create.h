// Building a VD from a list of disks on an arrays-less adapter, as its
// firmware does: check the request against the adapter and the state, work
// out the blocks, then record the VD, start its initialization and log the
// events.
#ifndef QX_SIM_ENGINE_VD_CREATE_H
#define QX_SIM_ENGINE_VD_CREATE_H

#include <cstdint>
#include <optional>
#include <vector>

#include "api/records.h"
#include "sim/engine/allocate.h"
#include "sim/engine/session.h"
#include "sim/model/adapter.h"
#include "sim/store/db.h"

namespace qx::sim {

// What a create request would build.
struct VdPlan {
  uint8_t status = 0;                 // 0, or the status the adapter answers
  uint8_t parity = 0;                 // parity disks after the level's default
  uint64_t capacity_kb = 0;           // size of the VD
  uint64_t largest_kb = 0;            // the largest size the disks allow
  std::vector<Placement> placements;  // one block per member, in member order
};

// Checks a create request and plans its blocks without changing anything.
VdPlan plan_vd(const Session& s, const QX_CREATE_VD_REQUEST& request);

// Creates the VD a request asks for. Answers 0 and the new VD's id, or the
// status of the first check that fails, having written nothing. Needs a
// write transaction.
uint8_t create_vd(const Session& s, const QX_CREATE_VD_REQUEST& request, uint16_t* new_id);

// The lowest VD id not in use, within the adapter's VD limit; none when the
// adapter holds as many VDs as it can.
std::optional<uint16_t> next_vd_id(const Session& s);

// Whether the adapter builds VDs with this stripe size: one of its supported
// sizes (16 KB << i for bit i of its mask; an adapter that states no mask
// supports 16 to 128 KB, or up to 1 MB with big stripes).
bool stripe_supported(const Adapter& a, uint16_t stripe_kb);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_VD_CREATE_H
