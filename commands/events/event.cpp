// `event [-s N] [--once]`: the current adapter's newest events, newest first,
// each decoded into a block; with --once only those newer than the last run
// in this directory showed.
#include <algorithm>
#include <charconv>
#include <cstring>
#include <memory>
#include <new>
#include <optional>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/events/event_decoder.h"
#include "commands/events/sequence_file.h"
#include "commands/handlers.h"
#include "shell/handler_support.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"

namespace qx::commands {
namespace {

constexpr int kOnceOption = shell::kFirstLongOnlyCode;

using shell::Arg;
const shell::OptionTable kOptions{
    {'s', "sequence", Arg::kRequired, shell::kOnce},
    {kOnceOption, "once", Arg::kNone, shell::kRepeats},
    shell::kOutputEntry,
    shell::kHelpEntry,
};

// The start sequence given with -s: digits only, within 32 bits ("" is 0).
std::optional<uint32_t> start_sequence(const char* arg) {
  uint32_t value = 0;
  const char* end = arg + std::strlen(arg);
  if (arg == end) return value;
  const std::from_chars_result read = std::from_chars(arg, end, value);
  if (read.ec != std::errc{} || read.ptr != end) return std::nullopt;
  return value;
}

void save_for_next_run(uint32_t sequence) {
  switch (save_sequence(kSequenceFile, sequence)) {
    case SaveResult::kNotOpened:
      break;
    case SaveResult::kSaved:
      shell::print("save last event sequence (%d) into %s.\n", static_cast<int>(sequence), kSequenceFile);
      break;
    case SaveResult::kFailed:
      shell::print_text("failed to save event sequence\n");
      break;
  }
}

}  // namespace

uint32_t cmd_event(int argc, char** argv, const CommandEntry& self) {
  uint32_t start = 0;
  bool once = false;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int option; (option = scan.next()) != -1;) {
    switch (option) {
      case shell::kOutputOption:
        break;
      case 's': {
        const std::optional<uint32_t> value = start_sequence(scan.arg());
        if (!value) {
          shell::print_text("-s : start sequence should be a number\n");
          return 1;
        }
        start = *value;
        break;
      }
      case kOnceOption:
        once = true;
        break;
      case '?':
        return 1;
      default:
        return shell::print_command_help(self);
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();

  std::unique_ptr<QX_EVENT[]> events(new (std::nothrow) QX_EVENT[QX_EVT_MAX_EVENTS]());
  if (!events) {
    shell::print_text("Unable to locate memory\n");
    return 1;
  }
  const uint8_t adapter = shell::state().current_adapter;
  uint8_t count = 0;
  const uint8_t status = QX_EVT_GetEvent(adapter, QX_EVT_MAX_EVENTS, &count, events.get());

  if (once && start == 0) {
    if (const std::optional<uint32_t> saved = read_saved_sequence(kSequenceFile)) start = *saved;
  }
  if (status == kOk && count > 0) {
    // Only the records the buffer holds, whatever count says.
    const int shown = std::min<int>(count, QX_EVT_MAX_EVENTS);
    shell::print("Current AdapterID:%d\n\n", adapter);
    for (int i = shown - 1; i >= 0; --i) {
      const uint32_t sequence = events[i].sequence;
      if (sequence != 0 && sequence <= start) break;
      print_event(decode_event(events[i]));
    }
    start = events[shown - 1].sequence;
  }
  if (once) save_for_next_run(start);
  if (status != kOk) shell::print("\nUnable to get event from adapter %d %s\n", adapter, error_report(status).c_str());
  return 0;
}

}  // namespace qx::commands
