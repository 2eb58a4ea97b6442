// `assign [-o hba|array] -d PD [-a ARRAY] [--waiveconfirmation]`: makes a
// free disk a global spare, or a dedicated spare of one array.
#include <cstdio>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/handlers.h"
#include "shell/confirm.h"
#include "shell/handler_support.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

constexpr int kWaiveConfirmation = shell::kFirstLongOnlyCode;

using shell::Arg;
const shell::OptionTable kOptions{
    {'o', "object", Arg::kRequired, shell::kOnce},
    {'d', "pdid", Arg::kRequired, shell::kOnce},
    {'a', "arrayid", Arg::kRequired, shell::kOnce},
    {kWaiveConfirmation, "waiveconfirmation", Arg::kNone, shell::kRepeats},
    shell::kOutputEntry,
    shell::kHelpEntry,
};

struct AssignOptions {
  bool dedicated = false;
  uint16_t pd = 0;
  uint16_t array = 0;
};

// Reads one option; false when it is refused (its message printed).
bool read_option(int option, const char* arg, AssignOptions& o) {
  switch (option) {
    case 'o':
      if (shell::equals_ignoring_case(arg, "hba")) {
        o.dedicated = false;
      } else if (!shell::equals_ignoring_case(arg, "array")) {
        shell::print("-o : invalid object '%s', should be HBA or Array\n", arg);
        return false;
      } else if (!shell::state().array_capable) {
        shell::print("-o : array is not supported on this adapter\n");
        return false;
      } else {
        o.dedicated = true;
      }
      return true;
    case 'd':
      if (!shell::require_decimal(arg, "-d : invalid disk id '%s'\n", arg)) return false;
      o.pd = static_cast<uint16_t>(shell::decimal_value(arg));
      return true;
    default:  // 'a'
      if (!shell::require_decimal(arg, "-a : invalid VD id or array id'%s'\n", arg)) return false;
      o.array = static_cast<uint16_t>(shell::decimal_value(arg));
      return true;
  }
}

}  // namespace

uint32_t cmd_assign(int argc, char** argv, const CommandEntry& self) {
  AssignOptions o;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int option; (option = scan.next()) != -1;) {
    switch (option) {
      case 'o': case 'd': case 'a':
        if (!read_option(option, scan.arg(), o)) return 1;
        break;
      case shell::kOutputOption:
      case kWaiveConfirmation:
        break;
      default:
        return shell::other_option(option, self);
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();
  if (!o.dedicated && scan.given('a')) {
    shell::print("-a option is not allowed when assigning global spare\n");
    return 1;
  }
  if (o.dedicated && !scan.given('a')) {
    shell::print("Array id is not specified\n");
    return 1;
  }
  if (!scan.given('d')) return shell::missing_option(self, 'd');

  const uint8_t adapter = shell::state().current_adapter;
  QX_MBR_INFO mbr{};
  mbr.count = 1;
  mbr.pd_ids[0] = o.pd;
  const uint8_t read = QX_PD_GetMBRInfo(adapter, &mbr);
  if (read != kOk) {
    shell::print("\nFailed to assign spare disk %s.\n", error_report(read).c_str());
    return 1;
  }
  if (mbr.has_file_system[0] != 0 && !scan.given(kWaiveConfirmation)) {
    shell::print("PD %d has file system on it. Data may get lost if it is assigned as spare disk.\n", o.pd);
    if (!shell::ask_unless_declined("Are you sure you want to assign it as spare disk? (y or n)\n")) return 0;
  }
  if (!o.dedicated) {
    const uint8_t status = QX_PD_FreeHD2GlobalSpare(adapter, o.pd);
    if (status == kOk) {
      shell::print("\nSucceeded to assign the disk as a global spare disk.\n");
    } else {
      shell::print("\nFailed to assign disk %d as global spare disk %s.\n", o.pd, error_report(status).c_str());
    }
    return status;
  }
  const uint8_t status = QX_PD_FreeHD2DGSpare(adapter, o.pd, o.array);
  if (status == kOk) {
    shell::print("\nSucceeded to assign the disk as a dedicated spare disk.\n");
  } else {
    shell::print("\nFailed to assign disk %d as a spare disk to array %d %s.\n", o.pd, o.array,
                 error_report(status).c_str());
  }
  return status;
}

}  // namespace qx::commands
