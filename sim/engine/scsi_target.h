// A disk answering SCSI commands sent through pass-through: what it returns
// for each command it knows, from its state, and the sense of a command
// that ends in a check condition.
#ifndef QX_SIM_ENGINE_SCSI_TARGET_H
#define QX_SIM_ENGINE_SCSI_TARGET_H

#include <cstdint>
#include <optional>
#include <span>

#include "sim/engine/session.h"
#include "sim/model/disk.h"

namespace qx::sim {

// Why a command ended in a check condition.
struct ScsiSense {
  uint8_t key = 0;
  uint8_t asc = 0;
  uint8_t ascq = 0;
  std::optional<uint64_t> information;  // the failing LBA of a medium error
};

inline constexpr ScsiSense kInvalidOpcode{0x05, 0x20, 0x00, std::nullopt};
inline constexpr ScsiSense kLbaOutOfRange{0x05, 0x21, 0x00, std::nullopt};
inline constexpr ScsiSense kInvalidField{0x05, 0x24, 0x00, std::nullopt};
inline constexpr ScsiSense kNotReady{0x02, 0x04, 0x00, std::nullopt};

// Runs the command (`cdb`, 16 bytes) on the disk with the data area `data`,
// which it fills (from the device) or reads (to the device). None when the
// command succeeded.
std::optional<ScsiSense> run_scsi_command(const Session& s, Disk& disk, const uint8_t* cdb, uint8_t direction,
                                          std::span<uint8_t> data);

// The sense in fixed format (response code 0x70, or 0xF0 with the
// information field valid); `sense` holds 18 bytes at least.
void put_fixed_sense(const ScsiSense& sense, uint8_t* out);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_SCSI_TARGET_H
