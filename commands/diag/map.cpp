// `map`: translates a sector address between a PD and a VD, both ways.
#include <cstdint>
#include <optional>

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

const shell::OptionTable kOptions{{'a', "action", shell::Arg::kRequired, shell::kOnce, shell::kMustGive},
                                  {'p', "pdid", shell::Arg::kRequired, shell::kOnce, shell::kMustGive},
                                  {'v', "vdid", shell::Arg::kRequired, shell::kOnce},
                                  {'l', "lowerlba", shell::Arg::kRequired, shell::kOnce},
                                  {'u', "upperlba", shell::Arg::kRequired, shell::kOnce},
                                  shell::kOutputEntry,
                                  shell::kHelpEntry};

struct MapRequest {
  uint8_t direction = QX_MAP_PD_TO_VD;
  uint16_t pd_id = 0;
  uint16_t vd_id = 0;
  uint32_t lower = 0;
  uint32_t upper = 0;
};

// A half of the address: decimal digits, or "0x" and hexadecimal digits;
// nothing for any other text.
std::optional<uint32_t> address_half(const char* arg) {
  if (shell::is_hex_number(arg)) return shell::hex_value(arg);
  if (!shell::is_decimal_number(arg)) return std::nullopt;
  return static_cast<uint32_t>(shell::decimal_value(arg));
}

void print_answer(const QX_MAP_RECORD& r) {
  shell::print("\n");
  if (r.direction == QX_MAP_VD_TO_PD) {
    if (r.pd_lba_low == QX_MAP_NO_LBA && r.pd_lba_high == QX_MAP_NO_LBA)
      shell::print("VD %d lba 0x%x%08x can not mapped to LBA on PD %d\n", r.vd_id, r.vd_lba_high, r.vd_lba_low,
                   r.pd_id);
    else
      shell::print("VD %d lba 0x%x%08x maps to PD %d lba 0x%x%08x\n", r.vd_id, r.vd_lba_high, r.vd_lba_low, r.pd_id,
                   r.pd_lba_high, r.pd_lba_low);
  } else if (r.vd_id < QX_MAP_NO_VD) {
    shell::print("PD %d lba 0x%x%08x maps to VD %d lba 0x%x%08x\n", r.pd_id, r.pd_lba_high, r.pd_lba_low, r.vd_id,
                 r.vd_lba_high, r.vd_lba_low);
    if (r.parity != 0) shell::print("PD %d is a parity disk \n", r.pd_id);
  } else {
    shell::print("PD %d lba 0x%x%08x does not belong to any VD\n", r.pd_id, r.pd_lba_high, r.pd_lba_low);
  }
  shell::print("\n");
}

}  // namespace

uint32_t cmd_map(int argc, char** argv, const CommandEntry& self) {
  MapRequest request;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int code; (code = scan.next()) != -1;) {
    const char* arg = scan.arg();
    switch (code) {
      case 'a': {
        const int word = shell::word_index(arg, {"pd2vd", "vd2pd"});
        if (word < 0) {
          shell::print("-a : invalid action '%s'\n", arg);
          return 1;
        }
        request.direction = static_cast<uint8_t>(word == 0 ? QX_MAP_PD_TO_VD : QX_MAP_VD_TO_PD);
        break;
      }
      case 'p':
        if (!shell::require_decimal(arg, "-p : invalid PD id '%s'\n", arg)) return 1;
        request.pd_id = static_cast<uint16_t>(shell::decimal_value(arg));
        break;
      case 'v':
        if (!shell::require_decimal(arg, "-v : invalid VD id '%s'\n", arg)) return 1;
        request.vd_id = static_cast<uint16_t>(shell::decimal_value(arg));
        break;
      case 'l': {
        const std::optional<uint32_t> half = address_half(arg);
        if (!half) {
          shell::print("-l : invalid lower (least sinificant) half of LBA '%s'\n", arg);
          return 1;
        }
        request.lower = *half;
        break;
      }
      case 'u': {
        const std::optional<uint32_t> half = address_half(arg);
        if (!half) {
          shell::print("-l : invalid upper (most sinificant) half of LBA '%s'\n", arg);
          return 1;
        }
        request.upper = *half;
        break;
      }
      case shell::kOutputOption: break;
      default: return shell::other_option(code, self);
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();
  if (scan.report_missing(self)) return 1;

  QX_MAP_RECORD record{};
  record.pd_id = request.pd_id;
  record.direction = request.direction;
  if (request.direction == QX_MAP_PD_TO_VD) {
    record.vd_id = QX_MAP_NO_VD;
    record.pd_lba_low = request.lower;
    record.pd_lba_high = request.upper;
  } else {
    if (!scan.given('v')) return shell::missing_option(self, 'v');
    record.vd_id = request.vd_id;
    record.vd_lba_low = request.lower;
    record.vd_lba_high = request.upper;
  }
  const uint8_t status = QX_DBG_Map(shell::state().current_adapter, &record);
  if (status != kOk) {
    shell::print("\nFailed to map LBA address (error %d: %s).\n", status, status_text(status));
    return status;
  }
  print_answer(record);
  return 0;
}

}  // namespace qx::commands
