// Finding the OS disk that shows an adapter's VD or PD: the disks whose
// friendly name holds a key text, ordered by SCSI port, the n-th adapter's
// disk the n-th. Written once over platform::OsDisks, so that the same
// matching serves Windows and Linux and its tests run over a fake system.
#ifndef QX_COMMANDS_DIAG_OS_DISK_LOOKUP_H
#define QX_COMMANDS_DIAG_OS_DISK_LOOKUP_H

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/os_disks.h"

namespace qx::commands {

// What a lookup searches for.
struct DiskKey {
  std::string text;    // a disk matches when its friendly name holds this text
  // A PD's own identity: a disk that reports this serial or world wide name
  // (16 lower-case hex digits) is the PD's, before any name matches. Empty:
  // not known.
  std::string serial;
  std::string wwn;
};

// A lookup looks at no more matching disks than this.
inline constexpr size_t kMaxMatches = 16;
inline constexpr int kLookupAttempts = 10;
inline constexpr unsigned kLookupPauseMs = 1000;

// The device number of the disk of `key` on the adapter `adapter` among
// `disks` (the last list of `os`); nothing when no disk matches, a matching
// disk cannot be opened, or the adapter has no disk of its own among the
// matches.
std::optional<uint32_t> match_os_disk(platform::OsDisks& os, const std::vector<platform::OsDisk>& disks,
                                      const DiskKey& key, uint8_t adapter);

// Runs `attempt` on a fresh list of the system's disks up to
// kLookupAttempts times, pausing kLookupPauseMs after each that finds none.
std::optional<uint32_t> retry_lookup(
    platform::OsDisks& os, const std::function<std::optional<uint32_t>(const std::vector<platform::OsDisk>&)>& attempt);

}  // namespace qx::commands

#endif  // QX_COMMANDS_DIAG_OS_DISK_LOOKUP_H
