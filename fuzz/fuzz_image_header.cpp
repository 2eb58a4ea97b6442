// Fuzz target: the simulated controller's image parser. Any bytes are
// refused or parsed; an image that parses whole is written back byte for
// byte by the writer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "api/status.h"
#include "sim/engine/image_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  qx::sim::ImageInfo info;
  const uint8_t header = qx::sim::parse_image_header(bytes, info);
  const uint8_t whole = qx::sim::check_image(bytes, info);
  if (header != qx::kOk && whole != header) std::abort();  // the whole check starts with the header's
  if (whole == qx::kOk) {
    const std::vector<uint8_t> again = qx::sim::write_image(info, bytes.subspan(qx::sim::kImageHeaderSize));
    if (again.size() != size || !std::equal(again.begin(), again.end(), data)) std::abort();
  }
  return 0;
}
