// The blocks carved from disks as the library reports them: one block's
// information record and the list of a disk's block ids.
#ifndef QX_SIM_ENGINE_BLOCK_RECORDS_H
#define QX_SIM_ENGINE_BLOCK_RECORDS_H

#include <cstdint>
#include <optional>
#include <vector>

#include "api/records.h"
#include "sim/engine/session.h"
#include "sim/model/disk.h"
#include "sim/model/vd.h"

namespace qx::sim {

// The blocks on one disk, in the order they lie on it.
std::vector<Block> blocks_on_disk(const Session& s, uint16_t pd);

// The blocks on the disks with ids from `first_pd` to `last_pd`, by disk and
// then in the order they lie on it. One query, whatever the number of disks.
std::vector<Block> blocks_on_disks(const Session& s, uint16_t first_pd, uint16_t last_pd);

// One block by id.
std::optional<Block> block_by_id(const Session& s, uint16_t id);

// Reads the blocks of the disks `disks` (ascending ids) with one query, for
// the calls that follow to find with blocks_on_disk() and block_by_id().
void prefetch_disk_blocks(const Session& s, const std::vector<Disk>& disks);

// Keeps blocks read along with other rows for the block_by_id() calls that
// follow (in a read-only call).
void remember_blocks(const Session& s, const std::vector<Block>& blocks);

// The block information record: owner flag and VD id (QX_BLOCK_NO_VD when free).
QX_BLOCK_INFO block_info_record(const Block& block);

// The block ids of a disk. A disk without blocks answers the fixed table of
// 16 unused entries; more than QX_HD_BLOCK_MAX blocks are cut to that many.
QX_HD_BLOCK hd_block_record(uint16_t pd, const std::vector<Block>& blocks);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_BLOCK_RECORDS_H
