// The Windows walk: the present disk device interfaces, their friendly
// names, and per disk its geometry, device number and SCSI port through
// device I/O controls. Failures go to standard output.
#if defined(_WIN32)

#include <windows.h>
#include <setupapi.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/os_disks.h"

namespace qx::platform {
namespace {

// The disk device interface class.
const GUID kDiskInterface = {0x53F56307, 0xB6BF, 0x11D0, {0x94, 0xF2, 0x00, 0xA0, 0xC9, 0x1E, 0xFB, 0x8B}};
constexpr DWORD kPresentInterfaces = 0x02 | 0x10;  // present, device interface
constexpr DWORD kPropertyDescription = 0;
constexpr DWORD kPropertyFriendlyName = 12;
constexpr DWORD kGetGeometry = 0x70000;
constexpr DWORD kGetDeviceNumber = 0x2D1080;
constexpr DWORD kGetScsiAddress = 0x41018;

struct Entry {
  std::string path;
  std::string friendly_name;
  HANDLE handle = INVALID_HANDLE_VALUE;
  unsigned char geometry[24] = {};
};

// A text property of a device: 1,024 bytes offered first, then the size the
// system asks for; nothing on any other failure.
std::string registry_text(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property) {
  std::vector<char> buffer(1025, '\0');
  DWORD type = 0;
  DWORD needed = 0;
  if (!SetupDiGetDeviceRegistryPropertyA(set, &device, property, &type, reinterpret_cast<BYTE*>(buffer.data()), 1024,
                                         &needed)) {
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || type != REG_SZ) return {};
    buffer.assign(size_t{needed} + 1, '\0');
    if (!SetupDiGetDeviceRegistryPropertyA(set, &device, property, &type, reinterpret_cast<BYTE*>(buffer.data()),
                                           needed, &needed))
      return {};
  }
  if (needed < buffer.size()) buffer[needed] = '\0';
  return std::string(buffer.data());
}

class WindowsDisks : public OsDisks {
 public:
  ~WindowsDisks() override { empty(); }

  std::vector<OsDisk> list() override {
    empty();
    HDEVINFO set = SetupDiGetClassDevsExA(&kDiskInterface, nullptr, nullptr, kPresentInterfaces, nullptr, nullptr,
                                          nullptr);
    if (set == INVALID_HANDLE_VALUE) return {};
    SP_DEVICE_INTERFACE_DATA disk_interface{};
    disk_interface.cbSize = sizeof disk_interface;
    for (DWORD index = 0; SetupDiEnumDeviceInterfaces(set, nullptr, &kDiskInterface, index, &disk_interface); ++index) {
      DWORD size = 0;
      if (!SetupDiGetDeviceInterfaceDetailA(set, &disk_interface, nullptr, 0, &size, nullptr) &&
          GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
        std::printf("ERROR_INSUFFICIENT_BUFFER\n");
        continue;
      }
      std::vector<unsigned char> bytes(size);
      auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(bytes.data());
      detail->cbSize = 8;  // the record's own size, as the 64-bit system expects it
      SP_DEVINFO_DATA device{};
      device.cbSize = 32;
      if (!SetupDiGetDeviceInterfaceDetailA(set, &disk_interface, detail, size, nullptr, &device)) continue;
      Entry e;
      e.path = detail->DevicePath;
      e.friendly_name = registry_text(set, device, kPropertyFriendlyName);
      if (e.friendly_name.empty()) e.friendly_name = registry_text(set, device, kPropertyDescription);
      entries_.push_back(std::move(e));
    }
    SetupDiDestroyDeviceInfoList(set);
    std::vector<OsDisk> disks;
    for (const Entry& e : entries_) disks.push_back(OsDisk{e.path, e.friendly_name, {}, {}});
    return disks;
  }

  std::optional<OsDiskAddress> open(size_t index) override {
    if (!open_disk(index)) return std::nullopt;
    Entry& e = entries_[index];
    OsDiskAddress address;
    unsigned char number[12] = {};
    DWORD returned = 0;
    if (DeviceIoControl(e.handle, kGetDeviceNumber, nullptr, 0, number, sizeof number, &returned, nullptr)) {
      std::memcpy(&address.number, number + 4, sizeof address.number);
      unsigned char scsi[8] = {};
      if (DeviceIoControl(e.handle, kGetScsiAddress, nullptr, 0, scsi, sizeof scsi, &returned, nullptr))
        address.port = scsi[4];
    }
    CloseHandle(e.handle);
    e.handle = INVALID_HANDLE_VALUE;
    return address;
  }

  void sleep_ms(unsigned ms) override { Sleep(ms); }

 private:
  bool open_disk(size_t index) {
    if (index >= entries_.size()) {
      std::printf("DISK %u does not exist.\n", static_cast<unsigned>(index));
      return false;
    }
    Entry& e = entries_[index];
    if (e.handle == INVALID_HANDLE_VALUE) {
      e.handle = CreateFileA(e.path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, 0, nullptr);
      if (e.handle == INVALID_HANDLE_VALUE) {
        std::printf("Open disk %u failed (0x%x)\n", static_cast<unsigned>(index),
                    static_cast<unsigned>(GetLastError()));
        return false;
      }
    }
    DWORD returned = 0;
    if (!DeviceIoControl(e.handle, kGetGeometry, nullptr, 0, e.geometry, sizeof e.geometry, &returned, nullptr)) {
      std::printf("Get disk %u geometry failed (0x%x)\n", static_cast<unsigned>(index),
                  static_cast<unsigned>(GetLastError()));
      CloseHandle(e.handle);
      e.handle = INVALID_HANDLE_VALUE;
      return false;
    }
    return true;
  }

  // Closes every open handle and forgets the disks.
  void empty() {
    for (Entry& e : entries_)
      if (e.handle != INVALID_HANDLE_VALUE) CloseHandle(e.handle);
    entries_.clear();
  }

  std::vector<Entry> entries_;
};

}  // namespace

std::unique_ptr<OsDisks> system_os_disks() { return std::make_unique<WindowsDisks>(); }

}  // namespace qx::platform

#endif  // _WIN32
