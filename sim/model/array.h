// Arrays (disk groups) of array-capable adapters.
#ifndef QX_SIM_MODEL_ARRAY_H
#define QX_SIM_MODEL_ARRAY_H

#include <cstdint>
#include <string>
#include <vector>

#include "sim/model/field.h"

namespace qx::sim {

struct Array {
  uint16_t id = 0;
  uint8_t raid_level = 0;
  uint8_t parity_disks = 0;
  uint16_t stripe_kb = 64;
  uint32_t sector_size = 512;
  uint64_t size_kb = 0;       // usable capacity fixed when it was built; 0: its members' whole space
  std::vector<uint16_t> pds;  // member disks in order
  bool package = false;       // created together with its one VD, as a package VD
  std::string name;
  bool write_cache = true;  // the write cache of its member disks
};

const Model<Array>& array_model();

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_ARRAY_H
