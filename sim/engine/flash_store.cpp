#include "sim/engine/flash_store.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "api/event_catalogue.h"
#include "api/image_types.h"
#include "sim/engine/image_files.h"
#include "api/status.h"
#include "sim/store/table.h"

namespace qx::sim {

std::optional<FlashImage> find_image(Db& db, int adapter, uint8_t type) {
  if (type >= kImageTypeCount) return std::nullopt;  // a code without a name: no region has it
  std::vector<FlashImage> rows = select_rows(db, flash_image_model(), adapter, "\"type\" = ?1",
                                             {json(flash_image_model().find("type")->choices.at(type))});
  if (rows.empty()) return std::nullopt;
  return rows.front();
}

void save_image(Db& db, int adapter, const FlashImage& image) {
  update_row(db, flash_image_model(), adapter, image);
}

ImageFileMissing::ImageFileMissing(const Db& db, const FlashImage& region)
    : std::runtime_error("the " + std::string(image_type_name(region.code())) + " image file " +
                         image_directory(db) + "/" + region.file + " is missing") {}

std::vector<uint8_t> image_bytes(const Db& db, const FlashImage& image) {
  std::vector<uint8_t> bytes;
  if (!image.file.empty()) {
    if (!read_image_file(db, image.file, bytes)) throw ImageFileMissing(db, image);
    return bytes;
  }
  ImageInfo info;
  info.type = image.code();
  info.version = image.version;
  info.device_id = image.device_id;
  info.sub_device_id = image.sub_device_id;
  info.sub_vendor_id = image.sub_vendor_id;
  return write_image(info, generated_payload(image.code(), image.version, image.size));
}

FlashImage with_content(FlashImage region, const std::string& file, const ImageInfo& info) {
  region.state = ImageState::kValid;
  region.version = info.version;
  region.device_id = info.device_id;
  region.sub_device_id = info.sub_device_id;
  region.sub_vendor_id = info.sub_vendor_id;
  region.size = info.payload_length;
  region.file = file;
  return region;
}

std::array<uint8_t, 6> adapter_image_health(Db& db, int adapter) {
  // Only the states: the contents can be large.
  Stmt stmt = db.prepare("SELECT \"type\", \"state\" FROM " + flash_image_model().table + " WHERE adapter = ?1");
  stmt.bind(1, int64_t{adapter});
  const Field<FlashImage>& type = *flash_image_model().find("type");
  const Field<FlashImage>& state = *flash_image_model().find("state");
  std::vector<std::pair<uint8_t, ImageState>> regions;
  while (stmt.step()) {
    FlashImage row;
    type.set(row, json(stmt.column_text(0)));
    state.set(row, json(stmt.column_text(1)));
    regions.emplace_back(row.code(), row.state);
  }
  return image_health(regions);
}

uint8_t check_update_header(const ImageInfo& header, uint8_t call_type, const Adapter& adapter) {
  const uint8_t expected = call_type == QX_IMAGE_FW_BACKUP ? uint8_t{QX_IMAGE_FIRMWARE} : call_type;
  if (header.type != expected) return kInvalidFlashType;
  const bool own_ids =
      adapter.subsystem_id == adapter.device_id && adapter.subsystem_vendor_id == adapter.vendor_id;
  if (own_ids) return kOk;
  if (header.sub_device_id != 0 && header.sub_device_id != adapter.subsystem_id) return kAdapterIdMismatch;
  if (header.sub_vendor_id != 0 && header.sub_vendor_id != adapter.subsystem_vendor_id) return kAdapterIdMismatch;
  return kOk;
}

uint8_t check_update_type(Db& db, const Adapter& adapter, uint8_t type, std::optional<FlashImage>& region) {
  if (type == QX_IMAGE_RAW && (!(adapter.adv_features & QX_ADV_RAW_UPDATE) || !adapter.raw_update))
    return kNotSupported;
  region = find_image(db, adapter.id, type);
  return region ? uint8_t{kOk} : uint8_t{kInvalidFlashType};
}

uint8_t ImageUpload::add(const QX_FLASH_PAGE& page) {
  if (page.page_number != next_page_.value_or(0)) return kWrongData;
  if (page.length == 0 || page.length > QX_FLASH_PAGE_SIZE) return kInvalidParameter;
  if (bytes_.size() + page.length > capacity_) return kOutOfRange;
  bytes_.append(page.data, page.length);
  next_page_ = static_cast<uint16_t>(page.page_number + 1);
  return kOk;
}

platform::LargeBuffer ImageUpload::take() {
  platform::LargeBuffer bytes = std::move(bytes_);
  announced_ = 0;
  clear(capacity_);
  return bytes;
}

void ImageUpload::clear(uint32_t capacity) {
  capacity_ = capacity;
  next_page_.reset();
  bytes_.clear();
  if (capacity > 0) bytes_.reserve(std::min(announced_, capacity));
}

void ImageSnapshot::hold(std::vector<uint8_t> bytes) {
  clear();
  bytes_ = std::move(bytes);
  size_ = bytes_.size();
  held_ = true;
}

bool ImageSnapshot::hold_file(const Db& db, const std::string& name) {
  clear();
  const int64_t size = open_image_file(db, name, file_);
  if (size < 0) return false;
  size_ = static_cast<uint64_t>(size);
  held_ = true;
  return true;
}

void ImageSnapshot::clear() {
  held_ = false;
  bytes_.clear();
  file_.close();
  size_ = 0;
}

uint8_t ImageSnapshot::fill(uint16_t page_number, QX_FLASH_PAGE& page) {
  const uint64_t offset = uint64_t{page_number} * QX_FLASH_PAGE_SIZE;
  if (offset >= size_ && !(offset == 0 && size_ == 0)) return kWrongData;
  const size_t length = static_cast<size_t>(std::min<uint64_t>(QX_FLASH_PAGE_SIZE, size_ - offset));
  if (!file_.is_open()) {
    if (length > 0) std::memcpy(page.data, bytes_.data() + offset, length);
  } else if (!file_.rewind_to(static_cast<int64_t>(offset)) || file_.read_fully(page.data, length) != length) {
    throw std::runtime_error("cannot read the image being backed up");
  }
  page.length = static_cast<uint32_t>(length);
  page.page_number = page_number;
  page.last_page = offset + length == size_ ? 1 : 0;
  return kOk;
}

std::vector<NewEvent> reboot_adapter(Db& db, Adapter& adapter) {
  std::vector<NewEvent> events{NewEvent(events::kAdapterDetected, adapter.id)};
  std::vector<FlashImage> regions = select_rows(db, flash_image_model(), adapter.id);
  auto valid = [&](uint8_t type) -> const FlashImage* {
    for (const FlashImage& r : regions)
      if (r.code() == type && r.state == ImageState::kValid) return &r;
    return nullptr;
  };
  if (const FlashImage* bios = valid(QX_IMAGE_BIOS)) adapter.bios_version = bios->version;
  if (const FlashImage* bin = valid(QX_IMAGE_BIN)) adapter.boot_loader_version = bin->version;
  // The firmware runs from its first copy, else from the second.
  const FlashImage* firmware = valid(QX_IMAGE_FIRMWARE);
  const FlashImage* backup = valid(QX_IMAGE_FW_BACKUP);
  if (const FlashImage* running = firmware ? firmware : backup) adapter.firmware_version = running->version;
  const bool twice = find_image(db, adapter.id, QX_IMAGE_FW_BACKUP).has_value();
  for (const FlashImage& r : regions) {
    if (r.state == ImageState::kValid) continue;
    const bool firmware_copy = twice && (r.code() == QX_IMAGE_FIRMWARE || r.code() == QX_IMAGE_FW_BACKUP);
    if (firmware_copy) {
      // Reported once for the pair: one bad copy, or both.
      if (r.code() == QX_IMAGE_FIRMWARE || firmware)
        events.emplace_back(firmware || backup ? events::kFlashGenerationInvalid
                                               : events::kFlashBothGenerationsInvalid,
                            r.code());
      continue;
    }
    const EventKind& kind = r.state == ImageState::kHeaderCorrupt ? events::kFlashHeaderCorrupted
                            : r.state == ImageState::kDataCorrupt ? events::kFlashDataInvalid
                                                                  : events::kFlashImageInvalid;
    events.emplace_back(kind, r.code());
  }
  return events;
}

}  // namespace qx::sim
