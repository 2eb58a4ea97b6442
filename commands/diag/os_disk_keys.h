// The texts by which the OS disk of a VD or PD is recognised, read from the
// adapter: the OS shows the library's vendor and model texts in a disk's
// friendly name.
#ifndef QX_COMMANDS_DIAG_OS_DISK_KEYS_H
#define QX_COMMANDS_DIAG_OS_DISK_KEYS_H

#include <cstdint>
#include <optional>

#include "api/records.h"
#include "commands/diag/os_disk_lookup.h"

namespace qx::commands {

// A capacity-tier VD: "TALOREX TwinTier <id> ", the blank included so that
// VD 1 does not match VD 10.
DiskKey tier_vd_key(uint16_t vd_id);

// A safe-tier VD shows its first member that is not an SSD: the first 8
// characters of that disk's model (the whole model of the last member when
// all are SSDs). Nothing when a block or disk cannot be read; `status` gets
// the last call's status.
std::optional<DiskKey> safe_tier_vd_key(uint8_t adapter, const QX_VD_INFO& vd, uint8_t& status);

// A disk: the first 8 characters of its model, with its serial and SAS
// address. Nothing when the disk cannot be read.
std::optional<DiskKey> pd_key(uint8_t adapter, uint16_t pd_id, uint8_t& status);

}  // namespace qx::commands

#endif  // QX_COMMANDS_DIAG_OS_DISK_KEYS_H
