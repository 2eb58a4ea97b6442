// The Linux walk: every /sys/block entry with a SCSI device under
// $QX_OS_ROOT (default "/"), so that a test or the simulator can present a
// tree of its own.
#if !defined(_WIN32)

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/os_disks.h"
#include "platform/os_disks_linux.h"

namespace qx::platform {
namespace fs = std::filesystem;

namespace {

// The whole file, or nothing when it cannot be read.
std::optional<std::string> read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A sysfs attribute without its line end: the padding the device gives is kept.
std::string without_line_end(std::string text) {
  if (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

std::string attribute(const fs::path& path) { return without_line_end(read_file(path).value_or("")); }

std::string trim_blanks(std::string text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The value of "E:NAME=" in a udev database file.
std::string udev_value(const std::string& data, const std::string& name) {
  std::istringstream lines(data);
  const std::string prefix = "E:" + name + "=";
  for (std::string line; std::getline(lines, line);)
    if (line.compare(0, prefix.size(), prefix) == 0) return line.substr(prefix.size());
  return {};
}

class LinuxDisks : public OsDisks {
 public:
  explicit LinuxDisks(fs::path root) : root_(std::move(root)) {}

  std::vector<OsDisk> list() override {
    entries_ = walk_sys_block(root_);
    std::vector<OsDisk> disks;
    for (const LinuxDiskEntry& e : entries_) disks.push_back(e.disk);
    return disks;
  }

  std::optional<OsDiskAddress> open(size_t index) override {
    if (index >= entries_.size()) return std::nullopt;
    return entries_[index].address;
  }

  void sleep_ms(unsigned ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

 private:
  fs::path root_;
  std::vector<LinuxDiskEntry> entries_;
};

}  // namespace

std::optional<uint32_t> sd_index(const std::string& name) {
  if (name.size() < 3 || name.compare(0, 2, "sd") != 0) return std::nullopt;
  // sda..sdz, then sdaa..sdzz, ...: letters as digits of base 26 that start at 1.
  uint64_t n = 0;
  for (size_t i = 2; i < name.size(); ++i) {
    if (name[i] < 'a' || name[i] > 'z' || n > 0xFFFFFF) return std::nullopt;
    n = n * 26 + static_cast<uint64_t>(name[i] - 'a' + 1);
  }
  return static_cast<uint32_t>(n - 1);
}

std::optional<uint8_t> scsi_host(const std::string& address) {
  // H:C:T:L, each part decimal; the host is the first.
  int parts[4];
  char tail = 0;
  if (std::sscanf(address.c_str(), "%d:%d:%d:%d%c", &parts[0], &parts[1], &parts[2], &parts[3], &tail) != 4)
    return std::nullopt;
  if (parts[0] < 0 || parts[0] > 255) return std::nullopt;
  return static_cast<uint8_t>(parts[0]);
}

std::string vpd_serial(const std::string& page) {
  // Unit serial number page: byte 1 is the page code 0x80, bytes 2-3 the length.
  if (page.size() < 4 || static_cast<uint8_t>(page[1]) != 0x80) return {};
  const size_t length = static_cast<size_t>(static_cast<uint8_t>(page[2])) << 8 | static_cast<uint8_t>(page[3]);
  return trim_blanks(page.substr(4, length));
}

std::string normal_wwn(std::string text) {
  for (const char* prefix : {"naa.", "eui.", "0x"})
    if (text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0) {
      text.erase(0, std::char_traits<char>::length(prefix));
      break;
    }
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return trim_blanks(text);
}

std::vector<LinuxDiskEntry> walk_sys_block(const fs::path& root) {
  std::vector<LinuxDiskEntry> entries;
  std::error_code ec;
  const fs::path block = root / "sys" / "block";
  std::vector<fs::path> names;
  for (fs::directory_iterator it(block, ec), end; !ec && it != end; it.increment(ec)) names.push_back(it->path());
  std::sort(names.begin(), names.end());  // the kernel lists them in order; a directory need not
  for (const fs::path& entry : names) {
    const std::optional<uint32_t> number = sd_index(entry.filename().string());
    const fs::path device = entry / "device";
    if (!number) continue;
    // The device link ends in the SCSI address; a disk without one is no SCSI disk.
    const fs::path target = fs::read_symlink(device, ec);
    if (ec) continue;
    const std::optional<uint8_t> host = scsi_host(target.filename().string());
    if (!host) continue;
    std::optional<std::string> vendor = read_file(device / "vendor");
    std::optional<std::string> model = read_file(device / "model");
    if (!vendor || !model) continue;
    LinuxDiskEntry e;
    e.disk.path = entry.string();
    e.disk.friendly_name = without_line_end(std::move(*vendor)) + without_line_end(std::move(*model));
    e.address = OsDiskAddress{*number, *host};
    e.disk.serial = vpd_serial(read_file(device / "vpd_pg80").value_or(""));
    e.disk.wwn = normal_wwn(attribute(device / "wwid"));
    // The udev database is read only for what the device itself does not give.
    if (e.disk.serial.empty() || e.disk.wwn.empty()) {
      const std::string udev = read_file(root / "run" / "udev" / "data" / ("b" + attribute(entry / "dev"))).value_or("");
      if (e.disk.serial.empty()) e.disk.serial = udev_value(udev, "ID_SERIAL_SHORT");
      if (e.disk.wwn.empty()) e.disk.wwn = normal_wwn(udev_value(udev, "ID_WWN"));
    }
    entries.push_back(std::move(e));
  }
  return entries;
}

std::unique_ptr<OsDisks> system_os_disks() {
  const char* root = std::getenv("QX_OS_ROOT");
  return std::make_unique<LinuxDisks>(root != nullptr && *root != '\0' ? root : "/");
}

}  // namespace qx::platform

#endif  // !_WIN32
