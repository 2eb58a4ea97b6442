// Fuzz target: the interactive line splitter. Checks that every word lies in
// the line, in order, that the count stays within the word vector, and that
// blanks survive only inside double quotes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "shell/splitter.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

// True when a blank of `word` sits outside a quoted stretch.
bool has_unquoted_blank(const char* word) {
  bool quoted = false;
  for (const char* p = word; *p != '\0'; ++p) {
    if (*p == '"') quoted = !quoted;
    if (!quoted && (*p == ' ' || *p == '\t')) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<char> line(data, data + size);
  line.push_back('\0');
  const size_t length = std::strlen(line.data());

  char* words[qx::shell::kMaxWords + 1];
  words[qx::shell::kMaxWords] = nullptr;
  int count = -1;
  const qx::shell::SplitResult result = qx::shell::split_line(line.data(), words, &count);
  check(words[qx::shell::kMaxWords] == nullptr);  // never written past the vector
  check(count >= 0 && count <= qx::shell::kMaxWords);
  if (result != qx::shell::SplitResult::kOk) return 0;

  check((length == 0) == (count == 0));
  const char* end = line.data() + length;
  const char* previous_end = line.data();
  for (int i = 0; i < count; ++i) {
    check(words[i] >= previous_end && words[i] <= end);
    const size_t word_length = std::strlen(words[i]);
    check(words[i] + word_length <= end);
    check(!has_unquoted_blank(words[i]));
    previous_end = words[i] + word_length;
  }
  return 0;
}
