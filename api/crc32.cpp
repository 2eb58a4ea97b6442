#include "api/crc32.h"

#include <zlib.h>

#include <algorithm>

namespace qx {

uint32_t crc32(std::span<const uint8_t> data, uint32_t crc) {
  uLong value = crc;
  // zlib takes a 32-bit length: larger buffers go in pieces.
  constexpr size_t kPiece = size_t{1} << 30;
  for (size_t at = 0; at < data.size(); at += kPiece) {
    const size_t length = std::min(kPiece, data.size() - at);
    value = ::crc32(value, data.data() + at, static_cast<uInt>(length));
  }
  return static_cast<uint32_t>(value);
}

uint32_t data_checksum(const uint8_t* data, uint16_t length) { return ~crc32({data, length}); }

}  // namespace qx
