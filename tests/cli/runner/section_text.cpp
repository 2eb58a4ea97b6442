#include "section_text.h"

#include "format_error.h"

namespace qxt {

namespace {

constexpr std::string_view kMarkers[] = {"=== ", "$ ", "<<< "};
constexpr char kHex[] = "0123456789ABCDEF";

bool startsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

// True for a line that, after any number of leading backslashes, would be a
// marker. Such a line carries one extra backslash in the file.
bool needsMarkerEscape(std::string_view line) {
  const std::size_t first = line.find_first_not_of('\\');
  return first != std::string_view::npos && isMarkerLine(line.substr(first));
}

bool needsByteEscape(unsigned char c) { return (c < 0x20 && c != '\t') || c >= 0x7F; }

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string unescapeBytes(std::string_view line) {
  std::string out;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '\\') {
      out.push_back(line[i]);
      continue;
    }
    if (i + 1 < line.size() && line[i + 1] == '\\') {
      out.push_back('\\');
      ++i;
      continue;
    }
    if (i + 3 < line.size() && line[i + 1] == 'x' && hexValue(line[i + 2]) >= 0 &&
        hexValue(line[i + 3]) >= 0) {
      out.push_back(static_cast<char>(hexValue(line[i + 2]) * 16 + hexValue(line[i + 3])));
      i += 3;
      continue;
    }
    throw FormatError("bad escape in an escaped section (use \\\\ or \\xHH): " +
                      std::string(line.substr(i, 4)));
  }
  return out;
}

void appendHex(std::string& out, unsigned char c) {
  out += "\\x";
  out.push_back(kHex[c >> 4]);
  out.push_back(kHex[c & 0xF]);
}

std::string escapeBytes(std::string_view line) {
  std::string out;
  for (const char ch : line) {
    const auto c = static_cast<unsigned char>(ch);
    if (ch == '\\') {
      out += "\\\\";
    } else if (needsByteEscape(c)) {
      appendHex(out, c);
    } else {
      out.push_back(ch);
    }
  }
  return out;
}

}  // namespace

bool isMarkerLine(std::string_view line) {
  for (const std::string_view marker : kMarkers) {
    if (startsWith(line, marker)) return true;
  }
  return false;
}

SectionFlags parseSectionFlags(std::string_view list) {
  SectionFlags flags;
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    std::string_view item = list.substr(0, comma);
    list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
    while (!item.empty() && item.back() == ' ') item.remove_suffix(1);
    if (item == "no eol") {
      flags.noEol = true;
    } else if (item == "escaped") {
      flags.escaped = true;
    } else if (item == "as written") {
      flags.asWritten = true;
    } else if (item.starts_with("only ") && item.size() > 5) {
      flags.only.emplace_back(item.substr(5));
    } else {
      throw FormatError("unknown section flag '" + std::string(item) +
                        "' (known: no eol, escaped, as written, only TEXT)");
    }
  }
  return flags;
}

std::string sectionFlagsSuffix(const SectionFlags& flags) {
  std::string list;
  auto add = [&list](const std::string& item) { list += (list.empty() ? "" : ", ") + item; };
  if (flags.noEol) add("no eol");
  if (flags.escaped) add("escaped");
  if (flags.asWritten) add("as written");
  for (const std::string& text : flags.only) add("only " + text);
  return list.empty() ? "" : " (" + list + ")";
}

std::string linesContaining(std::string_view text, const std::vector<std::string>& needles) {
  std::string kept;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end == std::string_view::npos ? text.size() : end + 1);
    for (const std::string& needle : needles) {
      if (line.find(needle) == std::string_view::npos) continue;
      kept += line;
      break;
    }
    text.remove_prefix(line.size());
  }
  return kept;
}

std::string decodeSection(const std::vector<std::string>& lines, SectionFlags flags) {
  if (flags.noEol && lines.empty()) throw FormatError("a (no eol) section needs at least one line");
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    if (needsMarkerEscape(line) && line.front() == '\\') line.remove_prefix(1);
    text += flags.escaped ? unescapeBytes(line) : std::string(line);
    if (!(flags.noEol && i + 1 == lines.size())) text.push_back('\n');
  }
  return text;
}

EncodedSection encodeSection(std::string_view text) {
  EncodedSection section;
  for (const char ch : text) {
    if (ch != '\n' && needsByteEscape(static_cast<unsigned char>(ch))) section.flags.escaped = true;
  }
  section.flags.noEol = !text.empty() && text.back() != '\n';
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string line(text.substr(start, end - start));
    if (section.flags.escaped) line = escapeBytes(line);
    if (needsMarkerEscape(line)) line.insert(0, 1, '\\');
    section.lines.push_back(std::move(line));
    start = end + 1;
  }
  return section;
}

std::string printable(std::string_view text) {
  std::string out;
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (needsByteEscape(c) && ch != '\n') {
      appendHex(out, c);
    } else {
      out.push_back(ch);
    }
  }
  return out;
}

}  // namespace qxt
