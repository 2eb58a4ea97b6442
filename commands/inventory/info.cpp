// `info -o hba|pd|hd|vd|ld [-i id]`: the adapters, physical disks or
// virtual disks of the current adapter.
#include "commands/handlers.h"
#include "commands/inventory/adapter_display.h"
#include "commands/inventory/pd_display.h"
#include "commands/inventory/vd_display.h"
#include "shell/getopt.h"
#include "shell/handler_support.h"
#include "shell/output.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

// Ids from this value on are refused; 255 selects everything.
constexpr long kFirstInvalidId = 255;

const shell::LongOption kOptions[] = {
    {"object", shell::kRequiredArgument, nullptr, 'o'},
    {"id", shell::kRequiredArgument, nullptr, 'i'},
    shell::kOutputLongOption,
    shell::kHelpLongOption,
    shell::kEndOfLongOptions,
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
  int object_count = 0;
  int id_count = 0;
  long id = 0;
  Objects objects;
  bool failed = false;
  shell::start_options();
  for (int option; !failed && (option = shell::next_option(argc, argv, "o:i:" QX_OUTPUT_OPTION "h", kOptions)) != -1;) {
    switch (option) {
      case shell::kOutputOption:
        break;
      case 'i':
        ++id_count;
        if (!shell::require_decimal(shell::option_arg(), "-i : id should be a number\n")) {
          failed = true;
          break;
        }
        id = shell::decimal_value(shell::option_arg()) & 0xFFFF;
        break;
      case 'o':
        ++object_count;
        if (!select_object(shell::option_arg(), objects)) {
          shell::print("-o : invalid object '%s'\n", shell::option_arg());
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
  if (object_count == 0) {
    shell::missing_option(self, 'o');
    failed = true;
  }
  if (id_count > 0 && id >= kFirstInvalidId) {
    shell::print("-i : invalid id %d\n", static_cast<int>(id));
    return 1;
  }
  if (object_count > 1 || id_count > 1) {
    shell::duplicated_option();
    failed = true;
  }
  if (failed) return 1;

  const auto chosen = static_cast<uint16_t>(id);
  if (objects.hba) return show_adapters(id_count > 0 ? chosen : kAllAdapters);
  if (objects.pd) return show_pds(id_count > 0 ? chosen : kAllPds);
  return show_vds(id_count > 0 ? chosen : kAllVds);
}

}  // namespace qx::commands
