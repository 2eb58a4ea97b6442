// `ecc`: reports a disk's block size with its ECC bytes, or induces an ECC
// error in one block of a SAS disk.
#include <cstdint>
#include <optional>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/diag/diag_values.h"
#include "commands/handlers.h"
#include "shell/handler_support.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

const shell::OptionTable kOptions{{'d', "pdid", shell::Arg::kRequired, shell::kOnce, shell::kMustGive},
                                  {'w', "write", shell::Arg::kNone, shell::kOnce},
                                  {'g', "get", shell::Arg::kNone, shell::kOnce},
                                  {'l', "lba", shell::Arg::kRequired, shell::kOnce},
                                  {'s', "size", shell::Arg::kRequired, shell::kOnce},
                                  shell::kOutputEntry,
                                  shell::kHelpEntry};

constexpr uint32_t kSectorSize = 512;

}  // namespace

uint32_t cmd_ecc(int argc, char** argv, const CommandEntry& self) {
  uint16_t pd = 0;
  uint32_t lba = 0;
  uint32_t size = 0;
  uint8_t operation = 0;  // the last of -w and -g decides
  shell::OptionScan scan(kOptions, argc, argv);
  for (int code; (code = scan.next()) != -1;) {
    switch (code) {
      case shell::kOutputOption: break;
      case 'd':
        if (!shell::require_decimal(scan.arg(), "-d : invalid PD id '%s'\n", scan.arg())) return 1;
        pd = static_cast<uint16_t>(shell::decimal_value(scan.arg()));
        break;
      case 'w': operation = QX_ECC_INDUCE; break;
      case 'g': operation = QX_ECC_GET_SIZE; break;
      case 'l':
        if (std::optional<uint32_t> v = option_number(scan.arg(), kEccHexBits)) {
          lba = *v;
          break;
        }
        shell::print("-l : invalid LBA '%s'\n", scan.arg());
        return 1;
      case 's':
        if (std::optional<uint32_t> v = option_number(scan.arg(), kEccHexBits)) {
          size = *v;
          break;
        }
        shell::print("-l : invalid size '%s'\n", scan.arg());
        return 1;
      default: return shell::other_option(code, self);
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();
  if (scan.report_missing(self)) return 1;
  if (operation == 0) {
    shell::print("You must specify either '-w' or '-g'.\n");
    return 1;
  }
  const bool get = scan.given('g');
  if (scan.given('w') && !get) {
    if (!scan.given('s')) {
      shell::print("-s option is missing.\n");
      return 1;
    }
    if (size <= kSectorSize) {
      shell::print("Size should be greater than sector size (%d).\n", static_cast<int>(kSectorSize));
      return 1;
    }
  } else {
    size = 1;
    lba = 0;
  }

  QX_ECC_REQUEST request{};
  request.size = static_cast<uint16_t>(size);
  request.pd_id = pd;
  request.operation = operation;
  request.lba = lba;
  const uint8_t status = QX_PassThrough(shell::state().current_adapter, &request);
  if (status != kOk) {
    shell::print("\nPass through command on PD %d failed %s.\n", pd, error_report(status).c_str());
    return status;
  }
  if (get) shell::print("The disk block size plus ECC size of PD %d is %d\n", pd, request.size);
  return status;
}

}  // namespace qx::commands
