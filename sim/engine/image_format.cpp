#include "sim/engine/image_format.h"

#include <cstring>

#include "api/crc32.h"
#include "api/status.h"

namespace qx::sim {
namespace {

// The bytes the header CRC covers: everything in front of it.
constexpr size_t kHeaderCrcCovers = offsetof(QX_IMAGE_FILE_HEADER, header_crc);

uint32_t header_crc(const QX_IMAGE_FILE_HEADER& h) {
  return crc32({reinterpret_cast<const uint8_t*>(&h), kHeaderCrcCovers});
}

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

}  // namespace

uint8_t parse_image_header(std::span<const uint8_t> bytes, ImageInfo& info) {
  QX_IMAGE_FILE_HEADER h;
  if (bytes.size() < sizeof h) return kNoImage;
  std::memcpy(&h, bytes.data(), sizeof h);
  if (std::memcmp(h.signature, QX_IMAGE_SIGNATURE, sizeof h.signature) != 0 ||
      h.header_version != QX_IMAGE_HEADER_VERSION || h.header_length != sizeof h)
    return kNoImage;
  if (h.header_crc != header_crc(h)) return kImageHeaderInvalid;
  // Reserved bytes are zero in every image we write; one that is not is no
  // image of ours, so that what parses is what the writer makes.
  if (h.reserved13[0] | h.reserved13[1] | h.reserved13[2] | h.reserved30 | h.reserved40[0] | h.reserved40[1] |
      h.reserved40[2] | h.reserved40[3])
    return kNoImage;
  info.type = h.image_type;
  info.version = {h.major, h.minor, h.revision, h.build};
  info.device_id = h.device_id;
  info.sub_device_id = h.sub_device_id;
  info.sub_vendor_id = h.sub_vendor_id;
  info.payload_length = h.payload_length;
  info.payload_crc = h.payload_crc;
  return kOk;
}

uint8_t check_image(std::span<const uint8_t> bytes, ImageInfo& info) {
  if (uint8_t status = parse_image_header(bytes, info); status != kOk) return status;
  std::span<const uint8_t> payload = bytes.subspan(kImageHeaderSize);
  if (payload.size() != info.payload_length || crc32(payload) != info.payload_crc) return kImageDataInvalid;
  return kOk;
}

std::vector<uint8_t> write_image(ImageInfo info, std::span<const uint8_t> payload) {
  QX_IMAGE_FILE_HEADER h{};
  std::memcpy(h.signature, QX_IMAGE_SIGNATURE, sizeof h.signature);
  h.header_version = QX_IMAGE_HEADER_VERSION;
  h.header_length = sizeof h;
  h.image_type = info.type;
  h.major = info.version[0];
  h.minor = info.version[1];
  h.revision = info.version[2];
  h.build = info.version[3];
  h.device_id = info.device_id;
  h.sub_device_id = info.sub_device_id;
  h.sub_vendor_id = info.sub_vendor_id;
  h.payload_length = static_cast<uint32_t>(payload.size());
  h.payload_crc = crc32(payload);
  h.header_crc = header_crc(h);
  std::vector<uint8_t> out(sizeof h + payload.size());
  std::memcpy(out.data(), &h, sizeof h);
  if (!payload.empty()) std::memcpy(out.data() + sizeof h, payload.data(), payload.size());
  return out;
}

std::vector<uint8_t> generated_payload(uint8_t type, const std::array<uint16_t, 4>& version, uint32_t size) {
  // A xorshift stream seeded from the type and version: looks like code,
  // costs nothing to keep.
  uint64_t x = 0x9E3779B97F4A7C15ull ^ (uint64_t{type} << 56);
  for (uint16_t part : version) x = (x ^ part) * 0x100000001B3ull;
  std::vector<uint8_t> out(size);
  for (uint32_t i = 0; i < size; ++i) {
    if (i % 8 == 0) {
      x ^= x << 13;
      x ^= x >> 7;
      x ^= x << 17;
    }
    out[i] = static_cast<uint8_t>(x >> (8 * (i % 8)));
  }
  return out;
}

std::string to_base64(std::span<const uint8_t> bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    uint32_t v = (uint32_t{bytes[i]} << 16) | (uint32_t{bytes[i + 1]} << 8) | bytes[i + 2];
    for (int k = 3; k >= 0; --k) out += kBase64[(v >> (6 * k)) & 63];
  }
  if (size_t left = bytes.size() - i; left > 0) {
    uint32_t v = uint32_t{bytes[i]} << 16 | (left == 2 ? uint32_t{bytes[i + 1]} << 8 : 0);
    out += kBase64[(v >> 18) & 63];
    out += kBase64[(v >> 12) & 63];
    out += left == 2 ? kBase64[(v >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

bool from_base64(const std::string& text, std::vector<uint8_t>& bytes) {
  if (text.size() % 4 != 0) return false;
  bytes.clear();
  bytes.reserve(text.size() / 4 * 3);
  for (size_t i = 0; i < text.size(); i += 4) {
    uint32_t v = 0;
    int pad = 0;
    for (size_t k = 0; k < 4; ++k) {
      const char c = text[i + k];
      const char* at = c == '=' ? nullptr : std::strchr(kBase64, c);
      if (c == '=' && i + 4 == text.size() && k >= 2) {
        ++pad;
        v <<= 6;
        continue;
      }
      if (at == nullptr || c == '\0' || pad > 0) return false;
      v = (v << 6) | static_cast<uint32_t>(at - kBase64);
    }
    bytes.push_back(static_cast<uint8_t>(v >> 16));
    if (pad < 2) bytes.push_back(static_cast<uint8_t>(v >> 8));
    if (pad < 1) bytes.push_back(static_cast<uint8_t>(v));
  }
  return true;
}

}  // namespace qx::sim
