#include "commands/inventory/listing.h"

#include "api/status.h"
#include "shell/output.h"

namespace qx::commands {

namespace {
constexpr int kTotalWidth = 20;
}

uint8_t buffer_unavailable(size_t bytes) {
  shell::print("Unable to allocate buffer for %d bytes %s.\n", static_cast<int>(bytes), error_report(kNoResource).c_str());
  return kNoResource;
}

uint8_t end_listing(const ListingNames& names, std::optional<uint16_t> id, long total, uint8_t status) {
  if (id) {
    if (status != kOk)
      shell::print("\nUnable to get info of %s %d %s\n", names.noun, *id, error_report(status).c_str());
    return status;
  }
  if (total != 0) {
    shell::print_label_num(kTotalWidth, names.total_label, total);
    shell::print("\n");
  }
  if (status != kOk) shell::print("\nUnable to get info of %s %s\n", names.noun, error_report(status).c_str());
  return status;
}

}  // namespace qx::commands
