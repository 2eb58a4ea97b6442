#include "commands/config/create_options.h"

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstring>
#include <limits>

#include "api/raid_levels.h"
#include "commands/config/create_rules.h"
#include "platform/format.h"
#include "shell/handler_support.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {

namespace {

constexpr size_t kMaxNameLength = 10;
constexpr size_t kMaxArrayNameLength = 16;  // fills the name field
constexpr uint16_t kDefaultStripeKb = 64;

bool same(const char* a, const char* b) { return shell::equals_ignoring_case(a, b); }

// The value of a decimal option text in a field of type T. A value too large
// for the field becomes the field's largest, which the checks then refuse,
// rather than wrapping round to a small value that could pass them.
template <class T>
T field_value(const char* text) {
  const long value = shell::decimal_value(text);
  return value > static_cast<long>(std::numeric_limits<T>::max()) ? std::numeric_limits<T>::max()
                                                                    : static_cast<T>(value);
}

// Prints why an option is refused; false, so that `return refuse(...)` ends
// the option's reading.
bool refuse(const char* fmt, ...) QX_PRINTF_FORMAT(1, 2);
bool refuse(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  shell::vprint(fmt, args);
  va_end(args);
  return false;
}

// "-d 0,1,2": a digit must start the list and follow every comma; each id
// counts once.
bool read_pd_list(const char* list, QX_CREATE_VD_REQUEST& r, bool on_arrays) {
  for (const char* at = list;;) {
    if (!std::isdigit(static_cast<unsigned char>(*at)))
      return refuse(on_arrays ? "-d : invalid PD IDs '%s'\n" : "-d : invalid PD ID '%s'\n", list);
    const auto id = field_value<uint16_t>(at);
    if (std::find(r.pd_ids, r.pd_ids + r.pd_count, id) == r.pd_ids + r.pd_count) {
      if (r.pd_count == QX_MAX_CREATE_PDS) return refuse("-d : no more than %d PDs can be given\n", QX_MAX_CREATE_PDS);
      r.pd_ids[r.pd_count++] = id;
    }
    at = std::strchr(at, ',');
    if (at == nullptr) return true;
    ++at;
  }
}

// "auto" for -c and -w: the battery decides the write cache, where there is one.
bool set_auto_cache(QX_CREATE_VD_REQUEST& r) {
  if (!(shell::current_adapter_info().adv_features & QX_ADV_BBU)) return refuse("'auto' cache mode is not supported\n");
  r.cache_policy |= QX_CACHE_AUTO;
  return true;
}

// The options only array-capable adapters have, and those whose meaning
// or wording differs there; nothing for the others.
std::optional<bool> read_array_option(int option, const char* arg, CreateOptions& o) {
  QX_CREATE_VD_REQUEST& r = o.request;
  switch (option) {
    case 'o':
      if (same(arg, "vd")) {
        o.object = CreateObject::kVd;
      } else if (same(arg, "array")) {
        o.object = CreateObject::kArray;
      } else if (same(arg, "packagevd")) {
        o.object = CreateObject::kPackageVd;
      } else if (same(arg, "auto")) {
        o.object = CreateObject::kAuto;
      } else {
        return refuse("-o : invalid object '%s'\n", arg);
      }
      return true;
    case 'a':
      if (!shell::require_decimal(arg, "-a : invalid array id '%s'\n", arg)) return false;
      o.array_id = field_value<uint16_t>(arg);
      return true;
    case 'l':
      if (!shell::require_decimal(arg, "-l : invalid slot number '%s'\n", arg)) return false;
      o.slot = field_value<uint8_t>(arg);
      return true;
    case 't':
      if (same(arg, "enable")) {
        o.protection = QX_QUICK_CREATE_PROTECTED;
      } else if (same(arg, "disable")) {
        o.protection = QX_QUICK_CREATE_UNPROTECTED;
      } else {
        return refuse("-t : invalid create type '%s'\n", arg);
      }
      return true;
    case 'b':
      if (!shell::require_decimal(arg, "-b : invalid stripe block size '%s'.\n", arg)) return false;
      r.stripe_kb = field_value<uint16_t>(arg);
      if (!stripe_size_supported(r.stripe_kb))
        return refuse("-b : invalid stripe block size '%s'. Please refer to info -o hba command to get detail stripe "
                      "size support information.\n",
                      arg);
      return true;
    case 'c':
    case 'w': {
      const uint8_t adapter_id = shell::state().current_adapter;
      if (shell::current_adapter_info().adv_features & QX_ADV_NO_VD_WRITE_CACHE)
        return refuse(option == 'c' ? "VD cache is not supported on adapter %d.\n"
                                    : "VD write cache is not supported on adapter %d.\n",
                      adapter_id);
      if (same(arg, option == 'c' ? "off" : "wt")) {
        r.cache_policy |= QX_CACHE_WRITE_THROUGH;
      } else if (same(arg, "auto")) {
        return set_auto_cache(r);
      } else if (!same(arg, option == 'c' ? "on" : "wb")) {
        return refuse(option == 'c' ? "-c : invalid cache mode '%s'\n" : "-w : invalid write policy '%s'\n", arg);
      }
      return true;
    }
    case 'g':
      if (shell::current_adapter_info().adv_features & QX_ADV_NO_ROUNDING)
        return refuse("giga byte rounding scheme is not support\n");
      return std::nullopt;
    case 'i':
      if (same(arg, "foreground")) {
        r.init_mode = QX_INIT_FOREGROUND;
        return true;
      }
      return std::nullopt;
    case 's':
      if (!shell::is_decimal_number(arg) || shell::decimal_value(arg) == 0) return refuse("-s : invalid size '%s'.\n", arg);
      o.size_mb = static_cast<uint64_t>(shell::decimal_value(arg));
      return true;
    default:
      return std::nullopt;
  }
}

// Reads one option; false when it is refused (its message printed).
bool read_option(int option, const char* arg, CreateOptions& o, bool on_arrays) {
  if (on_arrays) {
    if (std::optional<bool> read = read_array_option(option, arg, o)) return *read;
  }
  QX_CREATE_VD_REQUEST& r = o.request;
  const QX_ADAPTER_INFO& adapter = shell::current_adapter_info();
  const uint8_t adapter_id = shell::state().current_adapter;
  switch (option) {
    case 'r':
      r.raid_level = shell::raid_mode_code(arg);
      if (r.raid_level == shell::kNoCode) return refuse("-r : invalid raid mode %s\n", arg);
      if (is_tier_level(r.raid_level)) r.tier_marker = QX_TIER_MARKER;
      return true;
    case 'd':
      return read_pd_list(arg, r, on_arrays);
    case 'b':
      if (!shell::require_decimal(arg, "-b : invalid stripe block size '%s'.\n", arg)) return false;
      r.stripe_kb = field_value<uint16_t>(arg);
      if (!stripe_size_supported(r.stripe_kb))
        return refuse("-b : invalid stripe block size '%s'.Please refer to info -o hba command to get detail stripe size "
               "support information.\n",
               arg);
      return true;
    case 'c':
      if (adapter.adv_features & QX_ADV_NO_VD_WRITE_CACHE) return refuse("VD cache is not supported on adapter %d.\n", adapter_id);
      if (same(arg, "off")) {
        r.cache_policy = QX_CACHE_WRITE_THROUGH;
      } else if (same(arg, "on")) {
        r.cache_policy = 0;
      } else {
        return refuse("-c : invalid cache mode '%s'\n", arg);
      }
      return true;
    case 'w':
      if (adapter.adv_features & QX_ADV_NO_VD_WRITE_CACHE)
        return refuse("VD write cache is not supported on adapter %d.\n", adapter_id);
      if (same(arg, "wt")) {
        r.cache_policy |= QX_CACHE_WRITE_THROUGH;
      } else if (!same(arg, "wb")) {
        return refuse("-w : invalid write policy '%s'\n", arg);
      }
      return true;
    case 'p':
      if (adapter.adv_features & QX_ADV_NO_VD_READ_CACHE)
        return refuse("VD read cache is not supported on adapter %d.\n", adapter_id);
      if (same(arg, "ra")) {
        r.cache_policy |= QX_CACHE_READ_AHEAD;
      } else if (!same(arg, "none")) {
        return refuse("-p : invalid read policy '%s'\n", arg);
      }
      return true;
    case 'i':
      if (same(arg, "none")) {
        r.init_mode = QX_INIT_NONE;
      } else if (same(arg, "quick")) {
        r.init_mode = QX_INIT_QUICK;
      } else if (same(arg, "intelligent")) {
        r.init_mode = QX_INIT_INTELLIGENT;
      } else if (same(arg, "background")) {
        r.init_mode = QX_INIT_BACKGROUND;
        if (!(adapter.features & QX_FEATURE_BACKGROUND_INIT))
          return refuse("-i : initialization mode '%s' is not supported\n", arg);
      } else {
        return refuse("-i : invalid initialization mode '%s'\n", arg);
      }
      return true;
    case 'g': {
      if (adapter.adv_features & QX_ADV_NO_ROUNDING) return refuse("Gigabyte rounding scheme is not supported\n");
      const long scheme = shell::is_decimal_number(arg) ? shell::decimal_value(arg) : -1;
      if (scheme == 0) {
        r.rounding = QX_ROUNDING_NONE;
      } else if (scheme == 1) {
        r.rounding = QX_ROUNDING_1GB;
      } else if (scheme == 10) {
        r.rounding = QX_ROUNDING_10GB;
      } else {
        return refuse("-g : invalid giga byte rounding scheme '%s'\n", arg);
      }
      return true;
    }
    case 'n': {
      const size_t most = on_arrays ? kMaxArrayNameLength : kMaxNameLength;
      if (shell::argument_length(arg) > most)
        return refuse("-n : length of name should be no more than %d characters\n", static_cast<int>(most));
      char name[kMaxArrayNameLength + 1] = {};
      shell::copy_argument(name, arg, most + 1);
      o.name = name;
      std::memcpy(r.name, name, std::min(o.name.size(), sizeof r.name));
      return true;
    }
    case 'q':
      if (!shell::require_decimal(arg, "-q : invalid number of parity disks '%s'\n", arg)) return false;
      r.parity_disks = field_value<uint8_t>(arg);
      return true;
    case 's':
      if (!shell::require_decimal(arg, "-s : invalid size '%s'.\n", arg)) return false;
      o.size_mb = static_cast<uint64_t>(shell::decimal_value(arg));
      return true;
    case 'o':
      if (same(arg, "array")) return refuse("-o : array is not supported on this adapter\n");
      return true;
    default:
      return true;
  }
}

}  // namespace

const shell::OptionTable& create_array_option_table() {
  using shell::Arg;
  using shell::kOnce;
  using shell::kRepeats;
  static const shell::OptionTable table{
      {'c', "cachemode", Arg::kRequired, kRepeats},
      {'o', "object", Arg::kRequired, kRepeats},
      {'a', "arrayid", Arg::kRequired, kOnce},
      {'l', "slot", Arg::kRequired, kRepeats},
      {'n', "name", Arg::kRequired, kOnce},
      {'r', "raidmode", Arg::kRequired, kOnce},
      {'q', "paritydisks", Arg::kRequired, kOnce},
      {'d', "pdid", Arg::kRequired, kOnce},
      {'b', "blocksize", Arg::kRequired, kOnce},
      {'s', "size", Arg::kRequired, kOnce},
      {'w', "writepolicy", Arg::kRequired, kOnce},
      {'p', "readpolicy", Arg::kRequired, kOnce},
      {'g', "gbrounding", Arg::kRequired, kRepeats},
      {'i', "init", Arg::kRequired, kRepeats},
      {'t', "type", Arg::kRequired, kOnce},
      {kWaiveConfirmationOption, "waiveconfirmation", Arg::kNone, kRepeats},
      {kSizeOnlyOption, "sizeonly", Arg::kNone, kRepeats},
      {kCacheOnOption, "cacheon", Arg::kNone, kRepeats},
      {kCacheOffOption, "cacheoff", Arg::kNone, kRepeats},
      shell::kOutputEntry,
      shell::kHelpEntry,
  };
  return table;
}

const shell::OptionTable& create_option_table() {
  using shell::Arg;
  using shell::kOnce;
  using shell::kRepeats;
  static const shell::OptionTable table{
      {'c', "cache", Arg::kRequired, kRepeats},
      {'o', nullptr, Arg::kRequired, kRepeats},
      {'n', "name", Arg::kRequired, kOnce},
      {'r', "raidmode", Arg::kRequired, kOnce, shell::kMustGive},
      {'q', "paritydisks", Arg::kRequired, kOnce},
      {'d', "pdid", Arg::kRequired, kOnce, shell::kMustGive},
      {'b', "blocksize", Arg::kRequired, kOnce},
      {'t', nullptr, Arg::kRequired, kRepeats},  // accepted, and answered with the help
      {'s', "size", Arg::kRequired, kOnce},
      {'w', "writepolicy", Arg::kRequired, kOnce},
      {'p', "readpolicy", Arg::kRequired, kOnce},
      {'g', "gbrounding", Arg::kRequired, kRepeats},
      {'i', "init", Arg::kRequired, kRepeats},
      {kWaiveConfirmationOption, "waiveconfirmation", Arg::kNone, kRepeats},
      {kForceSizeOption, "forcesize", Arg::kNone, kRepeats},
      shell::kOutputEntry,
      shell::kHelpEntry,
  };
  return table;
}

std::optional<uint32_t> read_create_options(shell::OptionScan& scan, const shell::CommandEntry& self,
                                            CreateOptions& options, bool on_arrays) {
  options.request.stripe_kb = kDefaultStripeKb;
  options.request.always_one = 1;
  for (int option; (option = scan.next()) != -1;) {
    switch (option) {
      case shell::kOutputOption:
      case kWaiveConfirmationOption:
      case kForceSizeOption:
      case kSizeOnlyOption:
        break;
      case kCacheOnOption:
      case kCacheOffOption:
        options.array_cache = option == kCacheOnOption;
        break;
      case 'r': case 'd': case 'b': case 'c': case 'w': case 'p': case 'i': case 'g': case 'n': case 'q': case 's':
      case 'o':
        if (!read_option(option, scan.arg(), options, on_arrays)) return 1;
        break;
      case 'a': case 'l': case 't':
        if (on_arrays) {
          if (!read_option(option, scan.arg(), options, on_arrays)) return 1;
          break;
        }
        return shell::other_option(option, self);  // -t on arrays-less adapters means help
      default:  // -h, and -t, which means nothing else
        return shell::other_option(option, self);
    }
  }
  return std::nullopt;
}

}  // namespace qx::commands
