#include "platform/file_routines.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/files.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace qx::platform {
namespace {

// Gives `source` the name `target`, replacing a file of that name in one step.
bool rename_over(const std::string& source, const std::string& target) {
#if defined(_WIN32)
  return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
  return std::rename(source.c_str(), target.c_str()) == 0;
#endif
}

// Creates `path` for writing, failing when something already has the name.
std::FILE* create_new(const std::string& path) {
#if defined(_WIN32)
  const int fd = _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
  std::FILE* file = fd < 0 ? nullptr : _fdopen(fd, "wb");
  if (fd >= 0 && file == nullptr) _close(fd);
#else
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  std::FILE* file = fd < 0 ? nullptr : fdopen(fd, "wb");
  if (fd >= 0 && file == nullptr) ::close(fd);
#endif
  return file;
}

}  // namespace

bool File::open(const std::string& path, FileMode mode) {
  close();
  if (mode == FileMode::kRead) {
    file_ = std::fopen(path.c_str(), "rb");
  } else if (mode == FileMode::kCreateNew) {
    file_ = create_new(path);
  } else {
    file_ = std::fopen(path.c_str(), "r+b");
    // "w+b" empties a file: only for one that was not there a moment ago.
    if (file_ == nullptr && errno == ENOENT) file_ = std::fopen(path.c_str(), "w+b");
  }
  return file_ != nullptr;
}

size_t File::read(void* data, size_t size) {
  if (file_ == nullptr) return 0;
  return std::fread(data, 1, size, file_);
}

bool File::write_at(int64_t offset, const void* data, size_t size) {
  if (file_ == nullptr || std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0) return false;
  return std::fwrite(data, 1, size, file_) == size && std::fflush(file_) == 0;
}

void File::close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
}

bool replace_file(const std::string& path, const void* data, size_t size) {
  const std::string temporary = path + "." + std::to_string(process_id()) + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(data, 1, size, file) == size && std::fflush(file) == 0;
  const bool closed = std::fclose(file) == 0;
  if (written && closed && rename_over(temporary, path)) return true;
  std::remove(temporary.c_str());
  return false;
}

bool resize_file(const std::string& path, uint64_t size) {
  std::error_code error;
  std::filesystem::resize_file(path, size, error);
  return !error;
}

}  // namespace qx::platform
