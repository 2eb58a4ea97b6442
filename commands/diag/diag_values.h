// Option values of the diagnostic commands.
#ifndef QX_COMMANDS_DIAG_DIAG_VALUES_H
#define QX_COMMANDS_DIAG_DIAG_VALUES_H

#include <cstdint>
#include <optional>

namespace qx::commands {

// `ecc` keeps only the low 16 bits of a value typed in hexadecimal.
inline constexpr int kEccHexBits = 16;
inline constexpr int kAllBits = 32;

// A decimal or "0x" hexadecimal option value, a hexadecimal one cut to its
// low `hex_bits` bits; none for any other text.
std::optional<uint32_t> option_number(const char* text, int hex_bits);

// True, after "-i : invalid id %d\n", for a PD id of 255 or more, which the
// disk commands refuse although it was typed as a number.
bool pd_id_refused(int32_t pd);

}  // namespace qx::commands

#endif  // QX_COMMANDS_DIAG_DIAG_VALUES_H
