// `info -o hba|pd|hd|vd|ld [-i id]`: the adapters, physical disks or
// virtual disks of the current adapter.
#include "commands/handlers.h"
#include "commands/inventory/adapter_display.h"
#include "commands/inventory/pd_display.h"
#include "commands/inventory/vd_display.h"
#include "shell/handler_support.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

// Ids from this value on are refused; 255 selects everything.
constexpr long kFirstInvalidId = 255;

const shell::OptionTable kOptions{
    {'o', "object", shell::Arg::kRequired, shell::kOnce, shell::kMustGive},
    {'i', "id", shell::Arg::kRequired, shell::kOnce},
    shell::kOutputEntry,
    shell::kHelpEntry,
};

struct Objects {
  bool hba = false;
  bool pd = false;
  bool vd = false;
};

// Marks the object an -o argument names; false for none.
bool select_object(const char* name, Objects& objects) {
  if (shell::equals_ignoring_case(name, "hba")) {
    objects.hba = true;
  } else if (shell::equals_ignoring_case(name, "pd") || shell::equals_ignoring_case(name, "hd")) {
    objects.pd = true;
  } else if (shell::equals_ignoring_case(name, "vd") || shell::equals_ignoring_case(name, "ld")) {
    objects.vd = true;
  } else {
    return false;
  }
  return true;
}

}  // namespace

uint32_t cmd_info(int argc, char** argv, const CommandEntry& self) {
  long id = 0;
  Objects objects;
  bool failed = false;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int option; !failed && (option = scan.next()) != -1;) {
    switch (option) {
      case shell::kOutputOption:
        break;
      case 'i':
        if (!shell::require_decimal(scan.arg(), "-i : id should be a number\n")) {
          failed = true;
          break;
        }
        id = shell::decimal_value(scan.arg()) & 0xFFFF;
        break;
      case 'o':
        if (!select_object(scan.arg(), objects)) {
          shell::print("-o : invalid object '%s'\n", scan.arg());
          failed = true;
        }
        break;
      case '?':
        failed = true;
        break;
      default:
        return shell::print_command_help(self);
    }
  }
  if (scan.report_missing(self)) failed = true;
  const bool id_given = scan.given('i');
  if (id_given && id >= kFirstInvalidId) {
    shell::print("-i : invalid id %d\n", static_cast<int>(id));
    return 1;
  }
  if (scan.duplicated()) {
    shell::duplicated_option();
    failed = true;
  }
  if (failed) return 1;

  const auto chosen = static_cast<uint16_t>(id);
  if (objects.hba) return show_adapters(id_given ? chosen : kAllAdapters);
  if (objects.pd) return show_pds(id_given ? chosen : kAllPds);
  return show_vds(id_given ? chosen : kAllVds);
}

}  // namespace qx::commands
