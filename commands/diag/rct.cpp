// `rct`: a disk's error table, the bad ranges it recorded with their kinds.
#include <cstdint>
#include <new>
#include <vector>

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

const shell::OptionTable kOptions{{'d', "pdid", shell::Arg::kRequired, shell::kRepeats, shell::kMustGive},
                                  shell::kHelpEntry};

struct ErrorKind {
  uint8_t bit;
  const char* text;
};
constexpr ErrorKind kKinds[] = {{QX_RCT_READ_ERROR, " read error"},
                                {QX_RCT_WRITE_ERROR, " write error"},
                                {QX_RCT_MEDIA_ERROR, " media error"},
                                {QX_RCT_LOGICAL_ERROR, " logical error"}};

void print_entry(const QX_RCT_ENTRY& entry) {
  shell::print("\nLBA 0x%04x ", static_cast<uint32_t>(entry.lba));
  shell::print(" sector: %2d ", static_cast<int>(entry.sectors));
  shell::print(" status: ");
  const char* separator = "";
  for (const ErrorKind& kind : kKinds) {
    if ((entry.errors & kind.bit) == 0) continue;
    shell::print("%s%s", separator, kind.text);
    separator = ",";
  }
  shell::print("\n");
}

}  // namespace

uint32_t cmd_rct(int argc, char** argv, const CommandEntry& self) {
  int32_t pd = 0;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int code; (code = scan.next()) != -1;) {
    switch (code) {
      case 'd':
        if (!shell::require_decimal(scan.arg(), "-d : PD id should be a number\n")) return 1;
        pd = shell::decimal_value(scan.arg());
        break;
      default: return shell::other_option(code, self);
    }
  }
  if (scan.report_missing(self)) return 1;
  if (pd_id_refused(pd)) return 1;

  const uint8_t adapter = shell::state().current_adapter;
  const auto id = static_cast<uint16_t>(pd);
  uint32_t count = 0;
  if (const uint8_t status = QX_PD_RCT_GetCount(adapter, id, &count); status != kOk) {
    shell::print("\nUnable ot get RCT count of HD %d %s.\n", pd, error_report(status).c_str());
    return status;
  }
  if (count == 0) {
    shell::print("\nNone RCT in HD %d.\n", pd);
    return kOk;
  }
  std::vector<QX_RCT_ENTRY> entries;
  try {
    entries.resize(count);
  } catch (const std::bad_alloc&) {
    return kOk;
  }
  if (const uint8_t status = QX_PD_GetRCT(adapter, id, entries.data(), count); status != kOk) {
    shell::print("\nUnable ot get RCT of HD %d %s.\n", pd, error_report(status).c_str());
    return status;
  }
  shell::print("\nHD %d RCT report.", pd);
  for (const QX_RCT_ENTRY& entry : entries)
    if (entry.sectors != 0) print_entry(entry);
  return kOk;
}

}  // namespace qx::commands
