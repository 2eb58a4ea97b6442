#include "commands/diag/hex_rows.h"

#include <algorithm>

#include "shell/output.h"

namespace qx::commands {

void print_hex_rows(const uint8_t* data, size_t size) {
  constexpr size_t kRow = 16;
  for (size_t first = 0; first < size; first += kRow) {
    const size_t end = std::min(size, first + kRow);
    shell::print("%4zu - %4zu : ", first + 1, end);
    for (size_t i = first; i < end; ++i) shell::print("%02x ", data[i]);
    shell::print("\n");
  }
  shell::print("\n");
}

}  // namespace qx::commands
