// `flash -a backup`: the adapter's image, page by page, into a new file.
#include "api/qx_api.h"
#include "api/status.h"
#include "commands/flash/flash.h"
#include "platform/file_routines.h"
#include "shell/output.h"

namespace qx::commands::flash {

uint32_t backup(const Request& request) {
  platform::File file;
  switch (file.create_new(request.file)) {
    case platform::File::Created::kOk:
      break;
    case platform::File::Created::kExists:
      shell::print("File '%s' has already existed.\n", request.file.c_str());
      return 1;
    case platform::File::Created::kFailed:
      shell::print("Unable to create file '%s'.\n", request.file.c_str());
      return 1;
  }
  std::unique_ptr<QX_FLASH_PAGE> page = new_page();
  if (!page) return kNoResource;
  for (uint16_t number = 0;; ++number) {
    page->page_number = number;
    page->last_page = 0;
    const uint8_t status = QX_Flash_Bin(request.adapter, QX_FLASH_BACKUP, request.type, page.get());
    if (status != kOk) {
      shell::print("\nFailed to flash (error %d: %s).\n", status, status_text(status));
      return status;
    }
    shell::print("page %d write to file.\n", number);
    file.write(page->data, page->length);  // as the adapter sent it; a short write shows in the image's CRC
    if (page->last_page == 1) break;
  }
  shell::print_text("Flash command is returned successfully.\n");
  return 0;
}

}  // namespace qx::commands::flash
