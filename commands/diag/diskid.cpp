// `diskidofvd` and `diskidofhd`: the OS disk number of a VD or of a disk
// exposed to the host, found among the system's disks (tried ten times, a
// second apart, while the system may still be finding the disk).
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/diag/os_disk_keys.h"
#include "commands/diag/os_disk_lookup.h"
#include "commands/handlers.h"
#include "platform/os_disks.h"
#include "shell/handler_support.h"
#include "shell/list_query.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

const shell::OptionTable kOptions{{'i', "id", shell::Arg::kRequired, shell::kOnce, shell::kMustGive},
                                  shell::kOutputEntry, shell::kHelpEntry};

// The id of -i. A refused command line gives the command's result instead.
struct ParsedId {
  std::optional<uint16_t> id;
  uint32_t refusal = 1;
};

ParsedId parse_id(int argc, char** argv, const CommandEntry& self) {
  uint16_t id = 0;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int code; (code = scan.next()) != -1;) {
    const char* arg = scan.arg();
    switch (code) {
      case 'i':
        if (!shell::require_decimal(arg, "-i : invalid vd id '%s'\n", arg)) return {};
        id = static_cast<uint16_t>(shell::decimal_value(arg));
        break;
      case shell::kOutputOption: break;
      default: return {std::nullopt, shell::other_option(code, self)};
    }
  }
  if (scan.duplicated()) return {std::nullopt, shell::duplicated_option()};
  if (scan.report_missing(self)) return {};
  return {id};
}

// The OS disk number a mapping text carries; nothing for an empty text.
std::optional<uint32_t> mapped_number(const QX_OS_DISK_MAP& map) {
  const size_t length = strnlen(map.disk_number, sizeof map.disk_number);
  if (length == 0 || length == sizeof map.disk_number) return std::nullopt;
  if (!shell::is_decimal_number(map.disk_number)) return std::nullopt;
  return static_cast<uint32_t>(std::strtoul(map.disk_number, nullptr, 10));
}

void print_found(uint32_t number) {
  shell::print("%d\n", static_cast<int>(number));
  shell::print("disk id   :  %d\n", static_cast<int>(number));
}

}  // namespace

uint32_t cmd_diskidofvd(int argc, char** argv, const CommandEntry& self) {
  const ParsedId parsed = parse_id(argc, argv, self);
  if (!parsed.id) return parsed.refusal;
  const std::optional<uint16_t> id = parsed.id;
  const uint8_t adapter = shell::state().current_adapter;
  uint8_t status = kOk;
  std::unique_ptr<platform::OsDisks> os = platform::system_os_disks();
  const std::optional<uint32_t> number =
      retry_lookup(*os, [&](const std::vector<platform::OsDisk>& disks) -> std::optional<uint32_t> {
        QX_VD_INFO vd{};
        status = shell::query_one(QX_LD_GetInfo, adapter, *id, vd);
        if (status == kOk && vd.raid_level == QX_TIER_SAFE) {
          const std::optional<DiskKey> key = safe_tier_vd_key(adapter, vd, status);
          return key ? match_os_disk(*os, disks, *key, adapter) : std::nullopt;
        }
        if (status == kOk && vd.raid_level == QX_TIER_CAPACITY)
          return match_os_disk(*os, disks, tier_vd_key(*id), adapter);
        QX_OS_DISK_MAP map{};
        map.id = *id;
        if ((status = QX_Tier_GetVDMagic(adapter, 1, &map)) != kOk) return std::nullopt;
        return mapped_number(map);
      });
  if (number)
    print_found(*number);
  else
    shell::print("VD %d not found.\n", *id);
  return status;
}

uint32_t cmd_diskidofhd(int argc, char** argv, const CommandEntry& self) {
  const ParsedId parsed = parse_id(argc, argv, self);
  if (!parsed.id) return parsed.refusal;
  const std::optional<uint16_t> id = parsed.id;
  const uint8_t adapter = shell::state().current_adapter;
  std::unique_ptr<platform::OsDisks> os = platform::system_os_disks();
  const std::optional<uint32_t> number =
      retry_lookup(*os, [&](const std::vector<platform::OsDisk>& disks) -> std::optional<uint32_t> {
        uint8_t status = kOk;
        const std::optional<DiskKey> key = pd_key(adapter, *id, status);
        return key ? match_os_disk(*os, disks, *key, adapter) : std::nullopt;
      });
  if (number)
    print_found(*number);
  else
    shell::print("HD %d not found.\n", *id);
  return 0;
}

}  // namespace qx::commands
