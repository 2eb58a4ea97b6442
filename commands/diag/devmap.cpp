// `devmap`: the mapping text (the OS disk number) the library reports for
// one PD or VD, or for every one.
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <vector>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/handlers.h"
#include "shell/handler_support.h"
#include "shell/list_query.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

constexpr int kLabelWidth = 20;
constexpr size_t kMaxObjects = 128;
constexpr uint8_t kTooManyObjects = 3;  // more objects than one mapping call takes

const shell::OptionTable kOptions{{'o', "object", shell::Arg::kRequired, shell::kOnce, shell::kMustGive},
                                  {'i', "id", shell::Arg::kRequired, shell::kOnce},
                                  shell::kOutputEntry,
                                  shell::kHelpEntry};

// Every id of the list that `fetch` pages through; status 3 past kMaxObjects.
template <class Record>
uint8_t list_ids(const std::function<uint8_t(QX_QUERY_HEADER*)>& fetch, uint16_t Record::*id_field,
                 std::vector<uint16_t>& ids) {
  shell::ListBuffer<Record> buffer;
  if (!buffer.allocate(shell::ListBuffer<Record>::page_size(shell::current_adapter_info().max_buffer_kb)))
    return kNoResource;
  return shell::page_through<Record>(buffer, std::nullopt, fetch,
                                     [&](const shell::ListBuffer<Record>& page, bool) {
                                       for (uint16_t i = 0; i < page.returned(); ++i) {
                                         if (ids.size() == kMaxObjects) return shell::stop_listing(kTooManyObjects);
                                         ids.push_back(page.record(i).*id_field);
                                       }
                                       return shell::kNextPage;
                                     });
}

uint8_t map_objects(bool pds, std::optional<uint16_t> id) {
  const uint8_t adapter = shell::state().current_adapter;
  std::vector<uint16_t> ids;
  if (id) {
    ids.push_back(*id);
  } else if (pds) {
    const uint8_t status = list_ids<QX_PD_INFO>(
        [&](QX_QUERY_HEADER* q) {
          const uint8_t s = QX_PD_GetHDInfo_Ext(adapter, q);
          return s == kOk || s == kPdMissing ? s : QX_PD_GetHDInfo(adapter, q);
        },
        &QX_PD_INFO::pd_id, ids);
    if (status != kOk) return status;
  } else {
    const uint8_t status =
        list_ids<QX_VD_INFO>([&](QX_QUERY_HEADER* q) { return QX_LD_GetInfo(adapter, q); }, &QX_VD_INFO::vd_id, ids);
    if (status != kOk) return status;
    if (ids.empty()) return kOk;
  }
  std::vector<QX_OS_DISK_MAP> maps(ids.size());
  for (size_t i = 0; i < ids.size(); ++i) maps[i].id = ids[i];
  const uint8_t count = static_cast<uint8_t>(ids.size());
  const uint8_t status =
      pds ? QX_Tier_GetHDMagic(adapter, count, maps.data()) : QX_Tier_GetVDMagic(adapter, count, maps.data());
  if (status != kOk) return status;
  for (const QX_OS_DISK_MAP& map : maps) {
    shell::print("\n");
    shell::print_label_num(kLabelWidth, "Device ID:", map.id);
    shell::print_label(kLabelWidth, "Magic Number:",
                       std::string_view(map.disk_number, strnlen(map.disk_number, sizeof map.disk_number)));
    shell::print("\n");
  }
  return kOk;
}

}  // namespace

uint32_t cmd_devmap(int argc, char** argv, const CommandEntry& self) {
  bool pds = false;
  uint16_t id = 0;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int code; (code = scan.next()) != -1;) {
    const char* arg = scan.arg();
    switch (code) {
      case 'o':
        // Only the first two characters count: "pdx" is "pd".
        if (strncmp(arg, "pd", 2) == 0 || strncmp(arg, "vd", 2) == 0) {
          pds = arg[0] == 'p';
        } else {
          shell::print("-o: Invalid object '%s'.\n", arg);
          return 1;
        }
        break;
      case 'i':
        if (!shell::require_decimal(arg, "-i: invalid object id '%s'.\n", arg)) return 1;
        id = static_cast<uint16_t>(shell::decimal_value(arg));
        break;
      case shell::kOutputOption: break;
      default: return shell::other_option(code, self);
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();
  if (scan.report_missing(self)) return 1;
  const uint8_t status = map_objects(pds, scan.given('i') ? std::optional<uint16_t>(id) : std::nullopt);
  if (status != kOk) shell::print("Fail! (error %d: %s).\n", status, status_text(status));
  return status;
}

}  // namespace qx::commands
