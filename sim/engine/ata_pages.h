// The 512-byte pages a SATA disk answers through ATA pass-through: its
// IDENTIFY DEVICE data and its SMART data and thresholds. Each page ends
// with the checksum byte that makes all its bytes add up to 0.
#ifndef QX_SIM_ENGINE_ATA_PAGES_H
#define QX_SIM_ENGINE_ATA_PAGES_H

#include <array>
#include <cstdint>
#include <vector>

#include "sim/model/disk.h"
#include "sim/model/smart.h"

namespace qx::sim {

using AtaPage = std::array<uint8_t, 512>;

AtaPage identify_page(const Disk& disk, uint64_t sectors);
// The attributes in id order, at most 30; raw values as at `now_ms`.
AtaPage smart_data_page(const std::vector<SmartAttribute>& attributes, int64_t now_ms);
AtaPage smart_threshold_page(const std::vector<SmartAttribute>& attributes);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_ATA_PAGES_H
