#include "sim/model/flash_image.h"

#include "api/image_types.h"
#include "api/records.h"
#include "sim/model/adapter.h"

namespace qx::sim {
namespace {

std::vector<std::string> type_names() {
  std::vector<std::string> names;
  for (int i = 0; i < kImageTypeCount; ++i) names.emplace_back(image_type_name(static_cast<uint8_t>(i)));
  return names;
}

constexpr uint32_t kLargeRegion = 32u << 20;  // firmware and raw images
constexpr uint32_t kSmallRegion = 256u << 10;

// What both views of a region share: everything but where its content is.
Model<FlashImage> region_model() {
  using F = FlashImage;
  Model<F> m;
  m.table = "images";
  m.doc =
      "The images the adapter holds in flash, one region per type. Without `images` an adapter gets "
      "config, bin, bios, firmware and autoload regions, raw with advanced feature bit 31 and fw_backup "
      "with advanced feature bit 2.0, carrying its identity and versions. The adapter's image health "
      "follows from the regions' states.";
  m.key = {"type"};
  // A type left out is the entry's position in the list, as an id would be.
  Field<F> type = enum_field<F>("type", &F::type, type_names(), ImageType{0}, "flash image type",
                                "image type; left out: the entry's position (0 config, 1 bin, ...)");
  type.set = [by_name = type.set](F& o, const json& v) {
    if (v.is_number_integer()) {
      o.type = ImageType{static_cast<uint8_t>(expect_integer(v, 0, kImageTypeCount - 1))};
      return;
    }
    by_name(o, v);
  };
  m.fields = {
      type,
      enum_field<F>("state", &F::state, {"valid", "header_corrupt", "data_corrupt", "erased"}, ImageState::kValid,
                    "image health (276), backup",
                    "valid, or why the region holds no usable image; only a valid region can be backed up"),
      version_field<F>("version", &F::version, "1.0.0.0", "image header",
                       "the image's version; running versions take it at the next reboot"),
      integer_field<F>("device_id", &F::device_id, 0, "image header", "device id the image is made for; 0 = any"),
      integer_field<F>("sub_device_id", &F::sub_device_id, 0, "image header",
                       "subsystem id the image is made for; 0 = any"),
      integer_field<F>("sub_vendor_id", &F::sub_vendor_id, 0, "image header",
                       "subsystem vendor id the image is made for; 0 = any"),
      integer_field<F>("size", &F::size, 65536, "backup", "payload bytes of the image while nothing is written", 0,
                       kLargeRegion),
      integer_field<F>("capacity", &F::capacity, kLargeRegion, "update",
                       "the largest image file (header included) the region takes", 1, 0xFFFFFFFFll),
  };
  return m;
}

}  // namespace

const Model<FlashImage>& flash_image_model() {
  static const Model<FlashImage> model = [] {
    Model<FlashImage> m = region_model();
    Field<FlashImage> file = text_field<FlashImage>("file", &FlashImage::file, 64, "", "update, backup",
                                                    "the content file in the state's images directory");
    file.in_scenario = false;
    m.fields.push_back(std::move(file));
    return m;
  }();
  return model;
}

const Model<FlashImage>& flash_image_scenario_model() {
  static const Model<FlashImage> model = [] {
    Model<FlashImage> m = region_model();
    m.fields.push_back(text_field<FlashImage>("content", &FlashImage::content, (size_t{kLargeRegion} + 2) / 3 * 4 + 4,
                                              "", "update, backup",
                                              "the image file last written, in base64; empty = generated from the "
                                              "fields above"));
    return m;
  }();
  return model;
}

std::vector<FlashImage> default_images(const Adapter& a) {
  struct Row {
    uint8_t type;
    uint32_t size, capacity;
  };
  std::vector<Row> rows = {{QX_IMAGE_CONFIG, 8 << 10, kSmallRegion},
                           {QX_IMAGE_BIN, 40 << 10, kSmallRegion},
                           {QX_IMAGE_BIOS, 64 << 10, kSmallRegion},
                           {QX_IMAGE_FIRMWARE, 96 << 10, kLargeRegion},
                           {QX_IMAGE_AUTOLOAD, 4 << 10, kSmallRegion}};
  if (a.adv_features & QX_ADV_RAW_UPDATE) rows.push_back({QX_IMAGE_RAW, 128 << 10, kLargeRegion});
  if (a.adv_features2 & QX_ADV2_FLASH_TWICE) rows.push_back({QX_IMAGE_FW_BACKUP, 96 << 10, kLargeRegion});
  std::vector<FlashImage> out;
  for (const Row& r : rows) {
    FlashImage image;
    image.type = ImageType{r.type};
    image.version = {1, 0, 0, 0};
    if (r.type == QX_IMAGE_BIOS) image.version = a.bios_version;
    if (r.type == QX_IMAGE_FIRMWARE || r.type == QX_IMAGE_FW_BACKUP) image.version = a.firmware_version;
    if (r.type == QX_IMAGE_BIN) image.version = a.boot_loader_version;
    image.device_id = a.device_id;
    image.sub_device_id = a.subsystem_id;
    image.sub_vendor_id = a.subsystem_vendor_id;
    image.size = r.size;
    image.capacity = r.capacity;
    out.push_back(image);
  }
  return out;
}

std::array<uint8_t, 6> image_health(const std::vector<std::pair<uint8_t, ImageState>>& regions) {
  auto valid = [&](uint8_t type) {
    for (const auto& [code, state] : regions)
      if (code == type) return state == ImageState::kValid;
    return false;
  };
  bool all = !regions.empty();
  for (const auto& region : regions) all = all && region.second == ImageState::kValid;
  auto bit = [](bool b) { return static_cast<uint8_t>(b ? 1 : 0); };
  return {bit(all),
          bit(valid(QX_IMAGE_AUTOLOAD)),
          bit(valid(QX_IMAGE_BIN)),
          bit(valid(QX_IMAGE_FIRMWARE)),
          bit(valid(QX_IMAGE_BIOS)),
          bit(valid(QX_IMAGE_CONFIG))};
}

}  // namespace qx::sim
