// Arrays as the library reports them: an array with its disks, the VDs in
// its slots and their activities, and the array information record.
#ifndef QX_SIM_ENGINE_ARRAY_RECORDS_H
#define QX_SIM_ENGINE_ARRAY_RECORDS_H

#include <cstdint>
#include <optional>
#include <vector>

#include "api/records.h"
#include "sim/engine/allocate.h"
#include "sim/engine/session.h"
#include "sim/model/activity.h"
#include "sim/model/adapter.h"
#include "sim/model/array.h"
#include "sim/model/vd.h"
#include "sim/store/db.h"

namespace qx::sim {

struct ArrayView {
  Array array;
  std::vector<Vd> vds;                   // the VDs on the array, by id
  std::vector<uint64_t> member_free_kb;  // largest free stretch of each member disk (0: the disk is gone)
  std::vector<uint64_t> member_used_kb;  // space the array's VDs take on each member disk
  bool patrolling = false;               // a media patrol runs on a member disk
  std::optional<Activity> activity;      // the first background activity of its VDs that has not ended
};

// Up to `limit` arrays with ids from `start` on, in id order; a few queries
// per page, whatever its size.
std::vector<ArrayView> array_views(const Session& s, int64_t start, int64_t limit);
std::optional<ArrayView> array_view(const Session& s, int64_t id);

// The record: the free space a new VD on the array can have (at the array's
// level over the members' free space), the space a rebuild target must
// offer (the most the array's VDs take on one member), its slots (its VDs by
// id, then free slots up to the adapter's VDs per array).
QX_ARRAY_INFO array_info_record(const ArrayView& view, const Adapter& a);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_ARRAY_RECORDS_H
