// `set` on array-capable adapters: the settings of a PD, an array, a VD or
// the adapter, the alarm, the battery and a VD's link to a PD. Every change
// that the library accepts is confirmed.
#include <cstring>
#include <iterator>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/config/set_options.h"
#include "commands/config/setting_values.h"
#include "commands/handlers.h"
#include "shell/handler_support.h"
#include "shell/list_query.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

using O = SetOptions;

enum class Object { kNone, kPd, kVd, kHba, kArray, kBbu, kMute, kLink };

// The switches only this form has; the shared ones come first in its table.
constexpr SwitchSpec kOwnSwitches[] = {
    {"auto", &O::cache_policy, QX_VD_CACHE_AUTO},
    {"copybackon", &O::copy_back, 1},
    {"copybackoff", &O::copy_back, 0},
    {"relearn", &O::battery_action, 0},
    {"charge", &O::battery_action, 1},
    {"discharge", &O::battery_action, 2},
    {"stop", &O::battery_action, 3},
};

// Long options with an argument that are answered with the command's help;
// their codes lie beyond the switches'.
constexpr int kUpperOption = shell::kFirstLongOnlyCode + kSwitchCodeRoom;
constexpr int kLowerOption = shell::kFirstLongOnlyCode + kSwitchCodeRoom + 1;


const shell::OptionTable& option_table() {
  using shell::Arg;
  using shell::kOnce;
  using shell::kRepeats;
  static const shell::OptionTable table = set_option_table(
      {
          {'o', "object", Arg::kRequired, kOnce},
          {'i', "id", Arg::kRequired, kOnce},
          {'n', "name", Arg::kRequired, kOnce},
          {'p', "medialpatrolrate", Arg::kRequired, kRepeats},
          {'s', "syncrate", Arg::kRequired, kRepeats},
          {'t', "initrate", Arg::kRequired, kOnce},
          {'b', "rebuildrate", Arg::kRequired, kOnce},
          {'m', "migrationrate", Arg::kRequired, kRepeats},
          {'c', "copybackrate", Arg::kRequired, kOnce},
          {'a', "sataphyctrl", Arg::kRequired, kRepeats},
          {'w', "portnum", Arg::kRequired, kRepeats},
          {'k', "key", Arg::kRequired, kRepeats},
          {'e', "entry", Arg::kRequired, kRepeats},
          {'g', nullptr, Arg::kRequired, kOnce},
          {'y', nullptr, Arg::kRequired, kOnce},
          {'d', nullptr, Arg::kRequired, kRepeats},
          {kUpperOption, "upper", Arg::kRequired, kRepeats},
          {kLowerOption, "lower", Arg::kRequired, kRepeats},
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
  if (same("array")) return Object::kArray;
  if (same("bbu")) return Object::kBbu;
  if (same("mute")) return Object::kMute;
  if (same("link")) return Object::kLink;
  shell::print("-o : invalid object '%s'\n", text);
  return Object::kNone;
}

// Which groups of options were given; each object refuses some of them.
struct Given {
  bool name = false;
  bool rates = false;         // -y, -t, -b, -g, -c
  bool patrol_rate = false;   // -p
  bool adapter_switches = false;  // auto rebuild, SMART, buzzer, copy back, optimization, module consolidation,
                                  // virtual ATAPI
};

Given groups(const O& o, bool name_given) {
  Given g;
  g.name = name_given;
  g.rates = given(o.sync_rate) || given(o.init_rate) || given(o.rebuild_rate) || given(o.migration_rate) ||
            given(o.copy_back_rate);
  g.patrol_rate = given(o.media_patrol_rate);
  g.adapter_switches = given(o.auto_rebuild) || given(o.smart) || given(o.buzzer) || given(o.copy_back) ||
                       given(o.optimize) || given(o.module_consolidation) || given(o.virtual_atapi);
  return g;
}

uint32_t refuse(const char* message) {
  shell::print_text(message);
  return 1;
}

bool pd_in_array(uint16_t pd_id, uint8_t& status) {
  QX_PD_RAID_STATUS entry{};
  status = shell::query_one<QX_PD_RAID_STATUS>(QX_PD_GetHDRaidStatus, current_id(), pd_id, entry);
  return status == kOk && (entry.flags & QX_PD_RAID_IN_USE) != 0;
}

uint32_t set_pd(const O& o, const Given& g) {
  if (g.name || g.rates || g.patrol_rate || given(o.read_ahead) || given(o.cache_policy) || g.adapter_switches ||
      given(o.driver_mode) || given(o.battery_action))
    return refuse("Invalid setting(s) for pd.\n");
  if (o.id == kNoSetId) {
    shell::print("\ninvalid PD id :%d.\n", kNoSetId);
    return 1;
  }
  if (!given(o.cache) && !given(o.pd_state)) return refuse("The configuration parameter for PD must be set.\n");
  if (given(o.cache) && (shell::current_adapter_info().adv_features & QX_ADV_NO_PD_CACHE)) {
    shell::print_text("\nThis product does not support turning disk cache settings on/off.\n");
    return kResultNotSupported;
  }
  uint8_t status = kOk;
  const bool in_array = pd_in_array(o.id, status);
  if (status != kOk) {
    shell::print("\nUnable to get raid status of PD %d (error %d: %s).\n", o.id, status, status_text(status));
    return 1;
  }
  if (given(o.cache) && in_array) {
    shell::print("\nPD %d has been set by array. Please change property \"Write Cache\" in array.\n", o.id);
    return 1;
  }
  QX_PD_CONFIG record{};
  if (read_pd_config(o.id, record) != kOk) return 1;
  if (given(o.cache))
    if (const uint32_t step = set_pd_cache(o.id, o.cache, &record); step != kContinue) return step;
  if (given(o.pd_state))
    if (const uint32_t step = set_pd_state(o.id, o.pd_state); step != kContinue) return step;
  shell::print("Set configuration parameter(s) of PD %d successful.\n", o.id);
  return 0;
}

uint32_t set_array(const O& o, const Given& g, bool name_given) {
  if (g.rates || g.patrol_rate || given(o.read_ahead) || given(o.cache_policy) || given(o.pd_state) ||
      g.adapter_switches || given(o.driver_mode) || given(o.battery_action))
    return refuse("Invalid setting(s) for Array.\n");
  if (o.id == kNoSetId) {
    shell::print("\ninvalid array id :%d.\n", kNoSetId);
    return 1;
  }
  QX_ARRAY_CONFIG record{};
  uint8_t status = shell::query_one<QX_ARRAY_CONFIG>(QX_DG_GetConfig, current_id(), o.id, record);
  if (status != kOk) {
    shell::print("\nUnable to get configuration data of array %d (error %d: %s).\n", o.id, status,
                 status_text(status));
    return 1;
  }
  if (name_given) {
    std::memset(record.name, 0, sizeof record.name);
    std::strncpy(record.name, o.name, sizeof record.name - 1);
  }
  if (given(o.cache)) record.write_cache = static_cast<uint8_t>(o.cache);
  if (!name_given && !given(o.cache)) return refuse("The configuration parameter for Array must be set.\n");
  status = QX_DG_SetConfig(current_id(), o.id, &record);
  if (status != kOk) {
    shell::print("\nFailed to configure array %d (error %d: %s)\n", o.id, status, status_text(status));
    return status;
  }
  shell::print("Set configuration parameter(s) of Array %d successful.\n", o.id);
  return 0;
}

uint32_t set_vd(const O& o, const Given& g, bool name_given) {
  if (g.rates || g.patrol_rate) return refuse("Invalid setting(s) for VD.\n");
  if (o.id == kNoSetId) {
    shell::print("\nInvalid virtual disk id :%d.\n", kNoSetId);
    return 1;
  }
  if (given(o.pd_state) || g.adapter_switches || given(o.driver_mode) || given(o.battery_action))
    return refuse("Invalid setting(s) for VD.\n");
  const int code = requested_cache_code(o);
  const uint32_t adv = shell::current_adapter_info().adv_features;
  if (given(code) && (adv & QX_ADV_NO_VD_WRITE_CACHE)) {
    shell::print("VD cache is not supported on adapter %d.\n", current_id());
    return 1;
  }
  if (given(o.read_ahead) && (adv & QX_ADV_NO_VD_READ_CACHE)) {
    shell::print("VD read cache is not supported on adapter %d.\n", current_id());
    return 1;
  }
  QX_VD_CONFIG record{};
  if (const uint32_t step = read_vd_config(o.id, record); step != kContinue) return step;
  if (code == QX_VD_CACHE_AUTO && !(adv & QX_ADV_BBU)) {
    shell::print("'auto' cache mode is not supported on adapter %d\n", current_id());
    return 1;
  }
  if (given(code))
    record.cache_flags = static_cast<uint8_t>((record.cache_flags & ~QX_VD_CACHE_POLICY_MASK) | code);
  if (name_given) {
    std::memset(record.name, 0, sizeof record.name);
    std::strncpy(record.name, o.name, sizeof record.name - 1);
  }
  if (o.read_ahead == 1) record.cache_flags |= QX_VD_CACHE_READ_AHEAD;
  if (o.read_ahead == 0) record.cache_flags &= static_cast<uint8_t>(~QX_VD_CACHE_READ_AHEAD);
  if (!given(code) && !name_given && !given(o.read_ahead))
    return refuse("The configuration parameter for VD must be set.\n");
  if (const uint32_t step = write_vd_config(o.id, record); step != kContinue) return step;
  shell::print("Set configuration parameter(s) of VD %d successful.\n", o.id);
  return 0;
}

bool hba_capabilities_present(const O& o) {
  const QX_ADAPTER_INFO& info = shell::current_adapter_info();
  const int adapter = current_id();
  const auto feature = [&](uint8_t bit) { return (info.features & bit) != 0; };
  const auto advanced = [&](uint32_t bit) { return (info.adv_features & bit) != 0; };
  const bool no_auto_rebuild = (info.device_id >= 0x6001 && info.device_id <= 0x6400) || !feature(QX_FEATURE_REBUILD);
  if (given(o.buzzer) && info.buzzer == 0) return refuse_capability("Buzzer setting is not supported on adapter %d.\n", adapter);
  if (given(o.auto_rebuild) && no_auto_rebuild)
    return refuse_capability("Auto rebuild setting is not supported on adapter %d.\n", adapter);
  if (given(o.copy_back) && !feature(QX_FEATURE_COPY_BACK))
    return refuse_capability("Copyback is not supported on adapter %d.\n", adapter);
  if (given(o.media_patrol_rate) && !feature(QX_FEATURE_PD_BGA_STATUS))
    return refuse_capability("Media patrol rate is not supported on adapter %d.\n", adapter);
  if (given(o.sync_rate) && !feature(QX_FEATURE_SYNCHRONIZE))
    return refuse_capability("Synchronize rate setting is not supported on adapter %d.\n", adapter);
  if (given(o.init_rate) && !feature(QX_FEATURE_BACKGROUND_INIT))
    return refuse_capability("Initialize rate setting is not supported on adapter %d.\n", adapter);
  if (given(o.rebuild_rate) && !feature(QX_FEATURE_REBUILD))
    return refuse_capability("Rebuild rate setting is not supported on adapter %d.\n", adapter);
  if (given(o.migration_rate) && !feature(QX_FEATURE_MIGRATION))
    return refuse_capability("Migration rate setting is not supported on adapter %d.\n", adapter);
  if (given(o.copy_back_rate) && !feature(QX_FEATURE_COPY_BACK))
    return refuse_capability("Copyback rate setting is not supported on adapter %d.\n", adapter);
  if (given(o.optimize) && !advanced(QX_ADV_CPU_EFFICIENCY))
    return refuse_capability("Optimize CPU efficiency setting is not supported on adapter %d.\n", adapter);
  if (given(o.module_consolidation) && !advanced(QX_ADV_MODULE_CONSOLIDATE))
    return refuse_capability("Module consolidate setting is not supported on adapter %d.\n", adapter);
  // This form refuses SMART polling where the advanced bit is set.
  if (given(o.smart) && advanced(QX_ADV_SMART_POLL))
    return refuse_capability("Smart setting is not supported on adapter %d.\n", adapter);
  if (given(o.virtual_atapi) && !advanced(QX_ADV_VIRTUAL_ATAPI))
    return refuse_capability("Module virtual atapi is not supported on adapter %d.\n", adapter);
  return true;
}

void put(uint8_t& field, int value) {
  if (given(value)) field = static_cast<uint8_t>(value);
}

uint32_t set_hba(const O& o, bool name_given, bool serial_given, bool model_given) {
  if (name_given || given(o.read_ahead) || given(o.cache_policy) || given(o.cache) || given(o.pd_state) ||
      given(o.driver_mode) || given(o.battery_action))
    return refuse("Invalid setting(s) for HBA.\n");
  if (!hba_capabilities_present(o)) return 1;
  const uint8_t id = static_cast<uint8_t>(o.id);
  uint8_t count = 0;
  QX_ADAPTER_CONFIG records[QX_ADAPTER_CONFIG_MAX] = {};
  uint8_t status = QX_Adapter_GetConfig(id, &count, records);
  if (status != kOk) {
    shell::print("\nUnable to get configuration info on adapter %d (error %d: %s)\n", id, status, status_text(status));
    return 1;
  }
  QX_ADAPTER_CONFIG& r = records[0];
  const bool serial = serial_given && o.serial[0] != '\0';
  const bool model = model_given && o.model[0] != '\0';
  if (serial) copy_padded(r.serial, o.serial);
  if (model) copy_unpadded(r.model, o.model);
  const int* const values[] = {&o.auto_rebuild, &o.optimize, &o.sync_rate, &o.init_rate, &o.rebuild_rate,
                               &o.migration_rate, &o.copy_back_rate, &o.media_patrol_rate, &o.smart, &o.buzzer,
                               &o.module_consolidation, &o.copy_back, &o.raw_update, &o.virtual_atapi};
  uint8_t* const fields[] = {&r.auto_rebuild, &r.cpu_optimization, &r.sync_rate, &r.init_rate, &r.rebuild_rate,
                             &r.migration_rate, &r.copy_back_rate, &r.media_patrol_rate, &r.smart_polling, &r.buzzer,
                             &r.module_consolidation, &r.copy_back, &r.raw_update, &r.virtual_atapi};
  bool any = serial || model;
  for (size_t i = 0; i < std::size(fields); ++i) {
    put(*fields[i], *values[i]);
    any = any || given(*values[i]);
  }
  if (!any) return refuse("The configuration parameter for Adapter must be set.\n");
  status = QX_Adapter_SetConfig(id, &r);
  if (status != kOk) {
    shell::print("\nFailed to configure adapter %d (error %d: %s)\n", id, status, status_text(status));
    return 1;
  }
  shell::print("Set configuration parameter(s) of Adapter %d successful.\n", id);
  return 0;
}

// Any switch other than the raw-update ones (and, for the battery, its actions).
bool other_switch(const O& o, bool battery_allowed) {
  return given(o.read_ahead) || given(o.cache_policy) || given(o.cache) || given(o.pd_state) ||
         given(o.auto_rebuild) || given(o.smart) || given(o.buzzer) || given(o.copy_back) || given(o.optimize) ||
         given(o.driver_mode) || given(o.module_consolidation) || given(o.virtual_atapi) ||
         (!battery_allowed && given(o.battery_action));
}

uint32_t set_mute(const O& o, const Given& g) {
  if (g.name || g.rates || g.patrol_rate || other_switch(o, false)) return refuse("Invalid setting(s) for mute.\n");
  const shell::ShellState& shell_state = shell::state();
  if (o.id >= shell_state.adapter_count || shell_state.adapters[o.id].buzzer == 0)
    return refuse("Mute is not supported.\n");
  const uint8_t status = QX_AdapterMute(static_cast<uint8_t>(o.id));
  if (status != kOk) {
    shell::print("\nFailed to mute on adapter %d (error %d: %s)\n", o.id, status, status_text(status));
    return 1;
  }
  shell::print("Set configuration parameter(s) of mute on HBA %d successful.\n", o.id);
  return 0;
}

const char* battery_action_name(int action) {
  switch (action) {
    case 1: return "charge";
    case 2: return "discharge";
    case 3: return "stop action";
    default: return "relearn";
  }
}

uint32_t set_bbu(const O& o, const Given& g) {
  if (g.name || g.rates || g.patrol_rate || other_switch(o, true)) return refuse("Invalid setting(s) for BBU.\n");
  const uint8_t id = static_cast<uint8_t>(o.id);
  QX_BBU_INFO info{};
  uint8_t status = QX_BBU_GetInfo(id, &info);
  if (status != kOk) {
    shell::print("Unable to get info of BBU. (error %d: %s).\n", status, status_text(status));
    return status;
  }
  if (info.present == 0) return refuse("No BBU is found.\n");
  if (!given(o.battery_action)) return refuse("The configuration parameter for BBU must be set.\n");
  shell::print_text("Please DONT reboot/shutdown system when do BBU relearn.\n");
  status = QX_BBU_ChangePower(id, static_cast<uint8_t>(o.battery_action));
  if (status != kOk) {
    shell::print("\nFailed to change BBU power to %s on hba %d (error %d: %s)\n", battery_action_name(o.battery_action),
                 id, status, status_text(status));
    return 1;
  }
  shell::print("Set configuration parameter(s) of BBU on HBA %d successful.\n", id);
  return 0;
}

}  // namespace

uint32_t cmd_set_array(int argc, char** argv, const CommandEntry& self) {
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
      case 'e':
        ok = shell::require_decimal(arg, "-e : invalid id '%s'\n", arg);
        break;
      case 'm':
        if (shell::argument_length(arg) > kSetTextLength) {
          shell::print("-m : model should not have more than %d character\n", static_cast<int>(kSetTextLength));
          ok = false;
        } else {
          shell::copy_argument(o.model, arg, kSetTextLength + 1);
        }
        break;
      case 'y':
        ok = read_rate(arg, {'s', "Synchronization rate", "Synchronization rate"}, o.sync_rate);
        break;
      case 't':
        ok = read_rate(arg, {'t', "initialization rate", "initialization rate"}, o.init_rate);
        break;
      case 'b':
        ok = read_rate(arg, {'b', "rebuild rate", "rebuild rate"}, o.rebuild_rate);
        break;
      case 'g':
        ok = read_rate(arg, {'m', "migration rate", "migration rate"}, o.migration_rate);
        break;
      case 'c':
        ok = read_rate(arg, {'c', "copy back rate", "copy back rate"}, o.copy_back_rate);
        break;
      case 'p':
        ok = read_rate(arg, {'p', "media patrol rate", "Media Patrol rate"}, o.media_patrol_rate);
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
  if (!scan.given('i')) o.id = current_id();
  if (!scan.given('o')) return shell::missing_option(self, 'o');
  const Given g = groups(o, name_given);
  switch (object) {
    case Object::kPd: return set_pd(o, g);
    case Object::kArray: return set_array(o, g, name_given);
    case Object::kVd: return set_vd(o, g, name_given);
    case Object::kHba: return set_hba(o, name_given, scan.given('s'), scan.given('m'));
    case Object::kMute: return set_mute(o, g);
    case Object::kBbu: return set_bbu(o, g);
    case Object::kLink: return set_link(o.id, o.link_pd);
    case Object::kNone: break;
  }
  return 0;
}

}  // namespace qx::commands
