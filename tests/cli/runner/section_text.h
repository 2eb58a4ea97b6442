#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qxt {

// How a section's lines turn into bytes. Every line stands for its text
// followed by "\n", except the last line of a "no eol" section. In an
// "escaped" section "\\" stands for a backslash and "\xHH" for any byte.
struct SectionFlags {
  bool noEol = false;
  bool escaped = false;
  // A file whose bytes are data rather than lines the program printed (a
  // dump the adapter handed over): its line ends stay "\n" under --crlf.
  bool asWritten = false;
  // Not empty: the stream is compared by its lines that contain one of
  // these texts ("only PD valid size:", once per text), so that a case
  // checks the lines it is about. A text cannot hold a comma.
  std::vector<std::string> only = {};

  bool operator==(const SectionFlags&) const = default;
};

// A line that starts a case, a step or a section. Section text that begins
// this way is written with one more leading backslash.
bool isMarkerLine(std::string_view line);

// Parses the flag list of a section header, e.g. "no eol, escaped" (without
// the parentheses). Throws FormatError on an unknown flag.
SectionFlags parseSectionFlags(std::string_view list);

// The header suffix for flags: "", " (no eol)", " (escaped, only size:)", ...
std::string sectionFlagsSuffix(const SectionFlags& flags);

// The lines of `text` that contain one of `needles`, each with its line end.
std::string linesContaining(std::string_view text, const std::vector<std::string>& needles);

// Turns section lines as written in a file into the bytes they stand for.
// Throws FormatError on a bad escape or a "no eol" section without lines.
std::string decodeSection(const std::vector<std::string>& lines, SectionFlags flags);

struct EncodedSection {
  std::vector<std::string> lines;
  SectionFlags flags;
};

// The inverse of decodeSection: writes bytes as section lines, choosing the
// escaped form when the text holds control bytes or bytes above 0x7E that
// a text file would not show or keep faithfully.
EncodedSection encodeSection(std::string_view text);

// Shows control bytes other than tab and line end, and bytes above 0x7E,
// as \xHH, for messages and diffs.
std::string printable(std::string_view text);

}  // namespace qxt
