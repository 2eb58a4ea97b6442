#include "sim/model/field.h"

#include <cctype>
#include <charconv>
#include <optional>

namespace qx::sim {

namespace {

constexpr size_t kDescribeLength = 40;

// Writes `value` as JSON into `out`, stopping soon after `out` is longer
// than kDescribeLength: a value of any size or depth costs only that much.
void describe_into(const json& value, std::string& out) {
  if (out.size() > kDescribeLength) return;
  if (value.is_array() || value.is_object()) {
    const bool array = value.is_array();
    out += array ? '[' : '{';
    bool first = true;
    for (auto it = value.begin(); it != value.end() && out.size() <= kDescribeLength; ++it) {
      if (!first) out += ',';
      first = false;
      if (!array) {
        describe_into(json(it.key()), out);
        out += ':';
      }
      describe_into(*it, out);
    }
    out += array ? ']' : '}';
  } else if (value.is_string()) {
    const std::string& s = value.get_ref<const std::string&>();
    // A cut may split a character: replace what is left of it.
    out += json(s.substr(0, kDescribeLength + 1)).dump(-1, ' ', false, json::error_handler_t::replace);
  } else {
    out += value.dump();
  }
}

}  // namespace

std::string describe(const json& value) {
  std::string text;
  describe_into(value, text);
  if (text.size() > kDescribeLength) text = text.substr(0, kDescribeLength - 3) + "...";
  return text;
}

namespace {
// "0x..." text as an integer, for bit fields written in hexadecimal.
std::optional<int64_t> hex_integer(const json& value) {
  if (!value.is_string()) return std::nullopt;
  const std::string& s = value.get_ref<const std::string&>();
  if (s.size() < 3 || s.size() > 18 || s[0] != '0' || (s[1] != 'x' && s[1] != 'X')) return std::nullopt;
  uint64_t v = 0;
  for (size_t i = 2; i < s.size(); ++i) {
    char c = s[i];
    if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
    v = v * 16 +
        static_cast<uint64_t>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::toupper(c) - 'A' + 10);
  }
  if (v > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) return std::nullopt;
  return static_cast<int64_t>(v);
}
}  // namespace

int64_t expect_integer(const json& value, int64_t min, int64_t max) {
  std::optional<int64_t> hex = hex_integer(value);
  if (!value.is_number_integer() && !hex) throw FieldError("expected an integer, got " + describe(value));
  int64_t v;
  if (hex) {
    v = *hex;
  } else if (value.is_number_unsigned()) {
    uint64_t u = value.get<uint64_t>();
    if (u > static_cast<uint64_t>(std::numeric_limits<int64_t>::max()))
      throw FieldError("value " + describe(value) + " is out of range " + std::to_string(min) + ".." +
                       std::to_string(max));
    v = static_cast<int64_t>(u);
  } else {
    v = value.get<int64_t>();
  }
  return check_range(v, min, max);
}

int64_t check_range(int64_t value, int64_t min, int64_t max) {
  if (value < min || value > max)
    throw FieldError("value " + std::to_string(value) + " is out of range " + std::to_string(min) + ".." +
                     std::to_string(max));
  return value;
}

bool expect_bool(const json& value) {
  if (!value.is_boolean()) throw FieldError("expected true or false, got " + describe(value));
  return value.get<bool>();
}

const std::string& expect_string(const json& value) {
  if (!value.is_string()) throw FieldError("expected a string, got " + describe(value));
  return value.get_ref<const std::string&>();
}

std::vector<uint8_t> parse_hex(const std::string& text, size_t bytes) {
  if (text.size() % 2 != 0 || text.size() > 2 * bytes)
    throw FieldError("\"" + text + "\" is not up to " + std::to_string(2 * bytes) +
                     " hexadecimal digits, two per byte");
  std::vector<uint8_t> out(bytes);
  for (size_t i = 0; i < text.size() / 2; ++i) {
    int value = 0;
    for (size_t j = 0; j < 2; ++j) {
      char c = text[2 * i + j];
      if (!std::isxdigit(static_cast<unsigned char>(c)))
        throw FieldError("\"" + text + "\" holds a character that is not a hexadecimal digit");
      int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::toupper(c) - 'A' + 10;
      value = value * 16 + digit;
    }
    out[i] = static_cast<uint8_t>(value);
  }
  return out;
}

std::string format_hex(const uint8_t* data, size_t bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(2 * bytes);
  for (size_t i = 0; i < bytes; ++i) {
    out += digits[data[i] >> 4];
    out += digits[data[i] & 0xF];
  }
  return out;
}

std::array<int64_t, 4> parse_version(const std::string& text, int64_t max_part) {
  std::array<int64_t, 4> parts{};
  size_t pos = 0;
  for (size_t i = 0; i < 4; ++i) {
    size_t start = pos;
    int64_t value = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
      value = value * 10 + (text[pos] - '0');
      if (value > max_part) throw FieldError("\"" + text + "\" has a part above " + std::to_string(max_part));
      ++pos;
    }
    bool separator_ok = i < 3 ? (pos < text.size() && text[pos] == '.') : pos == text.size();
    if (pos == start || !separator_ok)
      throw FieldError("\"" + text + "\" is not a version of four numbers like \"1.2.3.4\"");
    parts[i] = value;
    ++pos;
  }
  return parts;
}

std::string format_version(const std::array<int64_t, 4>& parts) {
  return std::to_string(parts[0]) + "." + std::to_string(parts[1]) + "." + std::to_string(parts[2]) + "." +
         std::to_string(parts[3]);
}

std::optional<std::vector<int64_t>> plain_integer_list(std::string_view text, int64_t min, int64_t max) {
  if (text.size() < 2 || text.front() != '[' || text.back() != ']') return std::nullopt;
  std::vector<int64_t> items;
  const char* at = text.data() + 1;
  const char* const end = text.data() + text.size() - 1;
  while (at < end) {
    int64_t value = 0;
    const std::from_chars_result read = std::from_chars(at, end, value);
    if (read.ec != std::errc() || value < min || value > max) return std::nullopt;
    items.push_back(value);
    at = read.ptr;
    if (at < end && (*at != ',' || ++at == end)) return std::nullopt;
  }
  return items;
}

}  // namespace qx::sim
