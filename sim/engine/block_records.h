// The blocks carved from disks as the library reports them: one block's
// information record and the list of a disk's block ids.
#ifndef QX_SIM_ENGINE_BLOCK_RECORDS_H
#define QX_SIM_ENGINE_BLOCK_RECORDS_H

#include <cstdint>
#include <vector>

#include "api/records.h"
#include "sim/model/vd.h"
#include "sim/store/db.h"

namespace qx::sim {

// The blocks on one disk, in the order they lie on it.
std::vector<Block> blocks_on_disk(Db& db, int adapter, uint16_t pd);

// The blocks on the disks with ids from `first_pd` to `last_pd`, by disk and
// then in the order they lie on it. One query, whatever the number of disks.
std::vector<Block> blocks_on_disks(Db& db, int adapter, uint16_t first_pd, uint16_t last_pd);

// The block information record: owner flag and VD id (QX_BLOCK_NO_VD when free).
QX_BLOCK_INFO block_info_record(const Block& block);

// The block ids of a disk. A disk without blocks answers the fixed table of
// 16 unused entries; more than QX_HD_BLOCK_MAX blocks are cut to that many.
QX_HD_BLOCK hd_block_record(uint16_t pd, const std::vector<Block>& blocks);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_BLOCK_RECORDS_H
