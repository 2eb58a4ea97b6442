#include "commands/events/sequence_file.h"

#include <array>

#include "platform/file_routines.h"

namespace qx::commands {
namespace {

using Bytes = std::array<uint8_t, 4>;

Bytes little_endian(uint32_t value) {
  return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16),
          static_cast<uint8_t>(value >> 24)};
}

}  // namespace

std::optional<uint32_t> read_saved_sequence(const std::string& path) {
  platform::File file;
  Bytes bytes{};
  if (!file.open(path, platform::FileMode::kRead) || file.read(bytes.data(), bytes.size()) != bytes.size())
    return std::nullopt;
  return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

SaveResult save_sequence(const std::string& path, uint32_t sequence) {
  platform::File file;
  // Opening it first keeps a file the user made read-only as it is.
  if (!file.open(path, platform::FileMode::kReadWrite)) return SaveResult::kNotOpened;
  file.close();  // a file still open cannot be replaced everywhere
  const Bytes bytes = little_endian(sequence);
  if (platform::replace_file(path, bytes.data(), bytes.size())) return SaveResult::kSaved;
  if (!file.open(path, platform::FileMode::kReadWrite) || !file.write_at(0, bytes.data(), bytes.size()))
    return SaveResult::kFailed;
  file.close();
  platform::resize_file(path, bytes.size());  // a longer file keeps its tail if this fails: still readable
  return SaveResult::kSaved;
}

}  // namespace qx::commands
