#include "api/output_check.h"

#include <cerrno>
#include <cstring>

namespace qx {

namespace {
int noted_reason = 0;  // errno of the first failed write
}  // namespace

void note_write_failure() {
  if (noted_reason == 0) noted_reason = errno;
}

bool output_written(std::FILE* stream, const char* program) {
  errno = 0;
  const bool flush_failed = std::fflush(stream) != 0;
  const int flush_reason = errno;
  if (!flush_failed && !std::ferror(stream)) return true;
  int reason = flush_failed ? flush_reason : noted_reason;
  if (reason == 0) reason = EIO;  // a write failed and nobody kept why
  std::fprintf(stderr, "%s: write error: %s\n", program, std::strerror(reason));
  return false;
}

}  // namespace qx
