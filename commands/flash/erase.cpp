// `flash -a erase`: an image (after a question), or the PD page.
#include <cstring>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/flash/flash.h"
#include "shell/confirm.h"
#include "shell/output.h"

namespace qx::commands::flash {

uint32_t erase(const Request& request) {
  if (request.has_page) {
    const uint8_t status = QX_Flash_Erase(request.adapter, request.page);
    if (status != kOk) {
      shell::print("\nFailed to erase flash PD page (error %d: %s).\n", status, status_text(status));
      return status;
    }
    shell::print_text("Erase PD Page command is returned successfully.\n");
    return 0;
  }
  if (!shell::ask_yes_no("Do you want to erase ROM file in Flash?  (y or n)\n")) return 0;
  std::unique_ptr<QX_FLASH_PAGE> page = new_page();
  if (!page) return kNoResource;
  page->length = QX_FLASH_PAGE_SIZE;
  const uint8_t status = QX_Flash_Bin(request.adapter, QX_FLASH_ERASE, request.type, page.get());
  if (status != kOk) {
    shell::print("\nFailed to erase (error %d: %s).\n", status, status_text(status));
    return status;
  }
  shell::print_text("Erase bios command is returned successfully.\n");
  return 0;
}

}  // namespace qx::commands::flash
