// `flash -a update`: the header check, then the file page by page.
#include <cstdint>

#include "api/image_types.h"
#include "api/qx_api.h"
#include "api/status.h"
#include "commands/flash/flash.h"
#include "platform/file_routines.h"
#include "shell/output.h"
#include "shell/state.h"

namespace qx::commands::flash {
namespace {

// Images of these types carry a version header that must fit the adapter.
bool header_checked(uint8_t type) { return type == QX_IMAGE_BIOS || type == QX_IMAGE_FIRMWARE || type == QX_IMAGE_RAW; }

// Prints the refusal and answers the result, or answers 0 to go on.
uint32_t check_header(const Request& request, bool& refused) {
  refused = true;
  QX_FLASH_HEADER header{};
  const uint8_t status = QX_Flash_GetHeaderInfo2(request.file.c_str(), &header);
  if (status != kOk) {
    shell::print("\nFailed to check file '%s', error %d: %s\n", request.file.c_str(), status, status_text(status));
    return status;
  }
  if (header.image_type != request.type) {
    shell::print(
        "\nImage type specified by '-t' is not the same as type get from file. type from '-t': %s, type from file: "
        "%s\n",
        image_type_name(request.type), image_type_name(header.image_type));
    return 1;
  }
  const QX_ADAPTER_INFO& adapter = shell::current_adapter_info();
  if (header.device_id != 0 && header.device_id != adapter.device_id)
    shell::print("\ndevice id is not match. from adapter: %x, from file: %x\n", adapter.device_id, header.device_id);
  const bool own_ids = adapter.subsystem_id == adapter.device_id && adapter.subsystem_vendor_id == adapter.vendor_id;
  if (!(request.oem && own_ids)) {
    if (header.sub_device_id != 0 && header.sub_device_id != adapter.subsystem_id) {
      shell::print("\nsub device id is not match. from adapter: %x, from file: %x\n", adapter.subsystem_id,
                   header.sub_device_id);
      return 1;
    }
    if (header.sub_vendor_id != 0 && header.sub_vendor_id != adapter.subsystem_vendor_id) {
      shell::print("\nsub vendor id is not match. from adapter: %x, from file: %x\n", adapter.subsystem_vendor_id,
                   header.sub_vendor_id);
      return 1;
    }
  }
  refused = false;
  return 0;
}

uint32_t update_failed(const Request& request, uint8_t status) {
  shell::print("\nFailed to update file '%s', error %d: %s\n", request.file.c_str(), status, status_text(status));
  return status;
}

enum class Pass { kFirst, kAgain };

// Sends the whole file as `type`, from its start. Empty when every page
// went; else the command's result (a failed read in the second pass ends
// the command without a word).
std::optional<uint32_t> send_pages(const Request& request, platform::File& file, int64_t size, uint8_t type,
                                   Pass pass, QX_FLASH_PAGE& page) {
  QX_FLASH_PRE_DATA pre{};
  pre.image_type = type;
  pre.file_size = static_cast<uint32_t>(size);
  QX_Flash_PreData(request.adapter, &pre);  // an announcement only: the pages are what the adapter checks
  int64_t position = 0;
  for (uint16_t number = 0;; ++number) {
    const size_t count = file.read_fully(page.data, QX_FLASH_PAGE_SIZE);
    if (count == 0) {
      if (pass == Pass::kAgain) return 1;
      shell::print("Unable to read from file %s\n", request.file.c_str());
      return 1;
    }
    position += static_cast<int64_t>(count);
    page.length = static_cast<uint32_t>(count);
    page.page_number = number;
    page.last_page = position == size ? 1 : 0;
    shell::print(pass == Pass::kFirst ? "page %d write to device.\n" : "page %d write to device again.\n", number);
    const uint8_t status = QX_Flash_Bin(request.adapter, QX_FLASH_UPDATE, type, &page);
    if (status != kOk) return update_failed(request, status);
    if (page.last_page == 1) return std::nullopt;
  }
}

}  // namespace

uint32_t update(const Request& request) {
  if (header_checked(request.type)) {
    bool refused = false;
    const uint32_t result = check_header(request, refused);
    if (refused) return result;
  }
  platform::File file;
  if (!file.open(request.file, platform::FileMode::kRead)) {
    shell::print("Unable to open file '%s'.\n", request.file.c_str());
    return 1;
  }
  const int64_t size = file.size();
  if (size >= (int64_t{1} << 32)) {
    shell::print("File '%s' is 4 GB or larger: no image is that large.\n", request.file.c_str());
    return 1;
  }
  const QX_ADAPTER_INFO& adapter = shell::current_adapter_info();
  if (request.type == QX_IMAGE_RAW && !(adapter.adv_features & QX_ADV_RAW_UPDATE)) {
    update_failed(request, kNotSupported);
    return 0;
  }
  uint8_t count = 0;
  QX_ADAPTER_CONFIG config{};
  if (const uint8_t status = QX_Adapter_GetConfig(shell::state().current_adapter, &count, &config); status != kOk)
    return update_failed(request, status);
  if (config.raw_update == 1) {
    shell::print("\nFail to update file '%s' since raw image format is not supported.\n", request.file.c_str());
    return 0;
  }
  std::unique_ptr<QX_FLASH_PAGE> page = new_page();
  if (!page) return kNoResource;
  if (std::optional<uint32_t> result = send_pages(request, file, size, request.type, Pass::kFirst, *page))
    return *result;
  if (request.type == QX_IMAGE_FIRMWARE && (adapter.adv_features2 & QX_ADV2_FLASH_TWICE)) {
    if (!file.rewind_to(0)) return 1;
    if (std::optional<uint32_t> result =
            send_pages(request, file, size, QX_IMAGE_FW_BACKUP, Pass::kAgain, *page))
      return *result;
  }
  shell::print_text("Flash command is returned successfully.Please reboot to take effect.\n");
  return 0;
}

}  // namespace qx::commands::flash
