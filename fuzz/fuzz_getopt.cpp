// Fuzz target: the option parser. The first byte picks an option string, a
// long option table or none, POSIXLY_CORRECT and error printing; the rest is
// the word vector, one word per line. Checks that every call makes progress,
// that the scan index stays within the words, that an option argument points
// into a word, and that the words are neither reordered nor changed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "shell/getopt.h"

namespace {

using qx::shell::LongOption;

void check(bool condition) {
  if (!condition) std::abort();
}

const char* const kOptionStrings[] = {
    "o:i:" QX_OUTPUT_OPTION "h",
    "+o:i:" QX_OUTPUT_OPTION "h",
    "-o:i:" QX_OUTPUT_OPTION "h",
    ":o:i::fh",
    "c:" QX_OUTPUT_OPTION "h",
    "",
    "+:a::b:c",
    "-:",
};

int g_flag = 0;
const LongOption kLongOptions[] = {
    {"object", qx::shell::kRequiredArgument, nullptr, 'o'},
    {"id", qx::shell::kRequiredArgument, nullptr, 'i'},
    {"level", qx::shell::kOptionalArgument, nullptr, 'l'},
    {"waiveconfirmation", qx::shell::kNoArgument, &g_flag, 'w'},
    {"", qx::shell::kNoArgument, nullptr, 'e'},
    qx::shell::kOutputLongOption,
    qx::shell::kHelpLongOption,
    qx::shell::kEndOfLongOptions,
};

bool points_into(const char* p, char** argv, int argc) {
  for (int i = 0; i < argc; ++i) {
    const size_t length = std::strlen(argv[i]);
    if (p >= argv[i] && p <= argv[i] + length) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t selector = data[0];
  const char* optstring = kOptionStrings[selector % (sizeof kOptionStrings / sizeof *kOptionStrings)];
  const LongOption* longopts = (selector & 0x08) != 0 ? kLongOptions : nullptr;

  std::vector<std::string> words{"cmd"};
  std::string current;
  for (size_t i = 1; i < size; ++i) {
    const char c = static_cast<char>(data[i]);
    if (c == '\n') {
      words.push_back(current);
      current.clear();
    } else if (c != '\0') {
      current += c;
    }
  }
  if (size > 1) words.push_back(current);
  if (words.size() > 256) words.resize(256);

  const std::vector<std::string> original = words;
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(words.size());

  if ((selector & 0x10) != 0) {
    setenv("POSIXLY_CORRECT", "1", 1);
  } else {
    unsetenv("POSIXLY_CORRECT");
  }
  qx::shell::option_parser() = qx::shell::OptionParserState{};
  qx::shell::option_parser().print_errors = (selector & 0x20) != 0 ? 1 : 0;

  qx::shell::start_options();
  int long_index = 0;
  // Each call consumes a word or a character of a grouped word, so the
  // number of calls is bounded by the size of the input.
  const size_t bound = size + 2 * words.size() + 2;
  size_t calls = 0;
  for (;;) {
    const int code = qx::shell::next_option(argc, argv.data(), optstring, longopts, &long_index);
    ++calls;
    check(calls <= bound);
    const qx::shell::OptionParserState& p = qx::shell::option_parser();
    check(p.index >= 1 && p.index <= argc);
    if (code == -1) break;
    if (p.arg != nullptr) check(points_into(p.arg, argv.data(), argc));
    check(long_index >= 0 && long_index < static_cast<int>(sizeof kLongOptions / sizeof *kLongOptions));
  }
  for (size_t i = 0; i < words.size(); ++i) check(argv[i] == words[i].data() && words[i] == original[i]);
  return 0;
}
