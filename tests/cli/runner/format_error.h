#pragma once

#include <stdexcept>
#include <string>

namespace qxt {

// A transcript file that cannot be read as written: a bad directive, an
// unterminated quote, an unknown escape. The message says what is wrong;
// the parser adds the file and line.
class FormatError : public std::runtime_error {
 public:
  explicit FormatError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace qxt
