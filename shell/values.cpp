#include "shell/values.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "api/raid_levels.h"

namespace qx::shell {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool is_hex_digit(char c) {
  return is_digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool equals_ignoring_case(const char* a, const char* b) {
  for (; *a != '\0' && *b != '\0'; ++a, ++b) {
    if (lower(*a) != lower(*b)) return false;
  }
  return *a == *b;
}

bool is_decimal_number(const char* text) {
  for (; *text != '\0'; ++text) {
    if (!is_digit(*text)) return false;
  }
  return true;
}

int32_t decimal_value(const char* text) {
  // strtoll saturates too, so a text beyond 64 bits also lands on a bound.
  const long long value = std::strtoll(text, nullptr, 10);
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

bool is_hex_number(const char* text) {
  if (text[0] != '0' || (text[1] != 'x' && text[1] != 'X') || text[2] == '\0') return false;
  for (const char* p = text + 2; *p != '\0'; ++p) {
    if (!is_hex_digit(*p)) return false;
  }
  return true;
}

uint32_t hex_value(const char* text) {
  uint32_t value = 0;
  for (const char* p = text + 2; *p != '\0'; ++p) {
    // Letters of either case land on the same low four bits.
    const int c = static_cast<unsigned char>(*p);
    const int digit = (c - '0' <= 9) ? c - '0' : c - 55;
    value = (value << 4) | (static_cast<uint32_t>(digit) & 0xFu);
  }
  return value;
}

std::optional<uint32_t> decimal_or_hex_value(const char* text) {
  if (is_hex_number(text)) return hex_value(text);
  if (is_decimal_number(text)) return static_cast<uint32_t>(decimal_value(text));
  return std::nullopt;
}

void copy_argument(char* dest, const char* source, size_t n) {
  const size_t length = std::strlen(source);
  if (source[0] == '"') {
    const size_t inner = length >= 2 ? length - 2 : 0;
    const size_t kept = inner < n ? inner : n;
    std::memcpy(dest, source + 1, kept);
    dest[kept] = '\0';
    return;
  }
  if (n == 0) return;
  const size_t kept = length < n ? length : n;
  std::memcpy(dest, source, kept);
  if (kept < n) dest[kept] = '\0';
  dest[n - 1] = '\0';
}

size_t argument_length(const char* source) {
  const size_t length = std::strlen(source);
  if (source[0] != '"') return length;
  return length >= 2 ? length - 2 : 0;
}

std::optional<std::string> file_name_argument(const char* source) {
  std::string name;
  if (source[0] == '"') {
    const char* closing = std::strchr(source + 1, '"');
    name = closing ? std::string(source + 1, closing) : std::string(source + 1);
  } else {
    name = source;
  }
  if (name.size() > kMaxFileNameLength) return std::nullopt;
  return name;
}

std::string printable_text(const char* text, size_t max_chars) {
  std::string out;
  for (size_t i = 0; i < max_chars && text[i] != '\0'; ++i) {
    const char c = text[i];
    out += (c >= 0x20 && c <= 0x7E) ? c : '?';
  }
  return out;
}

const char* raid_level_name(uint8_t level) {
  const RaidLevel* found = find_raid_level(level);
  return found != nullptr ? found->name : "unknown";
}

uint8_t raid_mode_code(const char* text) {
  struct Mode {
    const char* text;
    uint8_t code;
  };
  static constexpr Mode kModes[] = {
      {"0", QX_RAID0},   {"1", QX_RAID1},   {"10", QX_RAID10},        {"5", QX_RAID5},
      {"50", QX_RAID50}, {"6", QX_RAID6},   {"60", QX_RAID60},        {"tc", QX_TIER_CAPACITY},
      {"ts", QX_TIER_SAFE}, {"hybrid", QX_TIER_HYBRID},
  };
  for (const Mode& mode : kModes) {
    if (std::strcmp(text, mode.text) == 0) return mode.code;
  }
  if (equals_ignoring_case(text, "1e")) return QX_RAID1E;
  return kNoCode;
}

uint8_t bga_action_code(const char* text) {
  struct Action {
    const char* text;
    uint8_t code;
  };
  static constexpr Action kActions[] = {
      {"start", QX_BGA_ACTION_START},
      {"pause", QX_BGA_ACTION_PAUSE},
      {"resume", QX_BGA_ACTION_RESUME},
      {"stop", QX_BGA_ACTION_STOP},
  };
  for (const Action& action : kActions) {
    if (std::strcmp(text, action.text) == 0) return action.code;
  }
  return kNoCode;
}

const char* link_speed_name(uint8_t speed) {
  switch (speed) {
    case 1: return "2.5Gb/s";
    case 2: return "5Gb/s";
    case 3: return "8Gb/s";
    default: return "Unknown";
  }
}

std::string disk_type_text(const QX_PD_INFO& record, uint8_t form) {
  std::string text;
  if (form == kPlainForm) {
    const uint8_t bits = record.type_bits;
    if (bits & QX_PD_TYPE_SATA) {
      text = "SATA";
    } else if (bits & QX_PD_TYPE_PATA) {
      text = "PATA";
    } else if (bits & QX_PD_TYPE_SAS) {
      text = "SAS";
    } else {
      text = "unknown";
    }
    if (bits & QX_PD_TYPE_ATAPI_CDDVD) {
      text += " ATAPI CD/DVD";
    } else if (bits & QX_PD_TYPE_TAPE) {
      text += " TAPE";
    }
    if ((bits & (QX_PD_TYPE_ATAPI_CDDVD | QX_PD_TYPE_TAPE | QX_PD_TYPE_OTHER)) == 0) text += " PD";
    return text;
  }

  const uint8_t link = record.link_bits;
  auto both = [link](unsigned a, unsigned b) { return (link & a) != 0 && (link & b) != 0; };
  if (both(QX_PD_LINK_BIT0, QX_PD_LINK_BIT2)) {
    text = "SATA";
  } else if (both(QX_PD_LINK_BIT0, QX_PD_LINK_BIT3)) {
    text = "PATA";
  } else if (both(QX_PD_LINK_BIT1, QX_PD_LINK_BIT2)) {
    text = "SAS";
  }
  if (link & QX_PD_LINK_ATAPI) text += " ATAPI";
  switch (record.device_type) {
    case QX_DEVICE_DISK: return text + " PD";
    case QX_DEVICE_TAPE: return text + " TAPE";
    case QX_DEVICE_PRINTER: return text + " PRINTER";
    case QX_DEVICE_CDDVD: return text + " CD/DVD";
    case QX_DEVICE_ENCLOSURE: return text + " ENCLOSURE";
    default: {
      char unknown[32];
      std::snprintf(unknown, sizeof unknown, "unknown 0x%x", static_cast<unsigned>(record.device_type));
      return unknown;
    }
  }
}

std::string number_list_text(const uint8_t* numbers, uint8_t count) {
  // A topology display writes two of these per device: no format parsed.
  std::string text;
  char number[4];
  for (unsigned i = 0; i < count; ++i) {
    if (i > 0) text += ", ";
    text.append(number, std::to_chars(number, number + sizeof number, numbers[i]).ptr);
  }
  return text;
}

std::string hex_bytes_text(const uint8_t* bytes, size_t count) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text(2 * count, '0');
  for (size_t i = 0; i < count; ++i) {
    text[2 * i] = kDigits[bytes[i] >> 4];
    text[2 * i + 1] = kDigits[bytes[i] & 0xF];
  }
  return text;
}

}  // namespace qx::shell
