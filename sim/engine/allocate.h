// Where the blocks of a VD go: the free stretches of a disk, the ids new
// blocks get, and carving and releasing a VD's blocks.
//
// A disk's space starts after the adapter's reserved area (configuration
// data); every block on it takes space, whether a VD owns it or not.
#ifndef QX_SIM_ENGINE_ALLOCATE_H
#define QX_SIM_ENGINE_ALLOCATE_H

#include <cstdint>
#include <optional>
#include <vector>

#include "sim/engine/session.h"
#include "sim/model/adapter.h"
#include "sim/model/disk.h"
#include "sim/model/vd.h"

namespace qx::sim {

// Block ids stay below this: the records mark an empty block entry with 0xFF.
inline constexpr uint16_t kBlockIdLimit = 0xFF;

struct Extent {
  uint64_t start_kb = 0;
  uint64_t size_kb = 0;
  bool operator==(const Extent&) const = default;
};

// The free stretches of a disk of `disk_kb` whose first `reserved_kb` are
// kept for configuration data, given the blocks on it, in disk order.
std::vector<Extent> free_extents(uint64_t disk_kb, uint64_t reserved_kb, const std::vector<Block>& blocks);

// The largest stretch, 0 when there is none.
uint64_t largest_extent_kb(const std::vector<Extent>& extents);

// The start of the first stretch that holds `size_kb`.
std::optional<uint64_t> first_fit(const std::vector<Extent>& extents, uint64_t size_kb);

// The free stretches of a disk of the adapter.
std::vector<Extent> disk_free_extents(const Session& s, const Disk& disk);

// Whether a VD owns a block on disk `pd`.
bool holds_vd_block(const Session& s, uint16_t pd);

// The `count` lowest free block ids below kBlockIdLimit, or nothing when the
// adapter cannot hold that many more blocks (its block limit, or the ids run
// out).
std::optional<std::vector<uint16_t>> free_block_ids(const Session& s, size_t count);

// One block to carve.
struct Placement {
  uint16_t pd = 0;
  uint64_t start_kb = 0;
  uint64_t size_kb = 0;
};

// Inserts the blocks of VD `vd`, member i at placements[i] with ids[i].
void carve_blocks(const Session& s, uint16_t vd, const std::vector<Placement>& placements,
                  const std::vector<uint16_t>& ids);

// Frees every block of VD `vd`: their space becomes free.
void release_blocks(const Session& s, uint16_t vd);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_ALLOCATE_H
