// The pieces of the Linux disk walk, apart for their tests.
#ifndef QX_PLATFORM_OS_DISKS_LINUX_H
#define QX_PLATFORM_OS_DISKS_LINUX_H

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/os_disks.h"

namespace qx::platform {

// The disk number of a kernel name: sda 0, sdz 25, sdaa 26; nothing for a
// name that is not an sd disk.
std::optional<uint32_t> sd_index(const std::string& name);
// The host of a SCSI address "H:C:T:L".
std::optional<uint8_t> scsi_host(const std::string& address);
// The serial of a unit serial number page (VPD 0x80), blanks trimmed.
std::string vpd_serial(const std::string& page);
// A world wide name without its "naa."/"0x" prefix, in lower case.
std::string normal_wwn(std::string text);

struct LinuxDiskEntry {
  OsDisk disk;
  OsDiskAddress address;
};

// Every sd disk of `root`/sys/block with a SCSI device, by name; an entry
// that cannot be read is skipped, and a root without sys/block has none.
std::vector<LinuxDiskEntry> walk_sys_block(const std::filesystem::path& root);

}  // namespace qx::platform

#endif  // QX_PLATFORM_OS_DISKS_LINUX_H
