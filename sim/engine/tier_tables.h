// The hybrid-tier tables a host edits for testing: each tier VD's
// file-system entry table (byte ranges the file system uses) and the
// adapter's SSD segments (sector ranges kept on a tier VD's SSDs).
#ifndef QX_SIM_ENGINE_TIER_TABLES_H
#define QX_SIM_ENGINE_TIER_TABLES_H

#include <cstdint>
#include <span>
#include <vector>

#include "api/records.h"
#include "sim/engine/session.h"
#include "sim/model/tier.h"

namespace qx::sim {

// Adds entries to a tier VD's table, all or none. Answers 59 for a VD that
// is not there, 6 for a VD of another level, 7 for an empty list, an empty
// entry or one overlapping another, 5 for an entry reaching past the VD, 4
// when the table has no room for them all.
uint8_t add_tier_entries(const Session& s, uint16_t vd, std::span<const QX_TIER_FS_ENTRY> entries);

// The table's size and free entries; 59 and 6 as above.
uint8_t tier_table_info(const Session& s, uint16_t vd, QX_TIER_TABLE_INFO& info);

// Empties the table of a tier VD addressed in sectors of 512 or 1024 bytes
// (7 for another size); 59 and 6 as above.
uint8_t remove_tier_entries(const Session& s, uint16_t vd, uint32_t sector_size);

// Adds an SSD segment to a tier VD under the lowest free number. Answers 19
// on an adapter without segments, 59/6 for the VD, 7 for an empty segment
// or one overlapping another of the VD, 5 for one reaching past the VD
// (sign-extended values included), 4 when the adapter has its most.
uint8_t add_ssd_segment(const Session& s, const QX_TIER_SEGMENT& segment);

// The adapter's segments by number (19 without segments).
uint8_t list_ssd_segments(const Session& s, std::vector<SsdSegment>& out);

// Removes the segments of a tier VD; 19, 59 and 6 as above.
uint8_t remove_ssd_segments(const Session& s, uint16_t vd);

// Drops what the tables hold for a VD that goes away.
void forget_tier_tables(const Session& s, uint16_t vd);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_TIER_TABLES_H
