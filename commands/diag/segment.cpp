// `segment`: adds, lists and removes the SSD segments of hybrid-tier VDs.
#include <cstdint>
#include <cstring>
#include <vector>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/handlers.h"
#include "shell/handler_support.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"
#include "shell/word_choice.h"

namespace qx::commands {
namespace {

// -a comes first so that its missing-option line comes before -i's.
const shell::OptionTable kOptions{{'a', "action", shell::Arg::kRequired, shell::kRepeats, shell::kMustGive},
                                  {'i', "id", shell::Arg::kRequired, shell::kRepeats, shell::kMustGive},
                                  shell::kOutputEntry,
                                  {'s', "start", shell::Arg::kRequired, shell::kRepeats},
                                  {'l', "length", shell::Arg::kRequired, shell::kRepeats},
                                  shell::kHelpEntry};

// As word_index() numbers the words of -a.
enum class Action { kAdd, kList, kRemove };

// Kilobytes as 512-byte sectors, kept to a signed 32-bit number as the
// adapter's interface has it; a negative result reaches the adapter
// sign-extended (which refuses it).
uint64_t kb_to_sectors(const char* arg) {
  const int32_t sectors = static_cast<int32_t>(static_cast<uint32_t>(shell::decimal_value(arg)) * 2u);
  return static_cast<uint64_t>(int64_t{sectors});
}

uint8_t list_segments(uint8_t adapter, uint16_t vd) {
  const uint8_t most = shell::current_adapter_info().max_ssd_segments;
  std::vector<unsigned char> buffer(sizeof(QX_QUERY_HEADER) + sizeof(QX_TIER_SEGMENT_ENTRY) * most);
  QX_QUERY_HEADER header{};
  header.query_type = QX_QUERY_LIST;
  header.requested = most;
  std::memcpy(buffer.data(), &header, sizeof header);
  auto* query = reinterpret_cast<QX_QUERY_HEADER*>(buffer.data());
  const uint8_t status = QX_TwinTier_GetSegment(adapter, query);
  if (status != kOk) {
    shell::print("Failed to get segment on TwinTier %d (error %d: %s).\n", vd, status, status_text(status));
    return status;
  }
  std::memcpy(&header, buffer.data(), sizeof header);
  shell::print(" segment on TwinTier %d.\n", vd);
  const uint16_t count = header.returned < most ? header.returned : most;
  for (uint16_t i = 0; i < count; ++i) {
    QX_TIER_SEGMENT_ENTRY entry{};
    std::memcpy(&entry, buffer.data() + sizeof header + i * sizeof entry, sizeof entry);
    shell::print(" segment %d, start %lld length %lld.\n", entry.segment_number, static_cast<long long>(entry.start),
                 static_cast<long long>(entry.length));
  }
  shell::print("\n");
  return status;
}

}  // namespace

uint32_t cmd_segment(int argc, char** argv, const CommandEntry& self) {
  Action action = Action::kAdd;
  uint16_t vd = 0;
  QX_TIER_SEGMENT segment{};
  shell::OptionScan scan(kOptions, argc, argv);
  for (int code; (code = scan.next()) != -1;) {
    const char* arg = scan.arg();
    switch (code) {
      case 'a': {
        const int word = shell::word_index(arg, {"add", "list", "remove"});
        if (word < 0) {
          shell::print("-o : invalid action '%s'\n", arg);
          return 1;
        }
        action = static_cast<Action>(word);
        break;
      }
      case 'i':
        if (!shell::require_decimal(arg, "-i : invalid TwinTier id '%s'\n", arg)) return 1;
        vd = static_cast<uint16_t>(shell::decimal_value(arg));
        break;
      case 's':
        if (!shell::require_decimal(arg, "-i : invalid TwinTier segment start LBA '%s'\n", arg)) return 1;
        segment.start = kb_to_sectors(arg);
        break;
      case 'l':
        if (!shell::require_decimal(arg, "-i : invalid TwinTier segment size '%s'\n", arg)) return 1;
        segment.length = kb_to_sectors(arg);
        break;
      case shell::kOutputOption: break;
      default: return shell::other_option(code, self);
    }
  }
  if (scan.report_missing(self)) return 1;

  const uint8_t adapter = shell::state().current_adapter;
  if (action == Action::kList) return list_segments(adapter, vd);
  uint8_t status = kOk;
  if (action == Action::kAdd) {
    bool missing = false;
    for (char letter : {'s', 'l'}) {
      if (scan.given(letter)) continue;
      shell::missing_option(self, letter);
      missing = true;
    }
    if (missing) return 1;
    segment.vd_id = vd;
    status = QX_TwinTier_AddSegment(adapter, &segment);
    if (status == kOk)
      shell::print("Success to add segment on TwinTier %d.\n", vd);
    else
      shell::print("Failed to add segment to TwinTier %d (error %d: %s).\n", vd, status, status_text(status));
    return status;
  }
  status = QX_TwinTier_RemoveSegments(adapter, vd);
  if (status == kOk)
    shell::print("Success to remove segment on TwinTier %d.\n", vd);
  else
    shell::print("Failed to remove segment on TwinTier %d (error %d: %s).\n", vd, status, status_text(status));
  return status;
}

}  // namespace qx::commands
