// What a disk's media holds besides its blocks: the bad ranges its error
// table recorded, and the sectors written through pass-through commands.
#ifndef QX_SIM_MODEL_DISK_MEDIA_H
#define QX_SIM_MODEL_DISK_MEDIA_H

#include <cstdint>
#include <vector>

#include "sim/model/field.h"

namespace qx::sim {

// One entry of a disk's error table.
struct ErrorEntry {
  uint16_t pd = 0;
  uint64_t lba = 0;
  uint32_t sectors = 1;
  uint8_t kinds = 0;  // QX_RCT_... bits
};

const Model<ErrorEntry>& error_entry_model();

// The largest sector a disk may have: what one written sector can hold.
inline constexpr size_t kMaxSectorBytes = 4096;

// A sector written through a pass-through command; every other sector
// reads as zeros.
struct WrittenSector {
  uint16_t pd = 0;
  uint64_t lba = 0;
  std::vector<uint8_t> data;
};

const Model<WrittenSector>& written_sector_model();

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_DISK_MEDIA_H
