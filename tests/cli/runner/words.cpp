#include "words.h"

#include "format_error.h"

namespace qxt {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> splitWords(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;  // true once a word has started, even if still empty ('')
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (isBlank(c)) {
      if (inWord) {
        words.push_back(word);
        word.clear();
        inWord = false;
      }
      ++i;
      continue;
    }
    inWord = true;
    if (c == '\'') {
      const std::size_t close = line.find('\'', i + 1);
      if (close == std::string_view::npos) throw FormatError("unterminated single quote");
      word.append(line.substr(i + 1, close - i - 1));
      i = close + 1;
    } else if (c == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        const char d = line[i];
        if (d == '"') {
          closed = true;
          ++i;
          break;
        }
        if (d == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
          word.push_back(line[i + 1]);
          i += 2;
          continue;
        }
        word.push_back(d);
        ++i;
      }
      if (!closed) throw FormatError("unterminated double quote");
    } else if (c == '\\') {
      if (i + 1 >= line.size()) throw FormatError("backslash at the end of the line");
      word.push_back(line[i + 1]);
      i += 2;
    } else {
      word.push_back(c);
      ++i;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

}  // namespace qxt
