// Writes the disk tree a Linux host shows (sys/block, the SCSI devices
// behind it, the udev database), in the layout the Linux walk reads: the
// simulator presents its VDs and disks to qxcli this way.
#ifndef QX_PLATFORM_OS_DISK_TREE_H
#define QX_PLATFORM_OS_DISK_TREE_H

#include <cstdint>
#include <string>
#include <vector>

namespace qx::platform {

struct TreeDisk {
  uint32_t number = 0;  // sd index: 0 is sda
  uint8_t host = 0;     // SCSI address H:0:T:0
  uint16_t target = 0;
  std::string vendor;   // padded to 8 characters in the tree
  std::string model;    // padded to 16
  std::string serial;
  std::string wwn;      // 16 hex digits; empty: none
};

// The kernel name of disk `number`: sda, ..., sdz, sdaa, ...
std::string sd_name(uint32_t number);

// Replaces the tree under `root` with `disks`. A root that holds anything
// but an earlier tree of this writer is refused, so that no folder of the
// user's is ever emptied. Throws std::runtime_error with the reason.
void write_os_disk_tree(const std::string& root, const std::vector<TreeDisk>& disks);

// Removes a tree this writer made; anything else stays.
void remove_os_disk_tree(const std::string& root);

}  // namespace qx::platform

#endif  // QX_PLATFORM_OS_DISK_TREE_H
