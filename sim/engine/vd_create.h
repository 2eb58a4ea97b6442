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
#include "sim/model/disk.h"
#include "sim/model/vd.h"
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

// QX_LD_GetMaxSize on an arrays-less adapter: the largest size in KB a VD
// of the request could have, with QX_LD_Create's checks but not the
// requested size or the id limits.
uint8_t max_vd_size(const Session& s, const QX_CREATE_VD_REQUEST& request, uint64_t* size_kb);

// Creates the VD a request asks for. Answers 0 and the new VD's id, or the
// status of the first check that fails, having written nothing. Needs a
// write transaction.
uint8_t create_vd(const Session& s, const QX_CREATE_VD_REQUEST& request, uint16_t* new_id);

// The lowest VD id not in use, within the adapter's VD limit; none when the
// adapter holds as many VDs as it can.
std::optional<uint16_t> next_vd_id(const Session& s);

// The settings of a new VD as the adapter checks them, in order: rounding
// (7, or 19 without rounding), cache bits (7, or 19 for what it lacks; the
// automatic policy only on arrays with a battery feature), initialization
// mode (7, or 19 for what it lacks; foreground only on arrays), name (72;
// on arrays it may fill the field). 0 when all pass.
uint8_t check_vd_settings(const Adapter& a, uint8_t level, uint8_t rounding, uint8_t cache_policy, uint8_t init_mode,
                          const char (&name)[QX_NAME_SIZE]);

// Records a checked VD (all but its id and write time filled) with one
// block per placement, logs its creation and starts its initialization.
// Answers 0 and the new id, 64 when no VD id is left, 4 when no block id is;
// needs a write transaction.
uint8_t record_new_vd(const Session& s, Vd vd, const std::vector<Placement>& placements, uint8_t init_mode,
                      uint16_t* new_id);

// Whether a name is 1 to 15 characters (16, filling the field, when
// `may_fill`) of letters, digits, blanks and underscores.
bool valid_name(const char (&name)[QX_NAME_SIZE], bool may_fill);

// Whether two disks are of one type where the adapter demands it: the same
// transport, and both SSDs or both hard disks unless `ssds_mix`.
bool same_disk_type(const Disk& x, const Disk& y, bool ssds_mix);

// Whether the adapter builds VDs with this stripe size: one of its supported
// sizes (16 KB << i for bit i of its mask; an adapter that states no mask
// supports 16 to 128 KB, or up to 1 MB with big stripes).
bool stripe_supported(const Adapter& a, uint16_t stripe_kb);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_VD_CREATE_H
