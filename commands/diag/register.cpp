// `register`: reads or writes one adapter register.
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

// -f means nothing of its own: like -h it shows the help.
const shell::OptionTable kOptions{{'t', "type", shell::Arg::kRequired, shell::kRepeats},
                                  {'a', "operation", shell::Arg::kRequired, shell::kRepeats},
                                  {'d', "address", shell::Arg::kRequired, shell::kRepeats},
                                  {'v', "value", shell::Arg::kRequired, shell::kRepeats},
                                  {'f', nullptr, shell::Arg::kNone, shell::kRepeats},
                                  shell::kOutputEntry,
                                  shell::kHelpEntry};

}  // namespace

uint32_t cmd_register(int argc, char** argv, const CommandEntry& self) {
  uint8_t type = QX_REGISTER_UNSPECIFIED;
  bool write = false;
  uint32_t address = 0;
  std::optional<uint32_t> value;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int code; (code = scan.next()) != -1;) {
    switch (code) {
      case shell::kOutputOption: break;
      case 't':
        // Another word leaves the type as it was.
        if (shell::equals_ignoring_case(scan.arg(), "mailbox")) type = QX_REGISTER_MAILBOX;
        if (shell::equals_ignoring_case(scan.arg(), "internal")) type = QX_REGISTER_INTERNAL;
        break;
      case 'a':
        if (shell::equals_ignoring_case(scan.arg(), "read")) {
          write = false;
        } else if (shell::equals_ignoring_case(scan.arg(), "write")) {
          write = true;
        } else {
          shell::print("-t : invalid operation type '%s'\n", scan.arg());
          return 1;
        }
        break;
      case 'd':
        if (std::optional<uint32_t> v = option_number(scan.arg(), kAllBits)) {
          address = *v;
          break;
        }
        shell::print("-d : invalid address '%s'\n", scan.arg());
        return 1;
      case 'v':
        value = option_number(scan.arg(), kAllBits);
        if (value) break;
        shell::print("-v : invalid value '%s'\n", scan.arg());
        return 1;
      default: return shell::other_option(code, self);
    }
  }
  if (!write && value) {
    shell::print("-v is must not be set in the read register command.\n");
    return 1;
  }
  if (write && !value) {
    shell::print("-v is must in the write register command.\n");
    return 1;
  }

  QX_REGISTER_REQUEST request{};
  request.value_offset = QX_REGISTER_VALUE_OFFSET;
  request.request_size = QX_REGISTER_REQUEST_SIZE;
  const uint8_t adapter = shell::state().current_adapter;
  if (write) {
    request.value = *value;
    const uint8_t status = QX_Adapter_Write_Register(adapter, type, address, &request);
    if (status == kOk)
      shell::print("Write 0x%x address register successfully.\n", address);
    else
      shell::print("Write 0x%x address register failed %s.\n", address, error_report(status).c_str());
    return status;
  }
  const uint8_t status = QX_Adapter_Read_Register(adapter, type, address, &request);
  if (status == kOk)
    shell::print("0x%x address register value is 0x%x.\n", address, request.value);
  else
    shell::print("Read 0x%x address register failed %s.\n", address, error_report(status).c_str());
  return status;
}

}  // namespace qx::commands
