// The simulated controller's image files: a fixed header (QX_IMAGE_FILE_HEADER,
// in api/records.h) followed by the payload. One parser and one writer serve
// every library call and qxsim; what they refuse, they answer with the flash
// statuses of api/status.h.
#ifndef QX_SIM_ENGINE_IMAGE_FORMAT_H
#define QX_SIM_ENGINE_IMAGE_FORMAT_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "api/records.h"
#include "api/status.h"

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
