// The flash family: QX_Flash_GetHeaderInfo2, QX_Flash_PreData, QX_Flash_Bin,
// QX_Flash_Erase. An update's pages are staged in this process and reach the
// adapter's region in one transaction with the last page; a backup is served
// from a copy of the region taken at its first page. Only those steps change
// the state: every other page is a read-only call, which takes no write
// lock. The rules are in sim/engine/flash_store.h.
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "api/event_catalogue.h"
#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/events.h"
#include "sim/engine/flash_store.h"
#include "sim/engine/image_files.h"
#include "sim/engine/settings.h"
#include "sim/model/disk.h"
#include "sim/store/table.h"

using qx::sim::Access;
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
std::map<TransferKey, qx::sim::ImageSnapshot>& backups() {
  static std::map<TransferKey, qx::sim::ImageSnapshot> all;
  return all;
}

bool flash_supported(const Session& s) { return (s.adapter().adv_features2 & QX_ADV2_NO_FLASH) == 0; }

// A step's answer; empty when the step must change the state (store an
// image, log an event) and runs as a read-only call.
using StepResult = std::optional<uint8_t>;
using Step = std::function<StepResult(const Session& s, bool can_write)>;

// Runs `step` as a read-only call, and once more as a changing call when it
// answers that it must change the state. A step runs the same way twice:
// what it keeps in the process between pages changes only where it can
// write, or in ways the second run repeats.
uint8_t run_step(Call call, uint8_t adapter, const Step& step) {
  bool must_write = false;
  const uint8_t status = qx::sim::api_call(call, adapter, Access::kRead, [&](Session& s) {
    const StepResult result = step(s, false);
    must_write = !result.has_value();
    return result.value_or(uint8_t{qx::kOk});
  });
  if (!must_write) return status;
  return qx::sim::api_call(call, adapter, Access::kWrite, [&](Session& s) { return step(s, true).value(); });
}

// A content file that a committed change replaced: removed once the call
// answers 0, which a changing call does only after its commit.
struct Replaced {
  std::string path;
  void note(const Session& s, const FlashImage& region) {
    path = region.file.empty() ? "" : qx::sim::image_directory(s.db()) + "/" + region.file;
  }
  void remove_after(uint8_t status) const {
    if (status == qx::kOk && !path.empty()) std::remove(path.c_str());
  }
};

// A refusal that the adapter records: the event stays although the call fails.
uint8_t refuse(const Session& s, const qx::EventKind& kind, uint8_t type, uint8_t status) {
  qx::sim::log_event(s, NewEvent(kind, type));
  s.keep_changes();
  return status;
}

// The region takes the staged image: a new content file, then the row that
// names it and the event, in the call's transaction. The disk takes the
// file while the payload's CRC is checked; a bad image's file is dropped.
uint8_t store_image(const Session& s, uint8_t type, const FlashImage& region, std::span<const uint8_t> bytes,
                    Replaced& replaced) {
  qx::sim::remove_unnamed_image_files(s.db());
  qx::sim::NewImageFile file(s.db(), s.adapter_id(), type, bytes);
  qx::sim::ImageInfo info;
  if (uint8_t status = qx::sim::check_image(bytes, info); status != qx::kOk)
    return refuse(s, qx::events::kFlashUpdateFailed, type, status);
  replaced.note(s, region);
  qx::sim::save_image(s.db(), s.adapter_id(), qx::sim::with_content(region, file.keep(), info));
  qx::sim::log_event(s, NewEvent(qx::events::kFlashUpdated, type));
  return qx::kOk;
}

StepResult update_page(const Session& s, uint8_t type, const QX_FLASH_PAGE& page, bool can_write,
                       Replaced& replaced) {
  qx::sim::ImageUpload& upload = uploads()[{s.adapter_id(), type}];
  std::optional<FlashImage> region;
  if (page.page_number == 0 || page.last_page == 1) {
    if (uint8_t status = qx::sim::check_update_type(s.db(), s.adapter(), type, region); status != qx::kOk) {
      upload.clear();
      return status;
    }
    if (page.last_page == 1 && !can_write) return std::nullopt;
    if (page.page_number == 0) upload.clear(region->capacity);
  }
  if (uint8_t status = upload.add(page); status != qx::kOk) {
    if (!can_write) return std::nullopt;  // a refused page stages nothing
    upload.clear();
    return refuse(s, qx::events::kFlashUpdateFailed, type, status);
  }
  qx::sim::ImageInfo info;
  if (page.page_number == 0) {
    uint8_t status = qx::sim::parse_image_header(upload.bytes(), info);
    if (status == qx::kOk) status = qx::sim::check_update_header(info, type, s.adapter());
    if (status != qx::kOk) {
      if (!can_write) return std::nullopt;  // the second run starts again from page 0
      upload.clear();
      return refuse(s, qx::events::kFlashUpdateFailed, type, status);
    }
  }
  if (page.last_page != 1) return uint8_t{qx::kOk};
  const qx::platform::LargeBuffer bytes = upload.take();
  return store_image(s, type, *region, bytes.bytes(), replaced);
}

// Takes the snapshot of a backup. A content file that a region write in
// another process removed after this call's transaction began sends the
// call back to start again once; missing a second time, the state is
// damaged.
void take_snapshot(const Session& s, const FlashImage& region, qx::sim::ImageSnapshot& snapshot, bool& retried) {
  if (region.file.empty()) {
    snapshot.hold(qx::sim::image_bytes(s.db(), region));
    return;
  }
  if (snapshot.hold_file(s.db(), region.file)) return;
  if (!retried) {
    retried = true;
    throw qx::sim::StateMoved();
  }
  throw qx::sim::ImageFileMissing(s.db(), region);
}

StepResult backup_page(const Session& s, uint8_t type, QX_FLASH_PAGE& page, bool can_write, bool& retried) {
  qx::sim::ImageSnapshot& snapshot = backups()[{s.adapter_id(), type}];
  if (page.page_number == 0) {
    std::optional<FlashImage> region = qx::sim::find_image(s.db(), s.adapter_id(), type);
    if (!region) return uint8_t{qx::kInvalidFlashType};
    if (region->state != qx::sim::ImageState::kValid) {
      if (!can_write) return std::nullopt;
      snapshot.clear();
      return refuse(s, qx::events::kFlashBackupFailed, type, qx::kImageHeaderInvalid);
    }
    take_snapshot(s, *region, snapshot, retried);
  } else if (!snapshot.held()) {
    return uint8_t{qx::kWrongData};  // no backup under way
  }
  if (uint8_t status = snapshot.fill(page.page_number, page); status != qx::kOk) return status;
  if (page.last_page == 1) {
    if (!can_write) return std::nullopt;  // the event; the second run fills the same page
    snapshot.clear();
    qx::sim::log_event(s, NewEvent(qx::events::kFlashBackedUp, type));
  }
  return uint8_t{qx::kOk};
}

uint8_t erase_region(const Session& s, uint8_t type, Replaced& replaced) {
  std::optional<FlashImage> region = qx::sim::find_image(s.db(), s.adapter_id(), type);
  if (!region) return uint8_t{qx::kInvalidFlashType};
  qx::sim::remove_unnamed_image_files(s.db());
  replaced.note(s, *region);
  region->state = qx::sim::ImageState::kErased;
  region->file.clear();
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
    qx::sim::ImageUpload& upload = uploads()[{adapter, pre_data->image_type}];
    upload.clear();
    upload.announce(pre_data->file_size);
    return uint8_t{qx::kOk};
  });
}

QX_API_EXPORT uint8_t QX_Flash_Bin(uint8_t adapter, uint8_t action, uint8_t image_type, QX_FLASH_PAGE* page) {
  if (page == nullptr) return qx::kInvalidParameter;
  Replaced replaced;
  bool retried = false;
  const uint8_t status = run_step(Call::QX_Flash_Bin, adapter, [&](const Session& s, bool can_write) -> StepResult {
    if (!flash_supported(s)) return uint8_t{qx::kNotSupported};
    switch (action) {
      case QX_FLASH_UPDATE:
        return update_page(s, image_type, *page, can_write, replaced);
      case QX_FLASH_BACKUP:
        return backup_page(s, image_type, *page, can_write, retried);
      case QX_FLASH_ERASE:
        if (!can_write) return std::nullopt;
        return erase_region(s, image_type, replaced);
      default:
        return uint8_t{qx::kInvalidFlashAction};
    }
  });
  replaced.remove_after(status);
  return status;
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
