// The flash family: QX_Flash_GetHeaderInfo2, QX_Flash_PreData, QX_Flash_Bin,
// QX_Flash_Erase. An update's pages are staged in this process and reach the
// adapter's region in one transaction with the last page; a backup is served
// from a copy of the region taken at its first page. The rules are in
// sim/engine/flash_store.h.
#include <cstdio>
#include <map>
#include <utility>

#include "api/event_catalogue.h"
#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/events.h"
#include "sim/engine/flash_store.h"
#include "sim/engine/settings.h"
#include "sim/model/disk.h"
#include "sim/store/table.h"

using qx::sim::Call;
using qx::sim::FlashImage;
using qx::sim::NewEvent;
using qx::sim::Session;

namespace {

// Transfers under way in this process, per adapter and image type.
using TransferKey = std::pair<int, uint8_t>;
std::map<TransferKey, qx::sim::ImageUpload>& uploads() {
  static std::map<TransferKey, qx::sim::ImageUpload> all;
  return all;
}
std::map<TransferKey, std::vector<uint8_t>>& backups() {
  static std::map<TransferKey, std::vector<uint8_t>> all;
  return all;
}

bool flash_supported(const Session& s) { return (s.adapter().adv_features2 & QX_ADV2_NO_FLASH) == 0; }

// A refusal that the adapter records: the event stays although the call fails.
uint8_t refuse(const Session& s, const qx::EventKind& kind, uint8_t type, uint8_t status) {
  qx::sim::log_event(s, NewEvent(kind, type));
  s.keep_changes();
  return status;
}

uint8_t update_page(const Session& s, uint8_t type, const QX_FLASH_PAGE& page) {
  qx::sim::ImageUpload& upload = uploads()[{s.adapter_id(), type}];
  // The region is read at the first page and the last: its content can be large.
  std::optional<FlashImage> region;
  if (page.page_number == 0 || page.last_page == 1) {
    if (uint8_t status = qx::sim::check_update_type(s.db(), s.adapter(), type, region); status != qx::kOk) {
      upload.clear();
      return status;
    }
    if (page.page_number == 0) upload.clear(region->capacity);
  }
  if (uint8_t status = upload.add(page); status != qx::kOk) {
    upload.clear();
    return refuse(s, qx::events::kFlashUpdateFailed, type, status);
  }
  qx::sim::ImageInfo info;
  if (page.page_number == 0) {
    uint8_t status = qx::sim::parse_image_header(upload.bytes(), info);
    if (status == qx::kOk) status = qx::sim::check_update_header(info, type, s.adapter());
    if (status != qx::kOk) {
      upload.clear();
      return refuse(s, qx::events::kFlashUpdateFailed, type, status);
    }
  }
  if (page.last_page != 1) return uint8_t{qx::kOk};
  std::vector<uint8_t> bytes = upload.bytes();
  upload.clear();
  if (uint8_t status = qx::sim::check_image(bytes, info); status != qx::kOk)
    return refuse(s, qx::events::kFlashUpdateFailed, type, status);
  qx::sim::save_image(s.db(), s.adapter_id(), qx::sim::with_content(*region, bytes, info));
  qx::sim::log_event(s, NewEvent(qx::events::kFlashUpdated, type));
  return uint8_t{qx::kOk};
}

uint8_t backup_page(const Session& s, uint8_t type, QX_FLASH_PAGE& page) {
  std::vector<uint8_t>& copy = backups()[{s.adapter_id(), type}];
  if (page.page_number == 0) {
    std::optional<FlashImage> region = qx::sim::find_image(s.db(), s.adapter_id(), type);
    if (!region) return uint8_t{qx::kInvalidFlashType};
    if (region->state != qx::sim::ImageState::kValid) {
      copy.clear();
      return refuse(s, qx::events::kFlashBackupFailed, type, qx::kImageHeaderInvalid);
    }
    copy = qx::sim::image_bytes(*region);
  } else if (copy.empty()) {
    return uint8_t{qx::kWrongData};  // no backup under way
  }
  if (uint8_t status = qx::sim::fill_page(copy, page.page_number, page); status != qx::kOk) return status;
  if (page.last_page == 1) {
    copy.clear();
    qx::sim::log_event(s, NewEvent(qx::events::kFlashBackedUp, type));
  }
  return uint8_t{qx::kOk};
}

uint8_t erase_region(const Session& s, uint8_t type) {
  std::optional<FlashImage> region = qx::sim::find_image(s.db(), s.adapter_id(), type);
  if (!region) return uint8_t{qx::kInvalidFlashType};
  region->state = qx::sim::ImageState::kErased;
  region->content.clear();
  qx::sim::save_image(s.db(), s.adapter_id(), *region);
  return uint8_t{qx::kOk};
}

}  // namespace

extern "C" {

QX_API_EXPORT uint8_t QX_Flash_GetHeaderInfo2(const char* file_name, QX_FLASH_HEADER* header) {
  if (file_name == nullptr || header == nullptr) return qx::kInvalidParameter;
  std::FILE* file = std::fopen(file_name, "rb");
  if (file == nullptr) return qx::kInvalidFileInput;
  std::vector<uint8_t> bytes(qx::sim::kImageHeaderSize);
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return qx::kInvalidFileInput;
  qx::sim::ImageInfo info;
  if (uint8_t status = qx::sim::parse_image_header(bytes, info); status != qx::kOk) return status;
  *header = QX_FLASH_HEADER{};
  header->major = info.version[0];
  header->minor = info.version[1];
  header->revision = info.version[2];
  header->build = info.version[3];
  header->image_type = info.type;
  header->device_id = info.device_id;
  header->sub_device_id = info.sub_device_id;
  header->sub_vendor_id = info.sub_vendor_id;
  return qx::kOk;
}

QX_API_EXPORT uint8_t QX_Flash_PreData(uint8_t adapter, const QX_FLASH_PRE_DATA* pre_data) {
  if (pre_data == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_Flash_PreData, adapter, [&](Session& s) {
    if (!flash_supported(s)) return uint8_t{qx::kNotSupported};
    std::optional<FlashImage> region;
    if (uint8_t status = qx::sim::check_update_type(s.db(), s.adapter(), pre_data->image_type, region);
        status != qx::kOk)
      return status;
    if (pre_data->file_size > region->capacity) return uint8_t{qx::kOutOfRange};
    uploads()[{adapter, pre_data->image_type}].clear();
    return uint8_t{qx::kOk};
  });
}

QX_API_EXPORT uint8_t QX_Flash_Bin(uint8_t adapter, uint8_t action, uint8_t image_type, QX_FLASH_PAGE* page) {
  if (page == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_Flash_Bin, adapter, [&](Session& s) {
    if (!flash_supported(s)) return uint8_t{qx::kNotSupported};
    switch (action) {
      case QX_FLASH_UPDATE:
        return update_page(s, image_type, *page);
      case QX_FLASH_BACKUP:
        return backup_page(s, image_type, *page);
      case QX_FLASH_ERASE:
        return erase_region(s, image_type);
      default:
        return uint8_t{qx::kInvalidFlashAction};
    }
  });
}

QX_API_EXPORT uint8_t QX_Flash_Erase(uint8_t adapter, uint8_t page) {
  return qx::sim::api_call(Call::QX_Flash_Erase, adapter, [&](Session& s) {
    if (!flash_supported(s)) return uint8_t{qx::kNotSupported};
    if (page != QX_FLASH_PAGE_PD && page != QX_FLASH_PAGE_PD_FORCE) return uint8_t{qx::kInvalidParameter};
    qx::sim::Adapter changed = s.adapter();
    std::vector<uint16_t> kept;
    if (page == QX_FLASH_PAGE_PD) {
      for (uint16_t id : changed.pd_page) {
        std::optional<qx::sim::Disk> disk = qx::sim::select_by_id(s.db(), qx::sim::disk_model(), adapter, id);
        if (disk && disk->present) kept.push_back(id);
      }
    }
    changed.pd_page = std::move(kept);
    qx::sim::save_adapter(s.db(), changed);
    return uint8_t{qx::kOk};
  });
}

}  // extern "C"
