// Data and sense bytes shown as rows of 16: each row is headed by the
// 1-based numbers of its first and last byte ("   1 -   16 : "), each byte
// is "%02x ", and a line end closes every row and then the dump. A short
// last row is headed by the number of the byte it really ends with.
#ifndef QX_COMMANDS_DIAG_HEX_ROWS_H
#define QX_COMMANDS_DIAG_HEX_ROWS_H

#include <cstddef>
#include <cstdint>

namespace qx::commands {

void print_hex_rows(const uint8_t* data, size_t size);

}  // namespace qx::commands

#endif  // QX_COMMANDS_DIAG_HEX_ROWS_H
