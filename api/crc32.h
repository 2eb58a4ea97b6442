// The CRC-32 both sides of the library boundary use: the standard one
// (reflected polynomial 0xEDB88320, inverted in and out) over image files,
// and its complement as the checksum a caller puts on the data it sends
// through the pass-through call. zlib computes it, several bytes at a time:
// a 16 MiB image costs a few milliseconds instead of sixty.
#ifndef QX_API_CRC32_H
#define QX_API_CRC32_H

#include <cstdint>
#include <span>

namespace qx {

// The standard CRC-32 (0xCBF43926 for "123456789", 0 for no bytes); pass
// the previous result to go on over more bytes.
uint32_t crc32(std::span<const uint8_t> data, uint32_t crc = 0);

// CRC-32 with the start value 0xFFFFFFFF and without the final inversion:
// 0xFFFFFFFF for an empty buffer; 0xCADBBE3D for "abc".
uint32_t data_checksum(const uint8_t* data, uint16_t length);

}  // namespace qx

#endif  // QX_API_CRC32_H
