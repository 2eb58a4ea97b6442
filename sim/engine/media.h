// A disk's media as diagnostic commands see it: its error table, the
// sectors written to it and the sectors whose ECC was made wrong.
#ifndef QX_SIM_ENGINE_MEDIA_H
#define QX_SIM_ENGINE_MEDIA_H

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "api/records.h"
#include "sim/engine/session.h"
#include "sim/model/disk.h"
#include "sim/model/disk_media.h"

namespace qx::sim {

// The sectors of a disk (its size over its sector size).
uint64_t disk_sectors(const Disk& disk);

// A disk's error table, in LBA order.
std::vector<ErrorEntry> error_table(const Session& s, uint16_t pd);
// The entries as the library hands them out: at most `count`.
std::vector<QX_RCT_ENTRY> rct_records(const std::vector<ErrorEntry>& table, uint32_t count);

// Records a failure of `sectors` sectors from `lba` unless an entry already
// holds that range with those kinds. A full table takes no more; the table
// reaching 80 % and becoming full are logged.
void record_error(const Session& s, uint16_t pd, uint64_t lba, uint32_t sectors, uint8_t kinds);

// The first sector of the range a read cannot return: one whose ECC was made
// wrong, or one inside a recorded media error.
std::optional<uint64_t> first_bad_sector(const Session& s, const Disk& disk, uint64_t lba, uint32_t count);

// Marks a sector's ECC wrong (a later read of it fails); false when the disk
// holds as many marks as it can.
bool mark_ecc(const Session& s, Disk& disk, uint32_t lba);

// Sector contents: what was written, zeros elsewhere.
void read_sectors(const Session& s, const Disk& disk, uint64_t lba, uint32_t count, std::span<uint8_t> out);
// Writes the sectors; a written range is sound again: the error entries it
// overlaps go (each logged as fixed) and so do its ECC marks.
void write_sectors(const Session& s, Disk& disk, uint64_t lba, uint32_t count, std::span<const uint8_t> in);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_MEDIA_H
