#include "commands/config/setting_values.h"

#include <cstring>

#include "shell/output.h"

namespace qx::commands {

bool check_name_characters(const char* name) {
  for (const char* c = name; *c != '\0'; ++c) {
    const bool allowed = *c == ' ' || *c == '_' || (*c >= '0' && *c <= '9') || (*c >= 'A' && *c <= 'Z') ||
                         (*c >= 'a' && *c <= 'z');
    if (!allowed) {
      shell::print("-n, name must be numeric, character, space or underline. Now is %s\n", name);
      return false;
    }
  }
  return true;
}

void copy_padded(char (&field)[kAdapterTextWidth], const char* text) {
  std::memset(field, ' ', kAdapterTextWidth);
  std::memcpy(field, text, strnlen(text, kAdapterTextWidth));
}

void copy_unpadded(char (&field)[kAdapterTextWidth], const char* text) {
  std::memset(field, 0, kAdapterTextWidth);
  std::memcpy(field, text, strnlen(text, kAdapterTextWidth));
}

}  // namespace qx::commands
