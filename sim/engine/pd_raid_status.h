// The RAID status of disks as the library reports it: free, member, spare
// (and whether it stands in for a member), offline, foreign, media patrol.
#ifndef QX_SIM_ENGINE_PD_RAID_STATUS_H
#define QX_SIM_ENGINE_PD_RAID_STATUS_H

#include <cstdint>
#include <optional>
#include <vector>

#include "api/records.h"
#include "sim/engine/session.h"
#include "sim/model/disk.h"

namespace qx::sim {

struct PdRaidView {
  Disk disk;
  bool member = false;      // a VD owns a block on it, or an array counts it among its disks
  bool patrolling = false;  // a media patrol runs on it
};

// Up to `limit` disks the adapter sees, ids from `start` on, with what their
// status needs; five queries, whatever the number of disks.
std::vector<PdRaidView> pd_raid_views(const Session& s, int64_t start, int64_t limit);
std::optional<PdRaidView> pd_raid_view(const Session& s, int64_t id);

QX_PD_RAID_STATUS pd_raid_status_record(const PdRaidView& view);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_PD_RAID_STATUS_H
