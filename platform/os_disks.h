// The disks the operating system sees, for tying an adapter's VD or PD to
// the OS disk that shows it. The walk differs between systems (device
// interfaces and I/O controls on Windows, /sys/block on Linux); what is done
// with the list is written once, over this interface.
#ifndef QX_PLATFORM_OS_DISKS_H
#define QX_PLATFORM_OS_DISKS_H

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qx::platform {

// One disk of the list. Texts the system does not give are empty.
struct OsDisk {
  std::string path;           // device interface path, or the /sys/block entry
  std::string friendly_name;  // the friendly name, else the device description
  std::string serial;         // unit serial number (Linux only)
  std::string wwn;            // world wide name as 16 lower-case hex digits (Linux only)
};

// What opening a disk tells: its OS device number (all ones when the query
// failed) and the SCSI port (host adapter number) it hangs on.
inline constexpr uint32_t kNoDeviceNumber = 0xFFFFFFFF;
struct OsDiskAddress {
  uint32_t number = kNoDeviceNumber;
  uint8_t port = 0;
};

// The operating system as a lookup sees it. Failures are written to standard
// output, where the walk reports them.
class OsDisks {
 public:
  virtual ~OsDisks() = default;
  // Walks the system's disks afresh; an entry that cannot be read is skipped.
  virtual std::vector<OsDisk> list() = 0;
  // Opens disk `index` of the last list and reads its address; nothing when
  // it cannot be opened.
  virtual std::optional<OsDiskAddress> open(size_t index) = 0;
  // Waits between two attempts of a lookup.
  virtual void sleep_ms(unsigned ms) = 0;
};

// The running system's disks: on Linux those under $QX_OS_ROOT/sys/block
// (root "/" when unset), on Windows the present disk device interfaces.
std::unique_ptr<OsDisks> system_os_disks();

}  // namespace qx::platform

#endif  // QX_PLATFORM_OS_DISKS_H
