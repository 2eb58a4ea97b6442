#include "commands/aes/aes_args.h"

#include <cstring>

#include "api/status.h"
#include "shell/output.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

bool fits(const char* arg) { return shell::argument_length(arg) <= QX_AES_TEXT_SIZE; }

void copy(const char* arg, AesText& out) {
  std::memset(out.bytes, 0, sizeof out.bytes);
  // A quoted text keeps up to n characters between its quotes, an unquoted
  // one up to n - 1: either way the whole 32 characters.
  shell::copy_argument(out.bytes, arg, arg[0] == '"' ? QX_AES_TEXT_SIZE : QX_AES_TEXT_SIZE + 1);
}

}  // namespace

void AesText::put(char (&field)[QX_AES_TEXT_SIZE]) const { std::memcpy(field, bytes, QX_AES_TEXT_SIZE); }

bool read_password(const char* arg, AesText& out) {
  if (!fits(arg)) {
    shell::print("-n : password of aes should be no more than %d characters\n", QX_AES_TEXT_SIZE);
    return false;
  }
  copy(arg, out);
  return true;
}

bool read_key(const char* arg, AesText& out) {
  if (!fits(arg)) {
    shell::print("-k : length of AES key should be no more than %d characters\n", QX_AES_TEXT_SIZE);
    return false;
  }
  if (shell::argument_length(arg) == 0) {
    shell::print("-k : key can not be NULL\n");
    return false;
  }
  copy(arg, out);
  return true;
}

uint8_t entry_query_failed(int id, uint8_t status) {
  shell::print("\nGet configure of AES entry %d failed %s.\n", id, error_report(status).c_str());
  return status;
}

uint8_t port_query_failed(int id, uint8_t status) {
  shell::print("\nGet configure of AES port %d failed %s.\n", id, error_report(status).c_str());
  return status;
}

}  // namespace qx::commands
