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
bool read_pd_list(const char* list, QX_CREATE_VD_REQUEST& r) {
  for (const char* at = list;;) {
    if (!std::isdigit(static_cast<unsigned char>(*at))) return refuse("-d : invalid PD ID '%s'\n", list);
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

// Reads one option; false when it is refused (its message printed).
bool read_option(int option, const char* arg, CreateOptions& o) {
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
      return read_pd_list(arg, r);
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
    case 'n':
      if (shell::argument_length(arg) > kMaxNameLength)
        return refuse("-n : length of name should be no more than %d characters\n", static_cast<int>(kMaxNameLength));
      shell::copy_argument(r.name, arg, kMaxNameLength + 1);
      return true;
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
                                            CreateOptions& options) {
  options.request.stripe_kb = kDefaultStripeKb;
  options.request.always_one = 1;
  for (int option; (option = scan.next()) != -1;) {
    switch (option) {
      case shell::kOutputOption:
      case kWaiveConfirmationOption:
      case kForceSizeOption:
        break;
      case 'r': case 'd': case 'b': case 'c': case 'w': case 'p': case 'i': case 'g': case 'n': case 'q': case 's':
      case 'o':
        if (!read_option(option, scan.arg(), options)) return 1;
        break;
      default:  // -h, and -t, which means nothing else
        return shell::other_option(option, self);
    }
  }
  return std::nullopt;
}

}  // namespace qx::commands
