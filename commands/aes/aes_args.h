// What the AES commands share: their 32-character texts (passwords and
// keys), the checks on them, and the messages for failed entry queries.
#ifndef QX_COMMANDS_AES_AES_ARGS_H
#define QX_COMMANDS_AES_AES_ARGS_H

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <utility>

#include "api/records.h"
#include "shell/output.h"
#include "shell/values.h"

namespace qx::commands {

inline constexpr int kAesLabelWidth = 24;

// A password or key as typed, quotes removed, in a zero-filled buffer.
struct AesText {
  char bytes[QX_AES_TEXT_SIZE + 1] = {};
  // Fills the 32-byte field of a request.
  void put(char (&field)[QX_AES_TEXT_SIZE]) const;
};

// Checks a password argument ("-n : password of aes should be no more than
// 32 characters") and copies it; false after printing the refusal.
bool read_password(const char* arg, AesText& out);
// Checks a key argument (too long, or empty) and copies it; false after
// printing the refusal.
bool read_key(const char* arg, AesText& out);

// The operation an -o word names (letters in any case); for another word,
// none after printing the refusal.
template <class Operation>
std::optional<Operation> read_operation(const char* arg,
                                        std::initializer_list<std::pair<const char*, Operation>> words) {
  for (const auto& [word, operation] : words)
    if (shell::equals_ignoring_case(arg, word)) return operation;
  shell::print("-o : invalid object '%s'\n", arg);
  return std::nullopt;
}

// "\nGet configure of AES entry %d failed (error %d: %s).\n"; returns `status`.
uint8_t entry_query_failed(int id, uint8_t status);
// "\nGet configure of AES port %d failed (error %d: %s).\n"; returns `status`.
uint8_t port_query_failed(int id, uint8_t status);

}  // namespace qx::commands

#endif  // QX_COMMANDS_AES_AES_ARGS_H
