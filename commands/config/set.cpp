// `set` on arrays-less adapters: the settings of a VD, a PD or the adapter,
// the media-patrol schedule, the driver mode and a VD's link to a PD. A
// record is read, only the named fields change, and it is written back.
#include <cstring>
#include <iterator>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/config/set_options.h"
#include "commands/config/setting_values.h"
#include "commands/handlers.h"
#include "shell/handler_support.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

using O = SetOptions;

enum class Object { kNone, kPd, kVd, kHba, kDriver, kLink, kSchedule };

// The switches only this form has; the shared ones come first in its table.
constexpr SwitchSpec kOwnSwitches[] = {
    {"restoreon", &O::restore, 1},
    {"restoreoff", &O::restore, 0},
    {"locateon", &O::locate, 1},
    {"locateoff", &O::locate, 0},
    {"setonline", &O::pd_state, 0},
    {"clear", &O::clear, 1},
};

// Accepted and answered with the command's help; its code lies beyond the
// switches'.
constexpr int kHbaVpdOption = shell::kFirstLongOnlyCode + kSwitchCodeRoom;


const shell::OptionTable& option_table() {
  using shell::Arg;
  using shell::kOnce;
  using shell::kRepeats;
  static const shell::OptionTable table = set_option_table(
      {
          {'o', "object", Arg::kRequired, kOnce},
          {'i', "id", Arg::kRequired, kOnce},
          {'n', "name", Arg::kRequired, kOnce},
          {'r', "bgarate", Arg::kRequired, kOnce},
          {'s', "serial", Arg::kRequired, kOnce},
          {'m', "mode", Arg::kRequired, kOnce},
          {'m', "model", Arg::kRequired, kOnce},
          {'a', "sataphyctrl", Arg::kRequired, kRepeats},
          {'w', "portnum", Arg::kRequired, kRepeats},
          {'p', "password", Arg::kRequired, kRepeats},
          {'k', nullptr, Arg::kRequired, kRepeats},
          {'e', nullptr, Arg::kRequired, kRepeats},
          {'d', nullptr, Arg::kRequired, kRepeats},
          {'f', nullptr, Arg::kRequired, kRepeats},
          {'t', "time", Arg::kRequired, kRepeats},
          {kHbaVpdOption, "hbavpd", Arg::kRequired, kRepeats},
      },
      kOwnSwitches);
  return table;
}

uint8_t current_id() { return shell::state().current_adapter; }

bool given(int setting) { return setting != kNotGiven; }

Object read_object(const char* text) {
  const auto same = [text](const char* name) { return shell::equals_ignoring_case(text, name); };
  if (same("pd") || same("hd")) return Object::kPd;
  if (same("vd") || same("ld")) return Object::kVd;
  if (same("hba")) return Object::kHba;
  if (same("driver")) return Object::kDriver;
  if (same("link")) return Object::kLink;
  if (same("schedule")) return Object::kSchedule;
  shell::print("-o : invalid object '%s'\n", text);
  return Object::kNone;
}

uint32_t finish(uint32_t step) { return step == kContinue ? 0 : step; }

uint32_t set_pd(const O& o, bool name_given, bool rate_given) {
  if (name_given || rate_given || given(o.read_ahead) || given(o.cache_policy) || given(o.auto_rebuild) ||
      given(o.smart) || given(o.restore)) {
    shell::print_text("Invalid setting(s)\n");
    return 1;
  }
  if (o.id == kNoSetId) {
    shell::print("\ninvalid PD id :%d.\n", kNoSetId);
    return 1;
  }
  if (given(o.cache)) {
    if (shell::current_adapter_info().adv_features & QX_ADV_NO_PD_CACHE) {
      shell::print_text("\nThis product does not support turning disk cache settings on/off.\n");
      return kResultNotSupported;
    }
    if (const uint32_t step = set_pd_cache(o.id, o.cache, nullptr); step != kContinue) return step;
  }
  if (given(o.locate)) {
    QX_DISK_OEM_DATA request{};
    request.length = QX_OEM_DISK_LENGTH;
    request.device_id = o.id;
    request.sub_request = QX_OEM_DISK_LOCATE;
    request.locate_on = static_cast<uint8_t>(o.locate);
    const uint8_t status = QX_PD_OEMData(current_id(), &request);
    if (status != kOk) {
      shell::print("\nFailed to set physical disk locate action (error %d: %s)\n", status, status_text(status));
      return 1;
    }
  }
  if (given(o.pd_state)) return finish(set_pd_state(o.id, o.pd_state));
  return 0;
}

uint32_t set_vd(const O& o, bool name_given, bool rate_given) {
  if (rate_given) {
    shell::print_text("Invalid setting(s) for VD.\n");
    return 1;
  }
  if (o.id == kNoSetId) {
    shell::print("\nInvalid virtual disk id :%d.\n", kNoSetId);
    return 1;
  }
  if (given(o.pd_state) || given(o.auto_rebuild) || given(o.smart)) {
    shell::print_text("Invalid setting(s) for VD.\n");
    return 1;
  }
  const int code = requested_cache_code(o);
  const uint32_t adv = shell::current_adapter_info().adv_features;
  const int adapter = current_id();
  if (given(code) && (adv & QX_ADV_NO_VD_WRITE_CACHE)) {
    shell::print("VD cache is not supported on adapter %d.\n", adapter);
    return 1;
  }
  if (given(o.restore) && !((adv & QX_ADV_HYBRID_SWITCH) && (adv & QX_ADV_NO_VD_WRITE_CACHE))) {
    shell::print("VD restore option is not supported on adapter %d.\n", adapter);
    return 1;
  }
  if (given(o.read_ahead) && (adv & QX_ADV_NO_VD_READ_CACHE)) {
    shell::print("VD read cache is not supported on adapter %d.\n", adapter);
    return 1;
  }
  QX_VD_CONFIG record{};
  if (const uint32_t step = read_vd_config(o.id, record); step != kContinue) return step;
  const uint8_t keep = static_cast<uint8_t>(~QX_VD_CACHE_POLICY_MASK);
  if (given(code)) record.cache_flags = static_cast<uint8_t>((record.cache_flags & keep) | code);
  if (given(o.restore)) {
    record.cache_flags = static_cast<uint8_t>((record.cache_flags & keep) | o.restore);
    if ((adv & QX_ADV_TIER_INTELLIGENT_INIT) && (record.cache_flags & QX_VD_CACHE_POLICY_MASK) == 1)
      record.restore_companion = 1;
  }
  if (name_given) std::memcpy(record.name, o.name, std::strlen(o.name) + 1);
  if (o.read_ahead == 1) record.cache_flags |= QX_VD_CACHE_READ_AHEAD;
  if (o.read_ahead == 0) record.cache_flags &= static_cast<uint8_t>(~QX_VD_CACHE_READ_AHEAD);
  if (!given(code) && !given(o.restore) && !name_given && !given(o.read_ahead)) return 0;
  return finish(write_vd_config(o.id, record));
}

uint32_t set_schedule(const O& o) {
  if (!given(o.schedule_days) || !given(o.schedule_mode)) {
    shell::print_text("\ntime and mode must be set at media patrol schedule.\n");
    return 1;
  }
  QX_OEM_DATA request{};
  request.length = QX_OEM_ADAPTER_LENGTH;
  request.data_length = QX_OEM_SCHEDULE_DATA_LENGTH;
  request.sub_request = QX_OEM_SUB_SCHEDULE;
  request.schedule.mode = static_cast<uint8_t>(o.schedule_mode);
  request.schedule.interval_seconds = static_cast<uint32_t>(o.schedule_days) * 86400u;
  const uint8_t status = QX_Adapter_Set_OEM_Data(static_cast<uint8_t>(o.id), &request);
  if (status != kOk) {
    shell::print("\nFailed to set media patrol schedule (error %d: %s)\n", status, status_text(status));
    return 1;
  }
  shell::print_text("\nset media patrol schedule success.\n");
  return 0;
}

// Whether the adapter has the capability of every switch given; the first
// one it lacks is reported.
bool hba_capabilities_present(const O& o) {
  const QX_ADAPTER_INFO& info = shell::current_adapter_info();
  const int adapter = current_id();
  const bool no_auto_rebuild = (info.device_id >= 0x6001 && info.device_id <= 0x6400) ||
                               !(info.features & QX_FEATURE_REBUILD);
  if (given(o.buzzer) && info.buzzer == 0) return refuse_capability("Buzzer setting is not supported on adapter %d.\n", adapter);
  if (given(o.auto_rebuild) && no_auto_rebuild)
    return refuse_capability("Auto rebuild setting is not supported on adapter %d.\n", adapter);
  if (given(o.bga_rate) && !(info.features & 0x5F))
    return refuse_capability("BGA rate setting is not supported on adapter %d.\n", adapter);
  if (given(o.smart) && !(info.adv_features & QX_ADV_SMART_POLL))
    return refuse_capability("Smart setting is not supported on adapter %d.\n", adapter);
  if (given(o.module_consolidation) && !(info.adv_features & QX_ADV_MODULE_CONSOLIDATE))
    return refuse_capability("Module consolidation setting is not supported on adapter %d.\n", adapter);
  if (given(o.raw_update) && !(info.adv_features & QX_ADV_RAW_UPDATE))
    return refuse_capability("Raw update setting is not supported on adapter %d.\n", adapter);
  if (given(o.optimize) && !(info.adv_features & QX_ADV_CPU_EFFICIENCY))
    return refuse_capability("Optimize CPU efficiency setting is not supported on adapter %d.\n", adapter);
  return true;
}

void put(uint8_t& field, int value) {
  if (given(value)) field = static_cast<uint8_t>(value);
}

uint32_t set_hba(const O& o, bool name_given, bool serial_given, bool model_given) {
  if (name_given || given(o.read_ahead) || given(o.cache_policy) || given(o.restore) || given(o.cache) ||
      given(o.pd_state)) {
    shell::print_text("Invalid setting(s) for HBA\n");
    return 1;
  }
  if (!hba_capabilities_present(o)) return 1;
  const uint8_t id = static_cast<uint8_t>(o.id);
  uint8_t count = 0;
  QX_ADAPTER_CONFIG records[QX_ADAPTER_CONFIG_MAX] = {};
  uint8_t status = QX_Adapter_GetConfig(id, &count, records);
  if (status != kOk) {
    shell::print("\nUnable to get configuration info of adapter %d (error %d: %s)\n", id, status, status_text(status));
    return 1;
  }
  QX_ADAPTER_CONFIG& r = records[0];
  if (given(o.virtual_atapi) && !(shell::current_adapter_info().adv_features & QX_ADV_VIRTUAL_ATAPI)) {
    shell::print("Virtual atapi setting is not supported on adapter %d.\n", current_id());
    return 1;
  }
  put(r.auto_rebuild, o.auto_rebuild);
  put(r.cpu_optimization, o.optimize);
  put(r.bga_rate, o.bga_rate);
  put(r.smart_polling, o.smart);
  put(r.virtual_atapi, o.virtual_atapi);
  put(r.module_consolidation, o.module_consolidation);
  put(r.raw_update, o.raw_update);
  put(r.buzzer, o.buzzer);
  if (serial_given && o.serial[0] != '\0') copy_padded(r.serial, o.serial);
  if (o.clear) {
    QX_OEM_DATA request{};
    request.length = QX_OEM_ADAPTER_LENGTH;
    request.sub_request = QX_OEM_SUB_WIPE_GUID;
    status = QX_Adapter_Set_OEM_Data(id, &request);
    if (status != kOk) {
      shell::print("\nFailed wipe adapter guid %d (error %d: %s)\n", id, status, status_text(status));
      return 1;
    }
    shell::print_text("\nwipe adapter guid success.\n");
  }
  const bool any = given(o.auto_rebuild) || given(o.optimize) || given(o.bga_rate) || given(o.smart) ||
                   given(o.virtual_atapi) || given(o.module_consolidation) || given(o.raw_update) ||
                   given(o.buzzer) || serial_given || model_given;
  if (!any) return 0;
  status = QX_Adapter_SetConfig(id, &r);
  if (status != kOk) {
    shell::print("\nFailed to configure hba %d (error %d: %s)\n", id, status, status_text(status));
    return 1;
  }
  return 0;
}

uint32_t set_driver(const O& o) {
  const uint32_t mode = given(o.driver_mode) ? static_cast<uint32_t>(o.driver_mode) : QX_DRIVER_MODE_UNSET;
  if (QX_SetDriverMode(static_cast<uint8_t>(o.id), mode) != kOk) {
    shell::print_text("\nFailed to configure driver mode\n");
    return 1;
  }
  shell::print_text(mode != QX_DRIVER_POWER_SAVING ? "\nDriver has been set to performance mode.\n"
                                                   : "\nDriver has been set to power saving mode.\n");
  shell::print_text("It will take effect after you reboot the system.\n");
  return 0;
}

}  // namespace

uint32_t cmd_set(int argc, char** argv, const CommandEntry& self) {
  O o;
  Object object = Object::kNone;
  shell::OptionScan scan(option_table(), argc, argv);
  for (int option; (option = scan.next()) != -1;) {
    const char* arg = scan.arg();
    if (std::optional<bool> shared = read_shared_set_option(option, arg, o)) {
      if (!*shared) return 1;
      continue;
    }
    bool ok = true;
    switch (option) {
      case shell::kOutputOption:
        break;
      case 'o':
        object = read_object(arg);
        ok = object != Object::kNone;
        break;
      case 'r':
        ok = read_rate(arg, {'r', "BGA rate", "BGA rate"}, o.bga_rate);
        break;
      case 'm':
        ok = shell::require_decimal(arg, "-m : invalid mode '%s'\n", arg);
        if (ok) o.schedule_mode = shell::decimal_value(arg);
        break;
      case 't':
        ok = shell::require_decimal(arg, "-t : invalid time '%s'\n", arg);
        if (ok) o.schedule_days = shell::decimal_value(arg);
        if (ok && o.schedule_days != 7 && o.schedule_days != 30) {
          shell::print_text("time must be 7 or 30.\n");
          ok = false;
        }
        break;
      case '?':
        return 1;
      default:
        if (apply_switch(option, kOwnSwitches, o)) break;
        return shell::print_command_help(self);
    }
    if (!ok) return 1;
  }
  if (scan.duplicated()) return shell::duplicated_option();
  const bool name_given = scan.given('n');
  if (name_given && !check_name_characters(o.name)) return 1;
  const bool adapter_object = object == Object::kHba || object == Object::kDriver || object == Object::kSchedule;
  if (!scan.given('i')) {
    if (!adapter_object && !o.clear) return shell::missing_option(self, 'i');
    o.id = current_id();
  }
  if (!scan.given('o')) return shell::missing_option(self, 'o');
  const bool rate_given = scan.given('r');
  switch (object) {
    case Object::kPd: return set_pd(o, name_given, rate_given);
    case Object::kVd: return set_vd(o, name_given, rate_given);
    case Object::kSchedule: return set_schedule(o);
    case Object::kHba: return set_hba(o, name_given, scan.given('s'), scan.given('m'));
    case Object::kLink: return set_link(o.id, o.link_pd);
    case Object::kDriver: return set_driver(o);
    case Object::kNone: break;
  }
  return 0;
}

}  // namespace qx::commands
