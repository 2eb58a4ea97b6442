#pragma once

#include <string>
#include <string_view>

namespace qxt {

// A unified diff of two texts by lines, in the shape of `diff -u`: hunks
// with `context` lines around each change, "-" for expected, "+" for actual,
// and "\ No newline at end of file" after a last line without a line end.
// Control bytes are shown as \xHH and very long lines are cut, so that a
// report stays readable. Returns an empty string when the texts are equal.
std::string unifiedDiff(std::string_view expected, std::string_view actual, int context = 3);

}  // namespace qxt
