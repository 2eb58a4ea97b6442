#include "commands/inventory/listing.h"

#include "api/status.h"
#include "shell/output.h"

namespace qx::commands {

namespace {
constexpr int kTotalWidth = 20;
}

uint8_t buffer_unavailable(size_t bytes) {
  shell::print("Unable to allocate buffer for %d bytes (error %d: %s).\n", static_cast<int>(bytes), kNoResource,
               status_text(kNoResource));
  return kNoResource;
}

uint8_t end_listing(const ListingNames& names, std::optional<uint16_t> id, long total, uint8_t status) {
  if (id) {
    if (status != kOk)
      shell::print("\nUnable to get info of %s %d (error %d: %s)\n", names.noun, *id, status, status_text(status));
    return status;
  }
  if (total != 0) {
    shell::print_label_num(kTotalWidth, names.total_label, total);
    shell::print("\n");
  }
  if (status != kOk) shell::print("\nUnable to get info of %s (error %d: %s)\n", names.noun, status, status_text(status));
  return status;
}

}  // namespace qx::commands
