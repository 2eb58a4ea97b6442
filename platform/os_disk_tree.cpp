#include "platform/os_disk_tree.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace qx::platform {
namespace fs = std::filesystem;

namespace {

// Marks a root as this writer's.
const char* const kMarker = ".qx-host-tree";

void write_text(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

std::string padded(std::string text, size_t width) {
  text.resize(width, ' ');
  return text;
}

// Block device numbers as the kernel gives them to sd disks: 16 per major,
// the first 16 disks on major 8.
std::string device_numbers(uint32_t number) {
  const uint32_t major = number < 16 ? 8 : 65 + (number - 16) / 16;
  return std::to_string(major) + ":" + std::to_string((number % 16) * 16);
}

// Unit serial number page: qualifier/type, page code 0x80, length, serial.
std::string serial_page(const std::string& serial) {
  std::string page = {'\0', '\x80', static_cast<char>(serial.size() >> 8), static_cast<char>(serial.size() & 0xFF)};
  return page + serial;
}

void check_root(const fs::path& root) {
  std::error_code ec;
  if (!fs::exists(root, ec)) return;
  if (!fs::is_directory(root, ec)) throw std::runtime_error(root.string() + " is not a folder");
  if (fs::exists(root / kMarker, ec)) return;
  if (!fs::is_empty(root, ec))
    throw std::runtime_error(root.string() + " is not empty and holds no host tree: give an empty or new folder");
}

}  // namespace

std::string sd_name(uint32_t number) {
  std::string letters;
  for (uint64_t n = uint64_t{number} + 1; n > 0; n = (n - 1) / 26)
    letters.insert(letters.begin(), static_cast<char>('a' + (n - 1) % 26));
  return "sd" + letters;
}

void write_os_disk_tree(const std::string& root_text, const std::vector<TreeDisk>& disks) {
  const fs::path root(root_text);
  check_root(root);
  remove_os_disk_tree(root_text);
  std::error_code ec;
  fs::create_directories(root, ec);
  write_text(root / kMarker, "");
  const fs::path block = root / "sys" / "block";
  const fs::path devices = root / "sys" / "devices" / "qxsim";
  const fs::path udev = root / "run" / "udev" / "data";
  for (const fs::path& dir : {block, devices, udev})
    if (fs::create_directories(dir, ec); ec) throw std::runtime_error("cannot create " + dir.string());
  for (const TreeDisk& d : disks) {
    const std::string address = std::to_string(d.host) + ":0:" + std::to_string(d.target) + ":0";
    const fs::path device = devices / address;
    const fs::path entry = block / sd_name(d.number);
    fs::create_directories(device, ec);
    fs::create_directories(entry, ec);
    write_text(device / "vendor", padded(d.vendor, 8) + "\n");
    write_text(device / "model", padded(d.model, 16) + "\n");
    write_text(device / "vpd_pg80", serial_page(d.serial));
    if (!d.wwn.empty()) write_text(device / "wwid", "naa." + d.wwn + "\n");
    fs::create_directory_symlink(fs::path("..") / ".." / "devices" / "qxsim" / address, entry / "device", ec);
    if (ec) throw std::runtime_error("cannot link " + (entry / "device").string() + ": " + ec.message());
    const std::string numbers = device_numbers(d.number);
    write_text(entry / "dev", numbers + "\n");
    std::string data = "E:ID_SERIAL_SHORT=" + d.serial + "\n";
    if (!d.wwn.empty()) data += "E:ID_WWN=0x" + d.wwn + "\n";
    write_text(udev / ("b" + numbers), data);
  }
}

void remove_os_disk_tree(const std::string& root_text) {
  const fs::path root(root_text);
  std::error_code ec;
  if (!fs::exists(root / kMarker, ec)) return;
  fs::remove_all(root / "sys", ec);
  fs::remove_all(root / "run", ec);
  fs::remove(root / kMarker, ec);
}

}  // namespace qx::platform
