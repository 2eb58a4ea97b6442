// `flash -a version`: the version header of an image file.
#include "api/image_types.h"
#include "api/qx_api.h"
#include "api/status.h"
#include "commands/flash/flash.h"
#include "shell/output.h"

namespace qx::commands::flash {

uint32_t show_version(const Request& request) {
  QX_FLASH_HEADER header{};
  const uint8_t status = QX_Flash_GetHeaderInfo2(request.file.c_str(), &header);
  if (status != kOk) {
    shell::print("\nFailed to check version of file '%s', error %d: %s\n", request.file.c_str(), status,
                 status_text(status));
    return status;
  }
  constexpr int kWidth = 18;
  shell::print_label_num(kWidth, "major version:", header.major);
  shell::print_label_num(kWidth, "minor version:", header.minor);
  shell::print_label_num(kWidth, "revision number:", header.revision);
  shell::print_label_num(kWidth, "build number:", header.build);
  shell::print_label(kWidth, "image type:", image_type_name(header.image_type));
  shell::print_label_format(kWidth, "Device ID:", "%x", header.device_id);
  if (header.sub_device_id != 0) shell::print_label_format(kWidth, "Sub Device ID:", "%x", header.sub_device_id);
  if (header.sub_vendor_id != 0) shell::print_label_format(kWidth, "Sub Vendor ID:", "%x", header.sub_vendor_id);
  return 0;
}

}  // namespace qx::commands::flash
