// Splits an interactive command line into words, in place.
#ifndef QX_SHELL_SPLITTER_H
#define QX_SHELL_SPLITTER_H

namespace qx::shell {

// Room in the word vector of one command line.
inline constexpr int kMaxWords = 64;

enum class SplitResult {
  kOk,
  kUnterminatedQuote,  // a double quote without its closing partner
  kTooManyWords,       // more than kMaxWords words
};

// Splits `line` (without its line end) into at most kMaxWords words. A space
// or a tab ends a word; further spaces after it are skipped, tabs are not, so
// two tabs in a row enclose an empty word and a line that begins with a blank
// starts with an empty word. Blanks inside double quotes do not separate, and
// the quotes stay part of the word. The words point into `line`, whose
// separators are overwritten with NULs. An empty line gives no words.
SplitResult split_line(char* line, char** words, int* count);

}  // namespace qx::shell

#endif  // QX_SHELL_SPLITTER_H
