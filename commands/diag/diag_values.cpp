#include "commands/diag/diag_values.h"

#include "shell/output.h"
#include "shell/values.h"

namespace qx::commands {

std::optional<uint32_t> option_number(const char* text, int hex_bits) {
  std::optional<uint32_t> value = shell::decimal_or_hex_value(text);
  if (value && hex_bits < 32 && shell::is_hex_number(text)) *value &= (uint32_t{1} << hex_bits) - 1;
  return value;
}

bool pd_id_refused(int32_t pd) {
  constexpr int32_t kFirstInvalidPd = 255;
  if (pd < kFirstInvalidPd) return false;
  shell::print("-i : invalid id %d\n", pd);
  return true;
}

}  // namespace qx::commands
