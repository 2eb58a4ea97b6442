#pragma once

#include <string>

namespace qxt {

// A fresh directory under $TMPDIR (or /tmp), removed with its content when
// the object goes away unless keep() was called.
class TempDir {
 public:
  explicit TempDir(const std::string& prefix);
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir();

  const std::string& path() const { return path_; }
  void keep() { keep_ = true; }

 private:
  std::string path_;
  bool keep_ = false;
};

}  // namespace qxt
