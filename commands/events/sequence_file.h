// The file in which `event --once` remembers the newest event it showed: 4
// bytes, the sequence number as a little-endian u32.
#ifndef QX_COMMANDS_EVENTS_SEQUENCE_FILE_H
#define QX_COMMANDS_EVENTS_SEQUENCE_FILE_H

#include <cstdint>
#include <optional>
#include <string>

namespace qx::commands {

inline constexpr const char* kSequenceFile = "seq.txt";

// The saved number; none when the file is missing, unreadable or shorter
// than 4 bytes. A longer file is read by its first 4 bytes.
std::optional<uint32_t> read_saved_sequence(const std::string& path);

enum class SaveResult {
  kNotOpened,  // the file cannot be opened for writing: nothing was saved
  kSaved,      // the file now holds exactly the 4 bytes
  kFailed,     // the file opened but the bytes could not be written
};

// Saves `sequence` so that no interrupted save leaves a torn value: the 4
// bytes replace the file in one step, or, where the directory takes no new
// file, are written over its first 4 bytes in one write.
SaveResult save_sequence(const std::string& path, uint32_t sequence);

}  // namespace qx::commands

#endif  // QX_COMMANDS_EVENTS_SEQUENCE_FILE_H
