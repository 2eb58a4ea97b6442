#include "commands/diag/os_disk_lookup.h"

namespace qx::commands {

std::optional<uint32_t> match_os_disk(platform::OsDisks& os, const std::vector<platform::OsDisk>& disks,
                                      const DiskKey& key, uint8_t adapter) {
  // A disk that names the PD itself needs no ordering.
  if (!key.serial.empty() || !key.wwn.empty())
    for (size_t i = 0; i < disks.size(); ++i) {
      const bool same_wwn = !key.wwn.empty() && disks[i].wwn == key.wwn;
      const bool same_serial = !key.serial.empty() && disks[i].serial == key.serial;
      if (!same_wwn && !same_serial) continue;
      const std::optional<platform::OsDiskAddress> address = os.open(i);
      if (address && address->number != platform::kNoDeviceNumber) return address->number;
    }

  std::vector<platform::OsDiskAddress> matches;
  for (size_t i = 0; i < disks.size() && matches.size() < kMaxMatches; ++i) {
    if (disks[i].friendly_name.find(key.text) == std::string::npos) continue;
    const std::optional<platform::OsDiskAddress> address = os.open(i);
    if (!address) return std::nullopt;
    matches.push_back(*address);
  }
  if (matches.empty()) return std::nullopt;
  // Stable: disks on one port keep the system's order.
  for (size_t pass = 1; pass < matches.size(); ++pass)
    for (size_t i = 0; i + pass < matches.size(); ++i)
      if (matches[i].port > matches[i + 1].port) std::swap(matches[i], matches[i + 1]);
  const size_t position = matches.size() == 1 ? 0 : adapter;
  if (position >= matches.size() || matches[position].number == platform::kNoDeviceNumber) return std::nullopt;
  return matches[position].number;
}

std::optional<uint32_t> retry_lookup(
    platform::OsDisks& os, const std::function<std::optional<uint32_t>(const std::vector<platform::OsDisk>&)>& attempt) {
  for (int i = 0; i < kLookupAttempts; ++i) {
    if (std::optional<uint32_t> number = attempt(os.list())) return number;
    os.sleep_ms(kLookupPauseMs);
  }
  return std::nullopt;
}

}  // namespace qx::commands
