// A page of disks read together with the blocks on them and their
// activities. A listing of disks is followed by calls about each of its
// disks (configuration, blocks, free space, activity); in read-only calls
// those are answered from the page the listing read, kept as one piece
// rather than as an entry per disk and per fact.
#ifndef QX_SIM_ENGINE_DISK_PAGE_H
#define QX_SIM_ENGINE_DISK_PAGE_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "sim/engine/session.h"
#include "sim/model/activity.h"
#include "sim/model/disk.h"
#include "sim/model/vd.h"

namespace qx::sim {

struct DiskPage {
  std::vector<Disk> disks;                          // ascending ids
  std::vector<std::vector<Block>> blocks;           // on disks[i], in the order they lie on it
  std::vector<std::optional<Activity>> activities;  // of disks[i], the first by id

  // Where disk `id` is in the page; none when the page does not hold it.
  std::optional<size_t> position(int64_t id) const;
};

// Reads the blocks and activities of `disks` (ascending ids), one query
// each, and keeps the page for the calls that follow. Only in a read-only
// call; does nothing otherwise.
void keep_disk_page(const Session& s, const std::vector<Disk>& disks);

// The page kept for the call's adapter, if any (only in a read-only call).
const DiskPage* kept_disk_page(const Session& s);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_DISK_PAGE_H
