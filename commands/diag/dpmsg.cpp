// `dpmsg`: switches the adapter's debug-message dump on or off, and copies
// the messages it holds into a new file.
#include <cstdint>
#include <optional>
#include <string>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/handlers.h"
#include "platform/file_routines.h"
#include "shell/handler_support.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"
#include "shell/word_choice.h"

namespace qx::commands {
namespace {

const shell::OptionTable kOptions{{'i', "adapter", shell::Arg::kRequired, shell::kRepeats},
                                  {'d', "dump", shell::Arg::kRequired, shell::kOnce},
                                  {'s', "config", shell::Arg::kRequired, shell::kOnce},
                                  shell::kOutputEntry,
                                  shell::kHelpEntry};

// Every NUL that directly follows a line feed becomes a blank, so that the
// file reads as text where the messages end.
void blank_nuls_after_line_feeds(char* data, uint32_t length) {
  for (uint32_t i = 1; i < length; ++i)
    if (data[i] == '\0' && data[i - 1] == '\n') data[i] = ' ';
}

// Copies every waiting chunk into the new file `name`; the last status.
uint8_t copy_messages(uint8_t adapter, const std::string& name, int32_t buffer_size) {
  platform::File file;
  if (!file.open(name, platform::FileMode::kCreateNew)) {
    shell::print("\nFailed to open file '%s' to AdapterID %d, error %d: %s\n", name.c_str(), adapter, kOk,
                 status_text(kOk));
    return kOk;
  }
  QX_DUMP_CHUNK chunk{};
  int64_t written = 0;
  uint8_t status = kOk;
  for (;;) {
    chunk = QX_DUMP_CHUNK{};
    status = qx_dump_dbg_msg_handle_data(adapter, &chunk, buffer_size);
    if (status != kOk)
      shell::print("\nFailed to update file '%s' to AdapterID %d, error %d: %s...4\n", name.c_str(), adapter, status,
                   status_text(status));
    if (chunk.length == 0) break;
    if (status != kOk) {
      shell::print("\nError %d: %s...4\n", status, status_text(status));
      break;
    }
    const uint32_t length = chunk.length < sizeof chunk.data ? chunk.length : uint32_t{sizeof chunk.data};
    blank_nuls_after_line_feeds(chunk.data, length);
    shell::print(">>AdapterID %d dump msg data length=%d\n", adapter, static_cast<int>(chunk.length));
    file.write_at(written, chunk.data, length);
    written += length;
  }
  return status;
}

}  // namespace

uint32_t cmd_dpmsg(int argc, char** argv, const CommandEntry& self) {
  uint8_t adapter = shell::state().current_adapter;
  std::string file_name;
  std::optional<uint8_t> config;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int code; (code = scan.next()) != -1;) {
    const char* arg = scan.arg();
    switch (code) {
      case 'i':
        if (!shell::require_decimal(arg, "-i : invalide adapter ID '%s'. \n", arg)) return 1;
        adapter = static_cast<uint8_t>(shell::decimal_value(arg));
        break;
      case 'd': {
        const std::optional<std::string> name = shell::file_name_argument(arg);
        if (!name) {
          shell::print("%s", shell::kFileNameTooLong);
          return 1;
        }
        file_name = *name;
        break;
      }
      case 's': {
        const int word = shell::word_index(arg, {"enable", "disable"});
        if (word < 0) {
          shell::print("-e : invalid input '%s'\n", arg);
          return 1;
        }
        config = static_cast<uint8_t>(word == 0 ? QX_DUMP_ENABLE : QX_DUMP_DISABLE);
        break;
      }
      case shell::kOutputOption: break;
      default: return shell::other_option(code, self);
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();

  if (config) {
    shell::print("\nStart to set AdapterID %d cfg=%d\n", adapter, *config);
    const uint8_t status = qx_dump_dbg_msg_handle_set_cfg(adapter, *config);
    if (status != kOk) shell::print("\nFailed to AdapterID %d, error %d: %s...1\n", adapter, status, status_text(status));
    return status;
  }
  QX_DUMP_CONFIG cfg{};
  uint8_t status = qx_dump_dbg_msg_handle_get_cfg(adapter, &cfg);
  if (status != kOk) {
    shell::print("\nFailed to update file '%s' to AdapterID %d, error %d: %s...2\n", file_name.c_str(), adapter,
                 status, status_text(status));
    return status;
  }
  shell::print("AdapterID %d dump msg cfg=%d (Enable/Disable)\n", adapter, cfg.enabled);
  shell::print("AdapterID %d dump msg cfg=%d (Start/Stop)\n", adapter, cfg.started);
  if (cfg.enabled == 0 || !scan.given('d')) return status;

  QX_DUMP_STATUS dump{};
  status = qx_dump_dbg_msg_handle_status(adapter, &dump);
  if (status != kOk) {
    shell::print("\nFailed to update file '%s' to AdapterID %d, error %d: %s...3\n", file_name.c_str(), adapter,
                 status, status_text(status));
    return status;
  }
  shell::print("AdapterID %d dump msg buffer size=%d\n", adapter, dump.buffer_size);
  if (dump.buffer_size <= 0) return status;
  return copy_messages(adapter, file_name, dump.buffer_size);
}

}  // namespace qx::commands
