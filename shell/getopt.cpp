#include "shell/getopt.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace qx::shell {
namespace {

OptionParserState g_parser;

// An option string with its mode prefix ('+' or '-') skipped.
struct OptionString {
  const char* letters;
  bool quiet;  // began with ':': print nothing, report a missing argument as ':'
};

OptionString read_option_string(const char* optstring) {
  const char* letters = optstring;
  if (*letters == '+' || *letters == '-') ++letters;
  return {letters, *letters == ':'};
}

bool should_print(const OptionString& options) {
  return g_parser.print_errors != 0 && !options.quiet;
}

// The declaration of a short option in the option string, or null. ':' only
// marks arguments and is never an option itself.
const char* find_short_option(const OptionString& options, char c) {
  if (c == ':' || c == '\0') return nullptr;
  return std::strchr(options.letters, c);
}

void end_group() {
  g_parser.next_in_group = nullptr;
  g_parser.group_words = nullptr;
  g_parser.group_word = 0;
}

int missing_argument_code(const OptionString& options) { return options.quiet ? ':' : '?'; }

int option_code(char c) { return static_cast<unsigned char>(c); }

// First time in a process (or after the scan index was set to 0): fix the
// modes from this call's option string.
void determine_modes(const char* optstring) {
  g_parser.posix_mode = (optstring[0] == '+' || std::getenv("POSIXLY_CORRECT") != nullptr) ? 1 : 0;
  g_parser.in_order_mode = optstring[0] == '-' ? 1 : 0;
}

bool is_option_word(const char* word) { return word[0] == '-' && word[1] != '\0'; }

int parse_short_option(int argc, char** argv, const OptionString& options) {
  OptionParserState& p = g_parser;
  const char c = *p.next_in_group;
  char* rest = p.next_in_group + 1;
  const char* declared = find_short_option(options, c);

  if (declared == nullptr) {
    p.arg = nullptr;
    p.bad_option = option_code(c);
    if (should_print(options)) std::fprintf(stderr, "%s: invalid option -- '%c'\n", argv[0], c);
    if (*rest == '\0') {
      ++p.index;
      end_group();
    } else {
      p.next_in_group = rest;
    }
    return '?';
  }

  if (declared[1] == ':') {
    const bool optional = declared[2] == ':';
    end_group();
    ++p.index;
    if (*rest != '\0') {
      p.arg = rest;
      return option_code(c);
    }
    if (optional) {
      p.arg = nullptr;
      return option_code(c);
    }
    if (p.index >= argc) {
      p.arg = nullptr;
      p.bad_option = option_code(c);
      if (should_print(options)) {
        std::fprintf(stderr, "%s: option requires an argument -- '%c'\n", argv[0], c);
      }
      return missing_argument_code(options);
    }
    p.arg = argv[p.index++];
    return option_code(c);
  }

  p.arg = nullptr;
  if (*rest == '\0') {
    ++p.index;
    end_group();
  } else {
    p.next_in_group = rest;
  }
  return option_code(c);
}

// `word` begins with "--" and is not "--" alone.
int parse_long_option(int argc, char** argv, char* word, const OptionString& options,
                      const LongOption* longopts, int* long_index) {
  OptionParserState& p = g_parser;
  char* text = word + 2;
  int found = 0;
  size_t length = 0;
  for (; longopts[found].name != nullptr; ++found) {
    length = std::strlen(longopts[found].name);
    if (std::strncmp(text, longopts[found].name, length) == 0 &&
        (text[length] == '\0' || text[length] == '=')) {
      break;
    }
  }
  if (longopts[found].name == nullptr) {
    p.arg = nullptr;
    p.bad_option = 0;
    ++p.index;
    if (should_print(options)) std::fprintf(stderr, "%s: unrecognized option '%s'\n", argv[0], word);
    return '?';
  }

  const LongOption& option = longopts[found];
  ++p.index;
  if (text[length] == '=') {
    if (option.has_arg == kNoArgument) {
      p.arg = nullptr;
      p.bad_option = option.val;
      if (should_print(options)) {
        std::fprintf(stderr, "%s: option '%s%s' doesn't allow an argument\n", argv[0], "--",
                     option.name);
      }
      return '?';
    }
    p.arg = text + length + 1;
  } else if (option.has_arg == kRequiredArgument) {
    if (p.index >= argc) {
      p.arg = nullptr;
      p.bad_option = option.val;
      if (should_print(options)) {
        std::fprintf(stderr, "%s: option '--%s' requires an argument\n", argv[0], option.name);
      }
      return missing_argument_code(options);
    }
    p.arg = argv[p.index++];
  } else {
    p.arg = nullptr;
  }

  if (long_index != nullptr) *long_index = found;
  if (option.flag != nullptr) {
    *option.flag = option.val;
    return 0;
  }
  return option.val;
}

}  // namespace

OptionParserState& option_parser() { return g_parser; }

void start_options() {
  g_parser.index = 1;
  end_group();
}

int next_option(int argc, char** argv, const char* optstring, const LongOption* longopts,
                int* long_index) {
  OptionParserState& p = g_parser;
  const OptionString options = read_option_string(optstring);

  if (p.posix_mode == -1 || p.index <= 0) {
    determine_modes(optstring);
    if (p.index <= 0) {
      p.index = 1;
      end_group();
    }
  }
  // A group belongs to one word of one vector; a handler that moved the scan
  // index or passes another vector starts afresh.
  if (p.next_in_group != nullptr && (p.group_words != argv || p.group_word != p.index)) {
    end_group();
  }
  if (p.index >= argc) {
    p.arg = nullptr;
    return -1;
  }
  if (p.next_in_group != nullptr) return parse_short_option(argc, argv, options);

  char* word = argv[p.index];
  if (!is_option_word(word)) {
    if (p.in_order_mode == 1) {
      p.arg = word;
      ++p.index;
      return kOutputOption;
    }
    if (p.posix_mode == 1) {
      p.arg = nullptr;
      return -1;
    }
    int next = p.index + 1;
    while (next < argc && !is_option_word(argv[next])) ++next;
    if (next >= argc) {
      p.arg = nullptr;
      return -1;
    }
    p.index = next;
    word = argv[next];
  }

  if (std::strcmp(word, "--") == 0) {
    p.arg = nullptr;
    ++p.index;
    return -1;
  }
  if (longopts != nullptr && word[1] == '-') {
    return parse_long_option(argc, argv, word, options, longopts, long_index);
  }
  p.next_in_group = word + 1;
  p.group_words = argv;
  p.group_word = p.index;
  return parse_short_option(argc, argv, options);
}

}  // namespace qx::shell
