// Names of flash image types, shared by the flash command, the simulated
// controller and qxsim: one table, read both ways.
#ifndef QX_API_IMAGE_TYPES_H
#define QX_API_IMAGE_TYPES_H

#include <cstdint>
#include <optional>
#include <string_view>

namespace qx {

inline constexpr int kImageTypeCount = 10;  // codes 0 .. 9 have names

// "config", "bin", ..., "fw_backup"; "unknown" for any other code.
const char* image_type_name(uint8_t type);

// The code of a type name (exact, lower case); none for an unknown name.
std::optional<uint8_t> image_type_code(std::string_view name);

}  // namespace qx

#endif  // QX_API_IMAGE_TYPES_H
