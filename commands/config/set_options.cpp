#include "commands/config/set_options.h"

#include <cstdarg>
#include <cstring>
#include <iterator>
#include <vector>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/config/setting_values.h"
#include "shell/handler_support.h"
#include "shell/list_query.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {

namespace {

uint8_t adapter_id() { return shell::state().current_adapter; }

// The switches both forms of `set` have.
constexpr SwitchSpec kSharedSwitches[] = {
    {"readaheadon", &SetOptions::read_ahead, 1},
    {"lookaheadon", &SetOptions::read_ahead, 1},
    {"readaheadoff", &SetOptions::read_ahead, 0},
    {"lookaheadoff", &SetOptions::read_ahead, 0},
    {"writethrough", &SetOptions::cache_policy, QX_VD_CACHE_WRITE_THROUGH},
    {"writeback", &SetOptions::cache_policy, QX_VD_CACHE_WRITE_BACK},
    {"cacheon", &SetOptions::cache, 1},
    {"cacheoff", &SetOptions::cache, 0},
    {"setoffline", &SetOptions::pd_state, 1},
    {"forcesetoffline", &SetOptions::pd_state, 2},
    {"autorebuildon", &SetOptions::auto_rebuild, 1},
    {"autorebuildoff", &SetOptions::auto_rebuild, 0},
    {"smarton", &SetOptions::smart, 1},
    {"smartoff", &SetOptions::smart, 0},
    {"buzzeron", &SetOptions::buzzer, 1},
    {"buzzeroff", &SetOptions::buzzer, 0},
    {"optimizeon", &SetOptions::optimize, 1},
    {"optimizeoff", &SetOptions::optimize, 0},
    {"performance", &SetOptions::driver_mode, QX_DRIVER_PERFORMANCE},
    {"powersaving", &SetOptions::driver_mode, QX_DRIVER_POWER_SAVING},
    {"virtualatapienable", &SetOptions::virtual_atapi, 1},
    {"virtualatapidisable", &SetOptions::virtual_atapi, 0},
    {"moduleconsolidateon", &SetOptions::module_consolidation, 1},
    {"moduleconsolidateoff", &SetOptions::module_consolidation, 0},
    {"rawupdateon", &SetOptions::raw_update, 0},
    {"rawupdateoff", &SetOptions::raw_update, 1},
};

// The switch a code names, if any.
const SwitchSpec* switch_of(int code, std::span<const SwitchSpec> own) {
  const int index = code - shell::kFirstLongOnlyCode;
  const size_t shared = std::size(kSharedSwitches);
  if (index < 0) return nullptr;
  if (static_cast<size_t>(index) < shared) return &kSharedSwitches[index];
  if (static_cast<size_t>(index) - shared < own.size()) return &own[static_cast<size_t>(index) - shared];
  return nullptr;
}

}  // namespace

shell::OptionTable set_option_table(std::initializer_list<shell::OptionSpec> own, std::span<const SwitchSpec> switches) {
  std::vector<shell::OptionSpec> options(own);
  int code = shell::kFirstLongOnlyCode;
  for (const SwitchSpec& s : kSharedSwitches) options.push_back({code++, s.long_name, shell::Arg::kNone, shell::kRepeats});
  for (const SwitchSpec& s : switches) options.push_back({code++, s.long_name, shell::Arg::kNone, shell::kRepeats});
  options.push_back(shell::kOutputEntry);
  options.push_back(shell::kHelpEntry);
  return shell::OptionTable(std::move(options));
}

bool apply_switch(int code, std::span<const SwitchSpec> switches, SetOptions& options) {
  const SwitchSpec* s = switch_of(code, switches);
  if (s == nullptr) return false;
  options.*(s->setting) = s->value;
  return true;
}

bool refuse_capability(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  shell::vprint(fmt, args);
  va_end(args);
  return false;
}

bool read_rate(const char* arg, const RateNames& names, int& stored) {
  if (!shell::is_decimal_number(arg)) {
    shell::print("-%c : invalid %s '%s'\n", names.letter, names.invalid, arg);
    return false;
  }
  const int32_t percent = shell::decimal_value(arg);
  if (percent > 100) {
    shell::print("-%c : %s out of range (0~%d)\n", names.letter, names.range, 100);
    return false;
  }
  stored = rate_to_stored(percent);
  return true;
}

bool read_set_name(const char* arg, SetOptions& options) {
  if (shell::argument_length(arg) > kSetNameLength) {
    shell::print("-n : length of name should be no more than %d characters\n", static_cast<int>(kSetNameLength));
    return false;
  }
  shell::copy_argument(options.name, arg, kSetNameLength + 1);
  return true;
}

bool read_serial(const char* arg, SetOptions& options) {
  if (shell::argument_length(arg) > kSetTextLength) {
    shell::print("-s : serial number should not have more than %d characters\n", static_cast<int>(kSetTextLength));
    return false;
  }
  shell::copy_argument(options.serial, arg, kSetTextLength + 1);
  // Blank-padded to the field's width; an empty serial stays empty and is
  // then not written.
  if (options.serial[0] != '\0') {
    const size_t length = std::strlen(options.serial);
    std::memset(options.serial + length, ' ', kSetTextLength - length);
    options.serial[kSetTextLength] = '\0';
  }
  return true;
}

std::optional<bool> read_shared_set_option(int option, const char* arg, SetOptions& options) {
  switch (option) {
    case 'i':
      if (!shell::require_decimal(arg, "-i : invalid id '%s'\n", arg)) return false;
      options.id = static_cast<uint16_t>(shell::decimal_value(arg));
      return true;
    case 'd':
      if (!shell::require_decimal(arg, "-d : invalid pd id '%s'\n", arg)) return false;
      options.link_pd = static_cast<uint16_t>(shell::decimal_value(arg));
      return true;
    case 'n':
      return read_set_name(arg, options);
    case 's':
      return read_serial(arg, options);
    default:
      return std::nullopt;
  }
}

uint8_t read_pd_config(uint16_t pd_id, QX_PD_CONFIG& record) {
  const uint8_t status = shell::query_one<QX_PD_CONFIG>(QX_PD_GetConfig, adapter_id(), pd_id, record);
  if (status != kOk)
    shell::print("\nUnable to get configuration data of PD %d (error %d: %s).\n", pd_id, status, status_text(status));
  return status;
}

uint32_t set_pd_cache(uint16_t pd_id, int on, const QX_PD_CONFIG* already_read) {
  QX_PD_CONFIG record{};
  if (already_read != nullptr) {
    record = *already_read;
  } else if (read_pd_config(pd_id, record) != kOk) {
    return 1;
  }
  if (record.write_cache == on) return kContinue;
  record.write_cache = static_cast<uint8_t>(on);
  const uint8_t status = QX_PD_SetConfig(adapter_id(), pd_id, &record);
  if (status != kOk) {
    shell::print("\nFailed to configure PD %d (error %d: %s)\n", pd_id, status, status_text(status));
    return status;
  }
  return kContinue;
}

uint32_t set_pd_state(uint16_t pd_id, int state) {
  if (shell::current_adapter_info().adv_features & QX_ADV_NO_SET_FREE) {
    shell::print_text("\nThis product does not support set disk free command.\n");
    return kResultNotSupported;
  }
  const uint8_t status = QX_PD_SetHDStatus(adapter_id(), pd_id, static_cast<uint8_t>(state));
  if (status != kOk) {
    shell::print("\nFailed to set status on PD %d (error %d: %s)\n", pd_id, status, status_text(status));
    return status;
  }
  return kContinue;
}

uint32_t read_vd_config(uint16_t vd_id, QX_VD_CONFIG& record) {
  const uint8_t status = shell::query_one<QX_VD_CONFIG>(QX_LD_GetConfig, adapter_id(), vd_id, record);
  if (status != kOk) {
    shell::print("\nUnable to get configuration info of VD %d (error %d: %s)\n", vd_id, status, status_text(status));
    return 1;
  }
  return kContinue;
}

uint32_t write_vd_config(uint16_t vd_id, const QX_VD_CONFIG& record) {
  const uint8_t status = QX_LD_SetConfig(adapter_id(), vd_id, &record);
  if (status != kOk) {
    shell::print("\nFailed to configure VD %d (error %d: %s)\n", vd_id, status, status_text(status));
    return status;
  }
  return kContinue;
}

uint32_t set_link(uint16_t vd_id, uint16_t pd_id) {
  const QX_VD_PD_LINK link{vd_id, pd_id};
  const uint8_t status = QX_VDHDD_AddLink(adapter_id(), &link);
  if (status != kOk) {
    shell::print("\nFailed to change vd %d linked pd %d (error %d: %s)\n", vd_id, pd_id, status, status_text(status));
    return status;
  }
  return kOk;
}

int requested_cache_code(const SetOptions& o) {
  if (o.cache_policy != kNotGiven) return o.cache_policy;
  if (o.cache != kNotGiven) return o.cache == 1 ? QX_VD_CACHE_WRITE_BACK : QX_VD_CACHE_WRITE_THROUGH;
  return kNotGiven;
}

}  // namespace qx::commands
