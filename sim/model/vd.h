// Virtual disks and the blocks they are built from.
#ifndef QX_SIM_MODEL_VD_H
#define QX_SIM_MODEL_VD_H

#include <array>
#include <cstdint>
#include <string>

#include "api/records.h"
#include "sim/model/field.h"

namespace qx::sim {

inline constexpr uint16_t kNoId = 0xFFFF;
inline constexpr uint8_t kNoSlot = 0xFF;

struct Vd {
  uint16_t id = 0;
  std::string name;
  uint8_t state = QX_VD_FUNCTIONAL;
  uint8_t raid_level = QX_RAID0;
  uint16_t stripe_kb = 64;
  uint8_t cache_flags = 0;  // policy code in bits 0, 1, 3 (0 write-back, 1 write-through, 8 auto), bit 2 read ahead
  uint8_t restore_flag = 0;  // companion of the restore option on hybrid-switch adapters
  bool has_key = false;      // an encryption key is bound to the VD
  std::array<uint32_t, 3> key{};
  uint16_t linked_pd = kNoId;  // the disk a hybrid-tier VD is linked to
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
  uint8_t target_member = kNoSlot;  // its slot in the VD a migration of its VD builds
};

const Model<Vd>& vd_model();
const Model<Block>& block_model();

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_VD_H
