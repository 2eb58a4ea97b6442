// The checksum a caller puts on data it sends through the pass-through call,
// and the library checks before it acts: CRC-32 with the reflected
// polynomial 0xEDB88320 and initial value 0xFFFFFFFF, without the final
// inversion (so it is the complement of the usual CRC-32). Both sides of the
// library boundary use this one routine.
#ifndef QX_API_CRC32_H
#define QX_API_CRC32_H

#include <cstdint>

namespace qx {

// 0xFFFFFFFF for an empty buffer; 0xCADBBE3D for "abc".
uint32_t data_checksum(const uint8_t* data, uint16_t length);

}  // namespace qx

#endif  // QX_API_CRC32_H
