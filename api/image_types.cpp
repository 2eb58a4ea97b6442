#include "api/image_types.h"

namespace qx {
namespace {

constexpr const char* kNames[kImageTypeCount] = {"config", "bin",     "bios",      "firmware",  "autoload",
                                                 "nvsram", "raw",     "raw_hba",   "raw_files", "fw_backup"};

}  // namespace

const char* image_type_name(uint8_t type) { return type < kImageTypeCount ? kNames[type] : "unknown"; }

std::optional<uint8_t> image_type_code(std::string_view name) {
  for (int i = 0; i < kImageTypeCount; ++i)
    if (name == kNames[i]) return static_cast<uint8_t>(i);
  return std::nullopt;
}

}  // namespace qx
