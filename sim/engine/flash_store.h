// The adapter's flash regions as the library calls and qxsim use them: the
// bytes a region holds, the checks an update meets, and the page-by-page
// transfers of an update (staged in the process until its last page) and of
// a backup (served from a copy taken at its first page).
#ifndef QX_SIM_ENGINE_FLASH_STORE_H
#define QX_SIM_ENGINE_FLASH_STORE_H

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "api/records.h"
#include "platform/file_routines.h"
#include "platform/large_buffer.h"
#include "sim/engine/events.h"
#include "sim/engine/image_format.h"
#include "sim/engine/session.h"
#include "sim/model/flash_image.h"

namespace qx::sim {

std::optional<FlashImage> find_image(Db& db, int adapter, uint8_t type);
void save_image(Db& db, int adapter, const FlashImage& image);

// A written region whose content file is not there.
class ImageFileMissing : public std::runtime_error {
 public:
  ImageFileMissing(const Db& db, const FlashImage& region);
};

// The image file a region holds: what was written, or the generated image.
// ImageFileMissing when the written file is gone.
std::vector<uint8_t> image_bytes(const Db& db, const FlashImage& image);

// A region that holds the image in the content file `file` (checked
// whole): valid, with the header's version and identities.
FlashImage with_content(FlashImage region, const std::string& file, const ImageInfo& info);

// The image health bytes of an adapter, from its regions' states.
std::array<uint8_t, 6> adapter_image_health(Db& db, int adapter);

// Whether an image with `header` may be written to the region of
// `call_type` on `adapter`: kInvalidFlashType for a header of another type
// (the second firmware copy takes a firmware image); kAdapterIdMismatch for
// sub ids that are stated and not the adapter's, unless the adapter's sub
// ids are its own ids. A device id that differs is no refusal.
uint8_t check_update_header(const ImageInfo& header, uint8_t call_type, const Adapter& adapter);

// Whether the adapter takes images of `type` at all: kNotSupported for raw
// images without raw support or with raw update switched off;
// kInvalidFlashType for a type the adapter holds no region of.
uint8_t check_update_type(Db& db, const Adapter& adapter, uint8_t type, std::optional<FlashImage>& region);

// The pages of one update into a region of some capacity, from page 0 in
// order.
class ImageUpload {
 public:
  // kWrongData for a page out of order (page 0 is taken only right after
  // clear()); kInvalidParameter for a length outside 1..QX_FLASH_PAGE_SIZE;
  // kOutOfRange when the image grows past the capacity. A refused page
  // leaves what was staged.
  uint8_t add(const QX_FLASH_PAGE& page);
  std::span<const uint8_t> bytes() const { return bytes_.bytes(); }
  // What was staged, handed over; the upload starts again.
  platform::LargeBuffer take();
  // Starts again, for a region of `capacity` bytes (0: takes nothing).
  void clear(uint32_t capacity = 0);
  // The size the sender announced for the next image: room for it is taken
  // at its first page, so that a large image is not copied as it grows.
  void announce(uint32_t size) { announced_ = size; }

 private:
  std::optional<uint16_t> next_page_;
  uint32_t capacity_ = 0;
  uint32_t announced_ = 0;
  platform::LargeBuffer bytes_;
};

// What a backup serves, fixed at its first page: the region's content file,
// kept open (a content file never changes once written, and an open one
// stays readable when an update replaces it), or the generated image.
class ImageSnapshot {
 public:
  void hold(std::vector<uint8_t> bytes);
  // False when the file is not there.
  bool hold_file(const Db& db, const std::string& name);
  bool held() const { return held_; }
  void clear();
  // Fills `page` with page `page_number`: its length, data and last-page
  // flag. kWrongData for a page past the end; std::runtime_error when the
  // file cannot be read.
  uint8_t fill(uint16_t page_number, QX_FLASH_PAGE& page);

 private:
  bool held_ = false;
  std::vector<uint8_t> bytes_;
  platform::File file_;
  uint64_t size_ = 0;
};

// A reboot: the adapter runs the versions of its valid BIOS, firmware and
// boot-loader images. Returns the events of the boot: the adapter detected,
// and one for each region that holds no usable image.
std::vector<NewEvent> reboot_adapter(Db& db, Adapter& adapter);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_FLASH_STORE_H
