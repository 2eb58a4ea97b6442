#include "commands/bga/migrate_options.h"

#include "api/raid_levels.h"
#include "api/records.h"
#include "commands/bga/pd_list.h"
#include "commands/bga/steer.h"
#include "shell/handler_support.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {

namespace {

using shell::Arg;
const shell::OptionTable kOptions{
    {'a', "action", Arg::kRequired, shell::kOnce},
    {'l', "id", Arg::kRequired, shell::kOnce, shell::kMustGive},
    {'r', "raidmode", Arg::kRequired, shell::kOnce},
    {'q', "paritydisks", Arg::kRequired, shell::kOnce},
    {'d', "pdid", Arg::kRequired, shell::kOnce},
    shell::kOutputEntry,
    shell::kHelpEntry,
};

MigrateParse ends(uint32_t result) { return {std::nullopt, result}; }

bool read_action(const char* value, MigrateVariant variant, uint8_t& action) {
  action = shell::bga_action_code(value);
  if (action == shell::kNoCode && shell::equals_ignoring_case(value, "size")) action = kMigrateSize;
  const bool known = action != shell::kNoCode && !(variant == MigrateVariant::kArray && action == QX_BGA_ACTION_STOP);
  if (!known) shell::print("-a : invalid action '%s'\n", value);
  return known;
}

// The adapter's migration feature; prints the variant's refusal.
bool can_migrate(MigrateVariant variant) {
  if (shell::current_adapter_info().features & QX_FEATURE_MIGRATION) return true;
  if (variant == MigrateVariant::kVd)
    shell::print_text("This adapter does not support migration.\n");
  else
    shell::print("Migration is not supported on adapter %d.\n", shell::state().current_adapter);
  return false;
}

}  // namespace

MigrateParse parse_migrate_options(int argc, char** argv, const shell::CommandEntry& self, MigrateVariant variant) {
  MigrateOptions o;
  o.action = QX_BGA_ACTION_START;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int option; (option = scan.next()) != -1;) {
    switch (option) {
      case shell::kOutputOption: break;
      case 'a':
        if (!read_action(scan.arg(), variant, o.action)) return ends(1);
        break;
      case 'l':
        if (!shell::require_decimal(scan.arg(), "-l : invalid VD id '%s'\n", scan.arg())) return ends(1);
        o.id = static_cast<uint16_t>(shell::decimal_value(scan.arg()));
        break;
      case 'r':
        o.level = shell::raid_mode_code(scan.arg());
        if (*o.level == shell::kNoCode) {
          shell::print("-r : invalid raid mode %s\n", scan.arg());
          return ends(1);
        }
        break;
      case 'q':
        if (!shell::require_decimal(scan.arg(), "-q : invalid number of parity disks '%s'\n", scan.arg()))
          return ends(1);
        o.parity = shell::decimal_value(scan.arg());
        break;
      case 'd':
        o.pds = parse_pd_list(scan.arg(), {true, QX_MAX_MIGRATE_PDS});
        if (!o.pds) return ends(1);
        break;
      default: return ends(shell::other_option(option, self));
    }
  }
  if (!can_migrate(variant)) return ends(1);
  if (scan.duplicated()) return ends(shell::duplicated_option());
  if (scan.report_missing(self)) return ends(1);
  if (o.action == QX_BGA_ACTION_START && !o.level && !o.pds) {
    shell::print("%s: one of -r or -d option must be specified\n", self.name);
    return ends(1);
  }
  return {o, 0};
}

std::optional<uint8_t> check_start_rules(uint8_t level_now, uint8_t level, int count, std::optional<int> parity,
                                         MigrateVariant variant, const char* degraded) {
  const QX_ADAPTER_INFO& adapter = shell::current_adapter_info();
  if (!migration_level_supported(adapter.raid_modes, level)) {
    shell::print_text("Specified RAID mode is not supported.\n");
    return std::nullopt;
  }
  if (redundancy_class(level) < redundancy_class(level_now)) {
    print_message(degraded, shell::raid_level_name(level_now), shell::raid_level_name(level));
    return std::nullopt;
  }
  const CountVerdict count_rule = migration_count_rule(level, count, parity, variant, adapter.max_raid6_parity);
  if (!count_rule.fits) {
    shell::print_text(count_rule.message.c_str());
    return std::nullopt;
  }
  return count_rule.parity;
}

}  // namespace qx::commands
