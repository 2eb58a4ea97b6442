// `get`: the configuration of PDs, VDs, arrays and adapters as the library
// reports it, the driver's power mode and the media-patrol schedule.
#include <cstring>
#include <functional>
#include <optional>
#include <string_view>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/config/setting_values.h"
#include "commands/handlers.h"
#include "shell/handler_support.h"
#include "shell/list_query.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

constexpr int kWidth = 24;
constexpr uint16_t kAllIds = 255;
constexpr uint16_t kSingleRateFirst = 0x6001;
constexpr uint16_t kSingleRateLast = 0x6145;

enum class Object { kNone, kPd, kVd, kSchedule, kArray, kHba, kDriver, kHbaVpd };

const shell::OptionTable kOptions{
    {'o', "object", shell::Arg::kRequired, shell::kOnce},
    {'i', "id", shell::Arg::kRequired, shell::kOnce},
    {'s', "size", shell::Arg::kRequired, shell::kRepeats},
    {'v', "hbavpd", shell::Arg::kRequired, shell::kRepeats},
    shell::kOutputEntry,
    shell::kHelpEntry,
};

bool same(const char* a, const char* b) { return shell::equals_ignoring_case(a, b); }

// The object an -o names; kNone after its refusal is printed.
Object read_object(const char* text) {
  if (same(text, "pd") || same(text, "hd")) return Object::kPd;
  if (same(text, "vd") || same(text, "ld")) return Object::kVd;
  if (same(text, "schedule")) return Object::kSchedule;
  if (same(text, "array")) {
    if (shell::state().array_capable) return Object::kArray;
    shell::print_text("-o : array is not supported on this adapter\n");
    return Object::kNone;
  }
  if (same(text, "hba")) return Object::kHba;
  if (same(text, "driver")) return Object::kDriver;
  if (same(text, "hbavpd")) return Object::kHbaVpd;
  shell::print("-o : invalid object '%s', should be VD, PD or Array\n", text);
  return Object::kNone;
}

uint8_t adapter_id() { return shell::state().current_adapter; }
uint32_t adv_features() { return shell::current_adapter_info().adv_features; }

// Pages through one kind of configuration record: the one object `id`, or
// all of them. `on_failure` reports a failed call; `none_found` is printed
// when the first answer holds no record.
template <class Record>
uint8_t list_records(std::optional<uint16_t> id, uint8_t (*call)(uint8_t, QX_QUERY_HEADER*),
                     const char* none_found, const std::function<void(const Record&)>& show,
                     const std::function<void(uint8_t)>& on_failure) {
  shell::ListBuffer<Record> buffer;
  if (!buffer.allocate(shell::ListBuffer<Record>::page_size(shell::current_adapter_info().max_buffer_kb)))
    return kNoResource;
  const uint8_t status = shell::page_through<Record>(
      buffer, id, [&](QX_QUERY_HEADER* q) { return call(adapter_id(), q); },
      [&](const shell::ListBuffer<Record>& page, bool first) {
        if (first && page.returned() == 0) {
          if (none_found != nullptr) shell::print_text(none_found);
          return shell::stop_listing(kOk);
        }
        for (size_t i = 0; i < page.returned(); ++i) {
          show(page.record(i));
          shell::print_text("\n");
        }
        return shell::kNextPage;
      });
  if (status != kOk) on_failure(status);
  return status;
}

uint8_t show_pds(std::optional<uint16_t> id) {
  const bool no_cache_switch = (adv_features() & QX_ADV_NO_PD_CACHE) != 0;
  return list_records<QX_PD_CONFIG>(
      id, QX_PD_GetConfig, id ? nullptr : "\nNo PD is found\n",
      [&](const QX_PD_CONFIG& r) {
        static const char* const kSpeeds[] = {"N/A", "1.5 Gb/s", "3 Gb/s", "6 Gb/s", "12 Gb/s"};
        shell::print_label_num(kWidth, "hard disk id:", r.pd_id);
        shell::print_label(kWidth, "write cache:", no_cache_switch ? "not support" : r.write_cache != 0 ? "on" : "off");
        shell::print_label(kWidth, "drive speed:", r.link_speed <= 4 ? kSpeeds[r.link_speed] : "N/A");
      },
      [&](uint8_t status) {
        shell::print("\nUnable to get configuration of hard disk %d (error %d : %s).\n", id.value_or(kAllIds), status,
                     status_text(status));
      });
}

uint8_t show_arrays(uint16_t id) {
  return list_records<QX_ARRAY_CONFIG>(
      id == kAllIds ? std::nullopt : std::optional<uint16_t>(id), QX_DG_GetConfig, "\nNo array is found\n",
      [](const QX_ARRAY_CONFIG& r) {
        shell::print_label_num(kWidth, "array id:", r.array_id);
        shell::print_label(kWidth, "write cache:", r.write_cache != 0 ? "on" : "off");
      },
      [](uint8_t) {});
}

const char* cache_mode(uint8_t code) {
  const uint32_t adv = adv_features();
  if (adv & QX_ADV_HYBRID_SWITCH) return code == 0 ? "Off " : code == 1 ? "On " : "Unknown ";
  if ((adv & QX_ADV_NO_VD_WRITE_CACHE) && (adv & QX_ADV_NO_VD_READ_CACHE)) return "Not support ";
  switch (code) {
    case QX_VD_CACHE_WRITE_BACK: return "On ";
    case QX_VD_CACHE_WRITE_THROUGH: return "Off ";
    case QX_VD_CACHE_AUTO: return "Auto ";
    default: return "";
  }
}

uint8_t show_vds(uint16_t id) {
  return list_records<QX_VD_CONFIG>(
      id == kAllIds ? std::nullopt : std::optional<uint16_t>(id), QX_LD_GetConfig, "\nNo VD is found\n",
      [](const QX_VD_CONFIG& r) {
        shell::print_label_num(kWidth, "virtual disk id:", r.vd_id);
        const bool hybrid = (adv_features() & QX_ADV_HYBRID_SWITCH) != 0;
        shell::print_label(kWidth, hybrid ? "restore:" : "cache mode:", cache_mode(r.cache_flags & QX_VD_CACHE_POLICY_MASK));
        QX_DISK_OEM_DATA request{};
        request.length = QX_OEM_DISK_LENGTH;
        request.device_id = r.vd_id;
        request.sub_request = QX_OEM_DISK_KEY;
        if (QX_VD_OEMData(adapter_id(), &request) == kOk)
          shell::print("Key                     %08x_%08x:%08x\n", request.key[1], request.key[0], request.key[2]);
      },
      [id](uint8_t status) { shell::print("\nVD %d is invalid (error %d: %s)\n", id, status, status_text(status)); });
}

void print_on_off(const char* label, bool on) { shell::print_label(kWidth, label, on ? "on" : "off"); }

// One adapter configuration record; `index` is also the adapter it describes.
void show_adapter_record(uint8_t index, const QX_ADAPTER_CONFIG& r) {
  const QX_ADAPTER_INFO& current = shell::current_adapter_info();
  const QX_ADAPTER_INFO& own = shell::state().adapters[index % shell::kAdapterTableSize];
  shell::print_label_num(kWidth, "HBA Index:", index);
  if (current.features & QX_FEATURE_REBUILD) {
    print_on_off("Auto Rebuild:", r.auto_rebuild == 1);
  } else {
    shell::print_label(kWidth, "Auto Rebuild:", "not support");
  }
  if (own.adv_features & QX_ADV_CPU_EFFICIENCY) print_on_off("Optimize CPU efficiency:", r.cpu_optimization == 1);
  if (own.device_id >= kSingleRateFirst && own.device_id <= kSingleRateLast) {
    shell::print_label_num(kWidth, "BGA Rate:", stored_to_percent(r.bga_rate));
  } else if (!(current.adv_features & QX_ADV_NO_BGA_RATES)) {
    const struct {
      uint8_t feature;
      const char* label;
      uint8_t stored;
    } rates[] = {
        {QX_FEATURE_REBUILD, "Rebuild Rate:", r.rebuild_rate},
        {QX_FEATURE_BACKGROUND_INIT, "Initialization Rate:", r.init_rate},
        {QX_FEATURE_SYNCHRONIZE, "Syncronization Rate:", r.sync_rate},
        {QX_FEATURE_MIGRATION, "Migration Rate:", r.migration_rate},
        {QX_FEATURE_PD_BGA_STATUS, "Media Patrol Rate:", r.media_patrol_rate},
        {QX_FEATURE_COPY_BACK, "Copyback Rate:", r.copy_back_rate},
    };
    for (const auto& rate : rates)
      if (own.features & rate.feature) shell::print_label_num(kWidth, rate.label, stored_to_percent(rate.stored));
  }
  if (current.adv_features & QX_ADV_SMART_POLL) print_on_off("Poll SMART Status:", r.smart_polling == 1);
  if (current.features & QX_FEATURE_COPY_BACK) print_on_off("Copy Back:", r.copy_back == 1);
  if (current.adv_features & QX_ADV_MODULE_CONSOLIDATE)
    print_on_off("Module Consolidation:", r.module_consolidation == 1);
  if (current.adv_features & QX_ADV_RAW_UPDATE) {
    print_on_off("Raw Update:", r.raw_update == 0);
  } else {
    shell::print_label(kWidth, "Raw Update:", "not support");
  }
  if (r.model[0] != '\0') shell::print_label(kWidth, "Model:", std::string_view(r.model, strnlen(r.model, sizeof r.model)));
  if (r.serial[0] != '\0')
    shell::print_label(kWidth, "Serial:", std::string_view(r.serial, strnlen(r.serial, sizeof r.serial)));
  QX_OEM_DATA request{};
  request.length = QX_OEM_ADAPTER_LENGTH;
  request.sub_request = QX_OEM_SUB_KEY;
  if (QX_Adapter_Get_OEM_Data(index, &request) == kOk)
    shell::print("Key                     %08x_%08x:%08x", request.key[1], request.key[0], request.key[2]);
  shell::print_text("\n");
}

uint8_t show_adapters(uint8_t id) {
  uint8_t count = 0;
  QX_ADAPTER_CONFIG records[QX_ADAPTER_CONFIG_MAX] = {};
  const uint8_t status = QX_Adapter_GetConfig(id, &count, records);
  if (status != kOk) {
    shell::print("\nUnable to get configuration info of hba %d (error %d: %s)\n", id, status, status_text(status));
    return status;
  }
  for (uint8_t i = 0; i < count && i < QX_ADAPTER_CONFIG_MAX; ++i) show_adapter_record(i, records[i]);
  return kOk;
}

uint8_t show_driver(uint8_t id) {
  uint32_t mode = 0;
  QX_GetDriverMode(id, &mode);
  shell::print_text(mode != 0 ? "\nDriver is in performance mode\n" : "\nDriver is in power saving mode\n");
  return kOk;
}

uint8_t show_schedule() {
  QX_OEM_DATA request{};
  request.length = QX_OEM_ADAPTER_LENGTH;
  request.data_length = QX_OEM_SCHEDULE_DATA_LENGTH;
  request.sub_request = QX_OEM_SUB_SCHEDULE;
  const uint8_t status = QX_Adapter_Get_OEM_Data(adapter_id(), &request);
  if (status != kOk) {
    shell::print("\nFail to get medial patrol shedule (error %d: %s)\n", status, status_text(status));
    return status;
  }
  shell::print("mode %d\n", request.schedule.mode);
  shell::print("interval_time %d\n", static_cast<int>(request.schedule.interval_seconds));
  return kOk;
}

}  // namespace

uint32_t cmd_get(int argc, char** argv, const CommandEntry& self) {
  Object object = Object::kNone;
  uint16_t id = kAllIds;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int option; (option = scan.next()) != -1;) {
    switch (option) {
      case shell::kOutputOption:
        break;
      case 'o':
        object = read_object(scan.arg());
        if (object == Object::kNone) return 1;
        break;
      case 'i':
        if (!shell::is_decimal_number(scan.arg())) {
          shell::print_text("-i : id is not a number\n");
          return 1;
        }
        id = static_cast<uint16_t>(shell::decimal_value(scan.arg()));
        break;
      case 's':
        if (!shell::require_decimal(scan.arg(), "-s : invalid size '%s'\n", scan.arg())) return 1;
        break;
      case '?':
        return 1;
      default:
        return shell::print_command_help(self);
    }
  }
  const bool id_given = scan.given('i');
  if ((object == Object::kHba || object == Object::kDriver) && !id_given) id = adapter_id();
  if (scan.duplicated()) return shell::duplicated_option();
  if (!scan.given('o')) return shell::missing_option(self, 'o');
  switch (object) {
    case Object::kPd: return show_pds(id_given ? std::optional<uint16_t>(id) : std::nullopt);
    case Object::kVd: return show_vds(id);
    case Object::kArray: return show_arrays(id);
    case Object::kHba: return show_adapters(static_cast<uint8_t>(id));
    case Object::kDriver: return show_driver(static_cast<uint8_t>(id));
    case Object::kSchedule: return show_schedule();
    case Object::kHbaVpd:
    case Object::kNone: break;
  }
  return kOk;
}

}  // namespace qx::commands
