// Virtual disks and the blocks they are built from.
#ifndef QX_SIM_MODEL_VD_H
#define QX_SIM_MODEL_VD_H

#include <cstdint>
#include <string>

#include "api/records.h"
#include "sim/model/field.h"

namespace qx::sim {

inline constexpr uint16_t kNoId = 0xFFFF;

struct Vd {
  uint16_t id = 0;
  std::string name;
  uint8_t state = QX_VD_FUNCTIONAL;
  uint8_t raid_level = QX_RAID0;
  uint16_t stripe_kb = 64;
  uint8_t cache_flags = 0;  // bit 0 write-through, bit 2 read ahead
  uint64_t size_kb = 0;
  uint16_t array_id = 0;
  uint8_t parity_disks = 0;     // RAID6 redundancy, RAID60 parity disks
  uint8_t sub_vd_count = 0;     // RAID50, RAID60
  uint8_t members = 0;          // member slots; a slot whose disk failed has no block
  int64_t last_write_time = 0;  // seconds since 1970, shown for conflicted VDs
  bool has_os = false;
  uint16_t target_of = kNoId;  // the VD whose migration builds this one; such a VD is not listed
};

// A stretch of one disk; a VD owns its blocks in member order.
struct Block {
  uint16_t id = 0;
  uint16_t pd = 0;
  uint16_t vd = kNoId;  // kNoId: the block belongs to no VD
  uint8_t member = 0;   // position among the VD's blocks
  uint64_t start_kb = 0;
  uint64_t size_kb = 0;
  bool rebuilding = false;  // a rebuild is writing it; its slot counts as missing until the rebuild ends
};

const Model<Vd>& vd_model();
const Model<Block>& block_model();

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_VD_H
