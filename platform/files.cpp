#include "platform/files.h"

#include <cerrno>

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace qx::platform {

#if defined(_WIN32)

// A move without MOVEFILE_REPLACE_EXISTING fails when the target exists.
int place_new_file(const std::string& source, const std::string& target) {
  if (MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) return 0;
  switch (GetLastError()) {
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
      return EEXIST;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      return EACCES;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_FILE_NOT_FOUND:
      return ENOENT;
    case ERROR_DISK_FULL:
      return ENOSPC;
    default:
      return EIO;
  }
}

unsigned long process_id() { return GetCurrentProcessId(); }

#else

// link() never replaces an existing name.
int place_new_file(const std::string& source, const std::string& target) {
  return ::link(source.c_str(), target.c_str()) == 0 ? 0 : errno;
}

unsigned long process_id() { return static_cast<unsigned long>(::getpid()); }

#endif

}  // namespace qx::platform
