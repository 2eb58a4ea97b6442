// A VD as the library reports it: its row together with what the records
// derive from other tables (the blocks it owns, in member order, and its
// background activity), and the VD information and status records built
// from that.
#ifndef QX_SIM_ENGINE_VD_RECORDS_H
#define QX_SIM_ENGINE_VD_RECORDS_H

#include <cstdint>
#include <optional>
#include <set>
#include <vector>

#include "api/records.h"
#include "sim/engine/session.h"
#include "sim/model/activity.h"
#include "sim/model/vd.h"

namespace qx::sim {

struct VdView {
  Vd vd;
  std::vector<Block> blocks;         // the blocks the VD owns, by member slot
  std::optional<Activity> activity;  // its background activity, running or not
};

// Up to `limit` listed VDs (migration targets are not listed) with ids from
// `start` on, in id order. Reads a page with three queries, whatever its size;
// in a read-only call the VDs and their blocks are kept for the per-VD calls
// that follow a listing.
std::vector<VdView> listed_vds(const Session& s, int64_t start, int64_t limit);

// One listed VD.
std::optional<VdView> listed_vd(const Session& s, int64_t id);

// Whether a VD with the id exists, listed or the target of a migration.
bool vd_exists(const Session& s, uint16_t id);

// The VD that the migration of `source` builds, if `source` is migrating,
// with the members' blocks in the slots they take in it.
std::optional<VdView> migration_target(const Session& s, uint16_t source);

// Member slots the VD's records show: its `members`, or one per owned block
// when that is larger; at most QX_VD_BLOCK_SLOTS.
uint8_t member_slots(const VdView& view);

// The VD information record: block ids by member slot, QX_VD_BLOCK_EMPTY
// for a slot whose disk is gone; the BGA state of its activity.
QX_VD_INFO vd_info_record(const VdView& view);

// The VD status record at simulated time `now_ms`. `member_patrol`: a member
// disk runs a media patrol.
QX_VD_STATUS vd_status_record(const VdView& view, int64_t now_ms, bool member_patrol);

// Whether one of the VD's member disks is in `patrolled` (disks_under_patrol()).
bool has_patrolling_member(const VdView& view, const std::set<uint16_t>& patrolled);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_VD_RECORDS_H
