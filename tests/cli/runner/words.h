#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qxt {

// Splits a command or directive line into words like a simple shell:
// blanks separate words; single quotes group literally; double quotes group
// and let a backslash escape '"' and '\'; outside quotes a backslash escapes
// any character. Quotes are removed, so '' is an empty word. No expansion of
// any kind. Throws FormatError on an unterminated quote or a trailing
// backslash.
std::vector<std::string> splitWords(std::string_view line);

}  // namespace qxt
