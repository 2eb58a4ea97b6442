// Fixed-width text fields of library records.
#ifndef QX_SIM_MODEL_RECORD_TEXT_H
#define QX_SIM_MODEL_RECORD_TEXT_H

#include <algorithm>
#include <cstring>
#include <string>

namespace qx::sim {

// Fills a fixed text field with zero padding; a text as long as the field has
// no terminating NUL, as the hardware reports it.
template <size_t N>
void copy_text(char (&dst)[N], const std::string& src) {
  std::memset(dst, 0, N);
  std::memcpy(dst, src.data(), std::min(src.size(), N));
}

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_RECORD_TEXT_H
