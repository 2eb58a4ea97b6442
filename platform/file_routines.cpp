#include "platform/file_routines.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#if defined(_WIN32)
#include <io.h>
#include <windows.h>
#else
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

// Positions past 2 GiB, where `long` is 32 bits wide.
int64_t tell64(std::FILE* file) {
#if defined(_WIN32)
  return _ftelli64(file);
#else
  return ftello(file);
#endif
}

int seek64(std::FILE* file, int64_t offset, int origin) {
#if defined(_WIN32)
  return _fseeki64(file, offset, origin);
#else
  return fseeko(file, static_cast<off_t>(offset), origin);
#endif
}

}  // namespace

bool File::open(const std::string& path, FileMode mode) {
  close();
  if (mode == FileMode::kRead) {
    file_ = std::fopen(path.c_str(), "rb");
  } else if (mode == FileMode::kCreateNew) {
    return create_new(path) == Created::kOk;
  } else {
    file_ = std::fopen(path.c_str(), "r+b");
    // "w+b" empties a file: only for one that was not there a moment ago.
    if (file_ == nullptr && errno == ENOENT) file_ = std::fopen(path.c_str(), "w+b");
  }
  return file_ != nullptr;
}

File::Created File::create_new(const std::string& path) {
  close();
#if defined(_WIN32)
  const int fd = _open(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
#else
  const int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0666);
#endif
  if (fd < 0) return errno == EEXIST ? Created::kExists : Created::kFailed;
#if defined(_WIN32)
  file_ = _fdopen(fd, "wb");
  if (file_ == nullptr) _close(fd);
#else
  file_ = fdopen(fd, "wb");
  if (file_ == nullptr) ::close(fd);
#endif
  return file_ != nullptr ? Created::kOk : Created::kFailed;
}

size_t File::read_fully(void* data, size_t size) {
  size_t done = 0;
  for (int attempt = 0; attempt < 3 && done < size && file_ != nullptr; ++attempt) {
    done += std::fread(static_cast<char*>(data) + done, 1, size - done, file_);
    if (std::feof(file_)) break;
    std::clearerr(file_);
  }
  return done;
}

bool File::write(const void* data, size_t size) {
  size_t done = 0;
  for (int attempt = 0; attempt < 3 && done < size && file_ != nullptr; ++attempt) {
    done += std::fwrite(static_cast<const char*>(data) + done, 1, size - done, file_);
    std::clearerr(file_);
  }
  return done == size && file_ != nullptr && std::fflush(file_) == 0;
}

int64_t File::size() {
  if (file_ == nullptr) return -1;
  const int64_t at = tell64(file_);
  if (at < 0 || seek64(file_, 0, SEEK_END) != 0) return -1;
  const int64_t end = tell64(file_);
  seek64(file_, at, SEEK_SET);
  return end;
}

bool File::sync() {
  if (file_ == nullptr || std::fflush(file_) != 0) return false;
#if defined(_WIN32)
  return _commit(_fileno(file_)) == 0;
#else
  return ::fsync(fileno(file_)) == 0;
#endif
}

void File::start_sync() {
  if (file_ == nullptr || std::fflush(file_) != 0) return;
#if defined(__linux__)
  ::sync_file_range(fileno(file_), 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
}

bool File::rewind_to(int64_t offset) { return file_ != nullptr && seek64(file_, offset, SEEK_SET) == 0; }

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
