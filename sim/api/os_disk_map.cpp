// QX_Tier_GetVDMagic, QX_Tier_GetHDMagic and QX_Tier_GetVDLink: the OS disk
// number under which the host shows a VD or disk, as decimal text, and the
// VD behind such a number.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/host_disks.h"
#include "sim/engine/vd_records.h"

using qx::sim::Call;
using qx::sim::Session;

namespace {

constexpr uint8_t kMaxMaps = 128;

bool count_fits(uint8_t count, const QX_OS_DISK_MAP* maps) { return count > 0 && count <= kMaxMaps && maps; }

// Every record's object must exist before any text is filled in.
uint8_t fill_numbers(const Session& s, qx::sim::HostDiskKind kind, uint8_t count, QX_OS_DISK_MAP* maps) {
  for (uint8_t i = 0; i < count; ++i) {
    if (kind == qx::sim::kHostVd && !qx::sim::vd_exists(s, maps[i].id)) return qx::kVdMissing;
    if (kind == qx::sim::kHostPd && !qx::sim::present_disk(s, maps[i].id)) return qx::kPdMissing;
  }
  for (uint8_t i = 0; i < count; ++i) {
    std::memset(maps[i].disk_number, 0, sizeof maps[i].disk_number);
    if (std::optional<uint32_t> number = qx::sim::host_number(s, kind, maps[i].id))
      std::snprintf(maps[i].disk_number, sizeof maps[i].disk_number, "%u", *number);
  }
  return qx::kOk;
}

// The number a link record names; nothing for a text that is no number.
std::optional<uint32_t> named_number(const QX_OS_DISK_MAP& map) {
  const size_t length = strnlen(map.disk_number, sizeof map.disk_number);
  if (length == 0 || length > 9 || length == sizeof map.disk_number) return std::nullopt;
  for (size_t i = 0; i < length; ++i)
    if (map.disk_number[i] < '0' || map.disk_number[i] > '9') return std::nullopt;
  return static_cast<uint32_t>(std::strtoul(map.disk_number, nullptr, 10));
}

}  // namespace

extern "C" {

QX_API_EXPORT uint8_t QX_Tier_GetVDMagic(uint8_t adapter, uint8_t count, QX_OS_DISK_MAP* maps) {
  if (!count_fits(count, maps)) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_Tier_GetVDMagic, adapter,
                           [&](Session& s) { return fill_numbers(s, qx::sim::kHostVd, count, maps); });
}

QX_API_EXPORT uint8_t QX_Tier_GetHDMagic(uint8_t adapter, uint8_t count, QX_OS_DISK_MAP* maps) {
  if (!count_fits(count, maps)) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_Tier_GetHDMagic, adapter,
                           [&](Session& s) { return fill_numbers(s, qx::sim::kHostPd, count, maps); });
}

QX_API_EXPORT uint8_t QX_Tier_GetVDLink(uint8_t adapter, uint8_t count, QX_OS_DISK_MAP* maps) {
  if (!count_fits(count, maps)) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_Tier_GetVDLink, adapter, [&](Session& s) {
    std::vector<uint16_t> ids;
    for (uint8_t i = 0; i < count; ++i) {
      const std::optional<uint32_t> number = named_number(maps[i]);
      const std::optional<uint16_t> vd = number ? qx::sim::vd_shown_as(s, *number) : std::nullopt;
      if (!vd) return uint8_t{qx::kVdMissing};
      ids.push_back(*vd);
    }
    for (uint8_t i = 0; i < count; ++i) maps[i].id = ids[i];
    return uint8_t{qx::kOk};
  });
}

}  // extern "C"
