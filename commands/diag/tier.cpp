// `tier`: edits a hybrid-tier VD's file-system entry table (add an entry,
// count the entries, empty the table).
#include <cstdint>

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

const shell::OptionTable kOptions{{'o', "object", shell::Arg::kRequired, shell::kRepeats, shell::kMustGive},
                                  {'a', "adress", shell::Arg::kRequired, shell::kRepeats},
                                  shell::kOutputEntry,
                                  {'d', "TwinTier", shell::Arg::kRequired, shell::kRepeats, shell::kMustGive},
                                  {'l', "length", shell::Arg::kRequired, shell::kRepeats},
                                  {'h', nullptr, shell::Arg::kNone, shell::kRepeats}};

// In the order the objects are tested, as word_index() numbers them.
enum class Object { kEmpty, kCount, kDelete };

// The sector size the adapter's RAID modes give its tier VDs; 0 without the feature.
uint32_t tier_sector_size(const QX_ADAPTER_INFO& info) {
  if ((info.raid_modes & QX_RAID_MODE_TIER_CAPACITY) != 0) return 512;
  if ((info.raid_modes & QX_RAID_MODE_TIER_SAFE) != 0) return 1024;
  return 0;
}

// One entry behind a query header naming one record.
struct EntryRequest {
  QX_QUERY_HEADER header;
  QX_TIER_FS_ENTRY entry;
};
static_assert(sizeof(EntryRequest) == 32, "the entry record follows its header directly");

uint8_t add_entry(uint8_t adapter, uint16_t vd, uint64_t start, uint32_t length) {
  EntryRequest request{};
  request.header.query_type = QX_QUERY_ONE;
  request.header.requested = 1;
  request.entry.start = start;
  request.entry.length = length;
  return QX_TwinTier_AddFSEntries(adapter, vd, &request.header, QX_TIER_ADD_ENTRIES);
}

uint8_t print_count(uint8_t adapter, uint16_t vd) {
  QX_TIER_TABLE_INFO info{};
  const uint8_t status = QX_TwinTier_GetEntriesTableInfo(adapter, vd, &info);
  if (status != kOk) {
    shell::print("\nFailed to get table information (error %d: %s).\n", status, status_text(status));
    return status;
  }
  shell::print("TwinTier table total enties count %d\n", info.total_entries);
  shell::print("TwinTier table remian enties count %d\n", info.free_entries);
  return kOk;
}

}  // namespace

uint32_t cmd_tier(int argc, char** argv, const CommandEntry& self) {
  Object object = Object::kEmpty;
  uint64_t address = 0;
  uint32_t length = 0;
  uint16_t vd = 0;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int code; (code = scan.next()) != -1;) {
    const char* arg = scan.arg();
    switch (code) {
      case 'o': {
        const int word = shell::word_index(arg, {"empty", "count", "delete"});
        if (word < 0) {
          shell::print("-o : invalid object '%s', should be empty or delete\n", arg);
          return 1;
        }
        object = static_cast<Object>(word);
        break;
      }
      case 'a':
        if (!shell::require_decimal(arg, "-a : address is not a number\n")) return 1;
        address = static_cast<uint32_t>(shell::decimal_value(arg));
        break;
      case 'd':
        if (!shell::require_decimal(arg, "-d : TwinTier ID is not a number\n")) return 1;
        vd = static_cast<uint16_t>(shell::decimal_value(arg));
        break;
      case 'l':
        if (!shell::require_decimal(arg, "-l : length is not a number\n")) return 1;
        length = static_cast<uint32_t>(shell::decimal_value(arg));
        break;
      case shell::kOutputOption: break;
      default: return shell::other_option(code, self);
    }
  }
  const uint32_t sector_size = tier_sector_size(shell::current_adapter_info());
  if (sector_size == 0) {
    shell::print("TwinTier is not supported.\n");
    return 1;
  }
  if (scan.report_missing(self)) return 1;

  const uint8_t adapter = shell::state().current_adapter;
  switch (object) {
    case Object::kEmpty: return add_entry(adapter, vd, address, length);
    case Object::kCount: return print_count(adapter, vd);
    case Object::kDelete: return QX_TwinTier_RemoveEntriesTable(adapter, vd, sector_size);
  }
  return 1;
}

}  // namespace qx::commands
