// Hybrid-tier bookkeeping: the file-system entries of each tier VD's entry
// table, and the adapter's SSD segments.
#ifndef QX_SIM_MODEL_TIER_H
#define QX_SIM_MODEL_TIER_H

#include <cstdint>

#include "sim/model/field.h"

namespace qx::sim {

// A stretch of a tier VD the host's file system reported, in bytes.
struct TierEntry {
  uint16_t vd = 0;
  uint64_t start = 0;
  uint32_t length = 0;
};

// A stretch of a tier VD kept on its SSDs, in 512-byte sectors.
struct SsdSegment {
  uint8_t number = 0;  // the lowest number free when it was added
  uint16_t vd = 0;
  uint64_t start = 0;
  uint64_t length = 0;
};

const Model<TierEntry>& tier_entry_model();
const Model<SsdSegment>& ssd_segment_model();

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_TIER_H
