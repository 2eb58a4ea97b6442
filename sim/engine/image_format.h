// The simulated controller's image files: a fixed header
// (QX_IMAGE_FILE_HEADER, below) followed by the payload. One parser and one writer
// serve every library call and qxsim.
#ifndef QX_SIM_ENGINE_IMAGE_FORMAT_H
#define QX_SIM_ENGINE_IMAGE_FORMAT_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "api/records.h"

namespace qx {

// Statuses of the flash calls (their texts are in the status table).
inline constexpr uint8_t kAdapterIdMismatch = 151;   // an image made for another subsystem
inline constexpr uint8_t kInvalidFlashType = 155;
inline constexpr uint8_t kInvalidFlashAction = 156;
inline constexpr uint8_t kInvalidFileInput = 165;
inline constexpr uint8_t kNoImage = 166;             // a file or page without an image header
inline constexpr uint8_t kImageDataInvalid = 184;    // payload length or CRC wrong
inline constexpr uint8_t kImageHeaderInvalid = 185;  // header CRC wrong, or an image that is not intact

}  // namespace qx

// The header in front of every image file the simulated controller reads and
// writes: the library's own format, not the command's business. The header
// CRC covers bytes 0 to 43; the payload CRC covers the payload that follows
// the header. CRCs are the standard CRC-32 (api/crc32.h).
#define QX_IMAGE_SIGNATURE "QXIMAGE"
enum { QX_IMAGE_HEADER_VERSION = 1 };
typedef struct QX_IMAGE_FILE_HEADER {
  char signature[8];           // QX_IMAGE_SIGNATURE with its NUL
  uint16_t header_version;     // QX_IMAGE_HEADER_VERSION
  uint16_t header_length;      // sizeof(QX_IMAGE_FILE_HEADER)
  uint8_t image_type;          // QX_IMAGE_...
  uint8_t reserved13[3];
  uint16_t major;
  uint16_t minor;
  uint16_t revision;
  uint16_t build;
  uint16_t device_id;          // 0: fits any device
  uint16_t sub_device_id;      // 0: fits any subsystem
  uint16_t sub_vendor_id;      // 0: fits any subsystem vendor
  uint16_t reserved30;
  uint32_t payload_length;
  uint32_t payload_crc;
  uint8_t reserved40[4];
  uint32_t header_crc;
} QX_IMAGE_FILE_HEADER;
QX_RECORD_SIZE(QX_IMAGE_FILE_HEADER, 48);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, header_version, 8);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, header_length, 10);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, image_type, 12);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, major, 16);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, build, 22);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, device_id, 24);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, sub_device_id, 26);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, sub_vendor_id, 28);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, payload_length, 32);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, payload_crc, 36);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, header_crc, 44);

namespace qx::sim {

// What a header says about its image.
struct ImageInfo {
  uint8_t type = 0;
  std::array<uint16_t, 4> version{};
  uint16_t device_id = 0;
  uint16_t sub_device_id = 0;
  uint16_t sub_vendor_id = 0;
  uint32_t payload_length = 0;
  uint32_t payload_crc = 0;
};

inline constexpr size_t kImageHeaderSize = sizeof(QX_IMAGE_FILE_HEADER);

// Reads the header at the front of `bytes`: 0 with `info` filled;
// kNoImage when there is no header of ours (too short, another signature,
// version or length); kImageHeaderInvalid when its CRC is wrong.
uint8_t parse_image_header(std::span<const uint8_t> bytes, ImageInfo& info);

// The header check, then the payload: kImageDataInvalid unless exactly
// `payload_length` bytes follow the header and their CRC is the header's.
uint8_t check_image(std::span<const uint8_t> bytes, ImageInfo& info);

// A whole image: the header of `info` (its payload length and CRC taken
// from `payload`) and the payload.
std::vector<uint8_t> write_image(ImageInfo info, std::span<const uint8_t> payload);

// The payload the adapter holds before anything was written to a region:
// `size` bytes that follow from the type and version alone, so the same
// region always reads the same.
std::vector<uint8_t> generated_payload(uint8_t type, const std::array<uint16_t, 4>& version, uint32_t size);

// Base64 (standard alphabet, padded), for images kept as text.
std::string to_base64(std::span<const uint8_t> bytes);
// False when `text` is not base64.
bool from_base64(const std::string& text, std::vector<uint8_t>& bytes);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_IMAGE_FORMAT_H
