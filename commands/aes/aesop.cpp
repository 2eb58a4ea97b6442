// `aesop`: changing an AES entry's password, and checking a key against it.
#include <cstdint>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/aes/aes_args.h"
#include "commands/handlers.h"
#include "shell/handler_support.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

// Two switches the parser accepts and nothing reads.
constexpr int kMountFlag = shell::kFirstLongOnlyCode;
constexpr int kDismountFlag = shell::kFirstLongOnlyCode + 1;

const shell::OptionTable kOptions{{'o', "option", shell::Arg::kRequired, shell::kRepeats, shell::kMustGive},
                                  {'w', "oldpassword", shell::Arg::kRequired, shell::kRepeats},
                                  {'i', "portid", shell::Arg::kRequired, shell::kOnce},
                                  {'e', "entryid", shell::Arg::kRequired, shell::kRepeats},
                                  {'p', "password", shell::Arg::kRequired, shell::kOnce},
                                  {'k', nullptr, shell::Arg::kRequired, shell::kRepeats},
                                  {kMountFlag, "aesmount", shell::Arg::kNone, shell::kRepeats},
                                  {kDismountFlag, "aesdismount", shell::Arg::kNone, shell::kRepeats},
                                  shell::kOutputEntry,
                                  shell::kHelpEntry};

enum class Operation { kChangePassword, kVerifyKey };

// The first of the letters not given, reported; true when all were.
bool require_all(const shell::OptionScan& scan, const CommandEntry& self, const char* letters) {
  for (const char* l = letters; *l != '\0'; ++l)
    if (!scan.given(*l)) {
      shell::missing_option(self, *l);
      return false;
    }
  return true;
}

uint32_t change_password(uint8_t entry, const AesText& old_password, const AesText& password) {
  QX_AES_PASSWORD_CHANGE request{};
  request.entry_id = entry;
  old_password.put(request.old_password);
  password.put(request.new_password);
  const uint8_t status = QX_AES_ChangePwd(shell::state().current_adapter, &request);
  if (status == kOk) {
    shell::print("\nAES change password of entry %d is returned successfully.\n", entry);
    return 0;
  }
  shell::print("\nAES change password of entry %d failed %s.\n", entry, error_report(status).c_str());
  return status;
}

uint32_t verify_key(uint8_t entry, const AesText& password, const AesText& key) {
  QX_AES_ENTRY_CONFIG request{};
  request.entry_id = entry;
  request.key_length = QX_AES_TEXT_SIZE;
  key.put(request.key);
  password.put(request.password);
  const uint8_t status = QX_AES_VerifyKey(shell::state().current_adapter, &request);
  if (status == kOk) {
    shell::print("\nVerify key on entry %d returned successfully.\n", entry);
    return 0;
  }
  shell::print("\nVerify key on entry %d failed%s\n", entry, error_report(status).c_str());
  return 1;
}

}  // namespace

uint32_t cmd_aesop(int argc, char** argv, const CommandEntry& self) {
  uint8_t entry = 0;
  Operation operation = Operation::kChangePassword;
  AesText password, old_password, key;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int code; (code = scan.next()) != -1;) {
    const char* arg = scan.arg();
    switch (code) {
      case 'e':
        if (!shell::require_decimal(arg, "-i : invalid entry id '%s'\n", arg)) return 1;
        entry = static_cast<uint8_t>(shell::decimal_value(arg));
        break;
      case 'i':
        if (!shell::require_decimal(arg, "-i : invalid port id '%s'\n", arg)) return 1;
        break;
      case 'o':
        if (std::optional<Operation> named = read_operation<Operation>(arg, {{"changePwd", Operation::kChangePassword}, {"verifyKey", Operation::kVerifyKey}}))
          operation = *named;
        else
          return 1;
        break;
      case 'p':
        if (!read_password(arg, password)) return 1;
        break;
      case 'w':
        if (!read_password(arg, old_password)) return 1;
        break;
      case 'k':
        if (!read_key(arg, key)) return 1;
        break;
      case kMountFlag:
      case kDismountFlag:
      case shell::kOutputOption: break;
      case '?': return 1;
      default: return shell::print_command_help(self);
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();
  if (scan.report_missing(self)) return 1;
  if (operation == Operation::kChangePassword) {
    if (!require_all(scan, self, "epw")) return 1;
    return change_password(entry, old_password, password);
  }
  if (!require_all(scan, self, "epk")) return 1;
  return verify_key(entry, password, key);
}

}  // namespace qx::commands
