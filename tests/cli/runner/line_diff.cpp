#include "line_diff.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "section_text.h"

namespace qxt {

namespace {

// Lines keep their "\n", so that a last line without one differs from the
// same text with one.
std::vector<std::string_view> splitKeepingEnds(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    end = end == std::string_view::npos ? text.size() : end + 1;
    lines.push_back(text.substr(start, end - start));
    start = end;
  }
  return lines;
}

enum class Op { Same, Remove, Add };

struct Edit {
  Op op;
  std::size_t a;  // index into expected (Same, Remove)
  std::size_t b;  // index into actual (Same, Add)
};

// Past this many cells the longest-common-subsequence table costs too much
// memory; the changed middle is then shown as removed and added whole.
constexpr std::size_t kMaxTableCells = std::size_t{1} << 22;

std::vector<Edit> editScript(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b) {
  std::size_t prefix = 0;
  while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix]) ++prefix;
  std::size_t suffix = 0;
  while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
         a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix]) {
    ++suffix;
  }
  const std::size_t n = a.size() - prefix - suffix;
  const std::size_t m = b.size() - prefix - suffix;

  std::vector<Edit> edits;
  for (std::size_t i = 0; i < prefix; ++i) edits.push_back({Op::Same, i, i});

  if (n * m <= kMaxTableCells && n > 0 && m > 0) {
    // lcs[i][j]: length of the common subsequence of a[prefix+i..] and b[prefix+j..].
    std::vector<std::uint32_t> lcs((n + 1) * (m + 1), 0);
    auto at = [&](std::size_t i, std::size_t j) -> std::uint32_t& { return lcs[i * (m + 1) + j]; };
    for (std::size_t i = n; i-- > 0;) {
      for (std::size_t j = m; j-- > 0;) {
        at(i, j) = a[prefix + i] == b[prefix + j] ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
      }
    }
    std::size_t i = 0, j = 0;
    while (i < n || j < m) {
      if (i < n && j < m && a[prefix + i] == b[prefix + j]) {
        edits.push_back({Op::Same, prefix + i++, prefix + j++});
      } else if (j < m && (i == n || at(i, j + 1) > at(i + 1, j))) {
        edits.push_back({Op::Add, 0, prefix + j++});
      } else {
        edits.push_back({Op::Remove, prefix + i++, 0});
      }
    }
  } else {
    for (std::size_t i = 0; i < n; ++i) edits.push_back({Op::Remove, prefix + i, 0});
    for (std::size_t j = 0; j < m; ++j) edits.push_back({Op::Add, 0, prefix + j});
  }

  for (std::size_t k = 0; k < suffix; ++k) {
    edits.push_back({Op::Same, a.size() - suffix + k, b.size() - suffix + k});
  }
  return edits;
}

// Lines longer than this are cut in the display (a runaway program can print
// megabytes without a line end).
constexpr std::size_t kMaxShownLineBytes = 500;

void appendLine(std::string& out, char tag, std::string_view line) {
  out.push_back(tag);
  const bool hasEnd = !line.empty() && line.back() == '\n';
  if (hasEnd) line.remove_suffix(1);
  if (line.size() > kMaxShownLineBytes) {
    out += printable(line.substr(0, kMaxShownLineBytes));
    out += "... (" + std::to_string(line.size() - kMaxShownLineBytes) + " more bytes)";
  } else {
    out += printable(line);
  }
  out += "\n";
  if (!hasEnd) out += "\\ No newline at end of file\n";
}

// "@@ -start,count +start,count @@", where an empty range names the line before it.
std::string hunkHeader(std::size_t aStart, std::size_t aCount, std::size_t bStart, std::size_t bCount) {
  auto range = [](std::size_t start, std::size_t count) {
    return std::to_string(count == 0 ? start : start + 1) + "," + std::to_string(count);
  };
  return "@@ -" + range(aStart, aCount) + " +" + range(bStart, bCount) + " @@\n";
}

}  // namespace

std::string unifiedDiff(std::string_view expected, std::string_view actual, int context) {
  if (expected == actual) return {};
  const std::vector<std::string_view> a = splitKeepingEnds(expected);
  const std::vector<std::string_view> b = splitKeepingEnds(actual);
  const std::vector<Edit> edits = editScript(a, b);
  const std::size_t ctx = context < 0 ? 0 : static_cast<std::size_t>(context);

  std::string out = "--- expected\n+++ actual\n";
  std::size_t k = 0;
  while (k < edits.size()) {
    if (edits[k].op == Op::Same) {
      ++k;
      continue;
    }
    // A hunk: from `ctx` lines before this change up to `ctx` lines after the
    // last change that is no more than 2*ctx unchanged lines from the previous one.
    const std::size_t begin = k >= ctx ? k - ctx : 0;
    std::size_t end = k;
    std::size_t sameRun = 0;
    for (std::size_t j = k; j < edits.size(); ++j) {
      if (edits[j].op == Op::Same) {
        if (++sameRun > 2 * ctx) break;
      } else {
        sameRun = 0;
        end = j + 1;
      }
    }
    end = std::min(edits.size(), end + ctx);

    std::size_t aStart = 0, bStart = 0, aCount = 0, bCount = 0;
    // Positions of empty ranges: count the lines of each side before the hunk.
    for (std::size_t j = 0; j < begin; ++j) {
      if (edits[j].op != Op::Add) ++aStart;
      if (edits[j].op != Op::Remove) ++bStart;
    }
    std::string body;
    for (std::size_t j = begin; j < end; ++j) {
      const Edit& e = edits[j];
      switch (e.op) {
        case Op::Same:
          appendLine(body, ' ', a[e.a]);
          ++aCount;
          ++bCount;
          break;
        case Op::Remove:
          appendLine(body, '-', a[e.a]);
          ++aCount;
          break;
        case Op::Add:
          appendLine(body, '+', b[e.b]);
          ++bCount;
          break;
      }
    }
    out += hunkHeader(aStart, aCount, bStart, bCount);
    out += body;
    k = end;
  }
  return out;
}

}  // namespace qxt
