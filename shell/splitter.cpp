#include "shell/splitter.h"

namespace qx::shell {

SplitResult split_line(char* line, char** words, int* count) {
  *count = 0;
  char* start = line;
  auto append = [&](char* word) {
    if (*count == kMaxWords) return false;
    words[(*count)++] = word;
    return true;
  };

  char* p = line;
  while (*p != '\0') {
    if (*p == ' ' || *p == '\t') {
      *p = '\0';
      if (!append(start)) return SplitResult::kTooManyWords;
      ++p;
      while (*p == ' ') ++p;
      if (*p == '\0') return SplitResult::kOk;
      start = p;
      continue;
    }
    if (*p == '"') {
      ++p;
      while (*p != '"') {
        if (*p == '\0') return SplitResult::kUnterminatedQuote;
        ++p;
      }
    }
    ++p;
  }
  if (p != line && !append(start)) return SplitResult::kTooManyWords;
  return SplitResult::kOk;
}

}  // namespace qx::shell
