// Arrays as the library reports them: an array with its disks, the VDs in
// its slots and their activities, and the array information record.
#ifndef QX_SIM_ENGINE_ARRAY_RECORDS_H
#define QX_SIM_ENGINE_ARRAY_RECORDS_H

#include <cstdint>
#include <optional>
#include <vector>

#include "api/records.h"
#include "sim/engine/allocate.h"
#include "sim/engine/array_slots.h"
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
  std::vector<ArraySlot> slots;          // its VDs and free stretches, in member order
  std::vector<uint64_t> member_used_kb;  // space the array's VDs take on each member disk
  bool patrolling = false;               // a media patrol runs on a member disk
  // The first background activity of its VDs that has not ended: its VD,
  // kind and state (a view reads no more of it).
  std::optional<Activity> activity;
};

// Up to `limit` arrays with ids from `start` on, in id order; a few queries
// per page, whatever its size.
std::vector<ArrayView> array_views(const Session& s, int64_t start, int64_t limit);
std::optional<ArrayView> array_view(const Session& s, int64_t id);

// The geometry of an array whose present members have these sizes.
ArrayGeometry array_geometry(const Array& array, const Adapter& a, const std::vector<uint64_t>& member_disk_kb);

// The record: the free space a new VD on the array can have (the largest
// free slot's), the space a rebuild target must offer (the most the array's
// VDs take on one member), its slots.
QX_ARRAY_INFO array_info_record(const ArrayView& view);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_ARRAY_RECORDS_H
