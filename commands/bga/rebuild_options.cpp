#include "commands/bga/rebuild_options.h"

#include "api/records.h"
#include "commands/bga/pd_list.h"
#include "commands/bga/steer.h"
#include "shell/handler_support.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/values.h"

namespace qx::commands {

namespace {

using shell::Arg;
const shell::OptionTable kOptions{
    {'a', "action", Arg::kRequired, shell::kOnce},
    {'l', "id", Arg::kRequired, shell::kOnce, shell::kMustGive},
    {'d', "pdid", Arg::kRequired, shell::kOnce},
    shell::kOutputEntry,
    shell::kHelpEntry,
};

RebuildParse ends(uint32_t result) { return {std::nullopt, result}; }

}  // namespace

RebuildParse parse_rebuild_options(int argc, char** argv, const shell::CommandEntry& self, const char* id_message,
                                   bool can_stop) {
  RebuildOptions o;
  o.action = QX_BGA_ACTION_START;
  bool listed = false;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int option; (option = scan.next()) != -1;) {
    switch (option) {
      case shell::kOutputOption: break;
      case 'a':
        if (!read_bga_action(scan.arg(), o.action)) return ends(1);
        if (o.action == QX_BGA_ACTION_STOP && !can_stop) {  // a word this handler does not know
          shell::print("-a : invalid action '%s'\n", scan.arg());
          return ends(1);
        }
        break;
      case 'l':
        if (!shell::require_decimal(scan.arg(), "%s", id_message)) return ends(1);
        o.id = static_cast<uint16_t>(shell::decimal_value(scan.arg()));
        break;
      case 'd': {
        std::optional<std::vector<uint16_t>> pds = parse_pd_list(scan.arg());
        if (!pds) return ends(1);
        o.pds = std::move(*pds);
        listed = true;
        break;
      }
      case '?': return ends(1);
      default: return ends(shell::print_command_help(self));
    }
  }
  if (scan.duplicated()) return ends(shell::duplicated_option());
  if (scan.report_missing(self)) return ends(1);
  if (o.action == QX_BGA_ACTION_START) {
    if (!listed) return ends(shell::missing_option(self, 'd'));
    if (o.pds.empty()) {
      shell::print_text("At least one target PD is required\n");
      return ends(1);
    }
  }
  return {o, 0};
}

}  // namespace qx::commands
