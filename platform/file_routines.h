// Small binary files the commands read and write beside the user: the saved
// event sequence now, image and backup files later. Each operation says
// whether it worked; nothing throws.
#ifndef QX_PLATFORM_FILE_ROUTINES_H
#define QX_PLATFORM_FILE_ROUTINES_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace qx::platform {

enum class FileMode {
  kRead,       // an existing file, for reading
  kReadWrite,  // for reading and writing; created empty when missing
  kCreateNew,  // a new file for writing; fails when the name is taken
};

// An open file, closed when it goes.
class File {
 public:
  File() = default;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File() { close(); }

  bool open(const std::string& path, FileMode mode);
  // Creates `path` for writing; never opens or empties a file that is
  // already there (kExists, decided by the system in the same step).
  enum class Created { kOk, kExists, kFailed };
  Created create_new(const std::string& path);
  bool is_open() const { return file_ != nullptr; }
  // The bytes read, at most `size`; fewer at the end of the file or on an error.
  size_t read(void* data, size_t size);
  // Up to three attempts at the bytes still missing; the count read, as read().
  size_t read_fully(void* data, size_t size);
  // True when every byte was written (and handed to the system).
  bool write_at(int64_t offset, const void* data, size_t size);
  // At the current position, up to three attempts; true when every byte went.
  bool write(const void* data, size_t size);
  // Hands what was written to the disk itself, past the system's cache, so
  // that nothing written later can be on the disk before it; true when done.
  bool sync();
  // Asks the system to start writing to the disk what was written, without
  // waiting for it (on Linux; elsewhere nothing): a sync() after other work
  // then waits less.
  void start_sync();
  // The file's size in bytes; -1 when it cannot be told.
  int64_t size();
  // Moves to `offset` from the start; false when it cannot.
  bool rewind_to(int64_t offset);
  void close();

 private:
  std::FILE* file_ = nullptr;
};

// Makes `data` the whole content of `path`, so that a reader (or a run that
// was killed) finds the old content or the new, never a mix: the bytes go to
// a temporary file in the same directory, which then takes the name. False,
// with `path` untouched, when the directory takes no new file or the
// temporary file cannot be written.
bool replace_file(const std::string& path, const void* data, size_t size);

// Cuts or extends `path` to `size` bytes.
bool resize_file(const std::string& path, uint64_t size);

}  // namespace qx::platform

#endif  // QX_PLATFORM_FILE_ROUTINES_H
