// The images an adapter holds in its flash memory, one region per image
// type. A region's content is the whole image file as last written, kept in
// a file of its own in the state directory (the database holds its name);
// until something is written it follows from the region's fields alone.
#ifndef QX_SIM_MODEL_FLASH_IMAGE_H
#define QX_SIM_MODEL_FLASH_IMAGE_H

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "sim/model/field.h"

namespace qx::sim {

struct Adapter;

// The image type's code (QX_IMAGE_...), named as the flash command names it.
enum class ImageType : uint8_t {};
enum class ImageState : uint8_t { kValid, kHeaderCorrupt, kDataCorrupt, kErased };

struct FlashImage {
  ImageType type{};
  ImageState state = ImageState::kValid;
  std::array<uint16_t, 4> version{};
  uint16_t device_id = 0;
  uint16_t sub_device_id = 0;
  uint16_t sub_vendor_id = 0;
  uint32_t size = 0;      // payload bytes of the generated content
  uint32_t capacity = 0;  // largest image file the region takes
  std::string file;       // the content file in the state's image directory; empty: generated
  std::string content;    // in a scenario only: base64 of the image file as written

  uint8_t code() const { return static_cast<uint8_t>(type); }
};

// The regions as the state keeps them: a written region's content is a
// file, named in `file`.
const Model<FlashImage>& flash_image_model();
// The regions as a scenario gives them: a written region's content is in
// the entry itself (`content`, base64), so that a scenario file stands alone.
const Model<FlashImage>& flash_image_scenario_model();

// The regions a new adapter has: config, bin, bios, firmware and autoload;
// raw with raw-image support; a second firmware copy where firmware is
// written twice. Identities and versions are the adapter's.
std::vector<FlashImage> default_images(const Adapter& adapter);

// The image health bytes of the information record: image (every region
// valid), autoload, boot loader (bin), firmware, boot ROM (bios) and HBA
// info (config), 1 only for a region that is there and valid.
std::array<uint8_t, 6> image_health(const std::vector<std::pair<uint8_t, ImageState>>& regions);

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_FLASH_IMAGE_H
