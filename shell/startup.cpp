#include "shell/startup.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "api/output_check.h"
#include "api/qx_api.h"
#include "platform/console.h"
#include "shell/cli_version.h"
#include "shell/dispatch.h"
#include "shell/gating.h"
#include "shell/output.h"
#include "shell/splitter.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::shell {
namespace {

// An interactive line holds at most this many characters.
constexpr size_t kMaxLineLength = 2047;

enum class Redirection { kNone, kOpened, kFailed };
enum class LineRead { kLine, kTooLong, kEnd };

void finalize_library() { QX_API_Finalize(); }

// Closes an "-output" file. False, after a line on standard error, when
// what was written to it or to standard output did not all arrive.
bool close_output() {
  ShellState& s = state();
  bool written = true;
  if (s.out != stdout) {
    written = output_written(s.out, "qxcli");
    if (std::fclose(s.out) != 0 && written) {
      std::fprintf(stderr, "qxcli: write error: %s\n", std::strerror(errno));
      written = false;
    }
  }
  s.out = stdout;
  return output_written(stdout, "qxcli") && written;
}

// A leading number selects the current adapter and leaves the words. Only
// the adapter table's ids are accepted.
bool take_adapter_number(std::vector<char*>& words) {
  if (words.size() < 2 || !is_decimal_number(words[1])) return true;
  const long id = decimal_value(words[1]);
  if (id >= kAdapterTableSize) {
    print("Invalid adapter number %s: adapters are numbered 0 to %d.\n", words[1],
          kAdapterTableSize - 1);
    return false;
  }
  state().current_adapter = static_cast<uint8_t>(id);
  words.erase(words.begin() + 1);
  return true;
}

// The first "-output" (any case) that a file name follows sends all output,
// appended, to that file. The word stays, marked as the output option that
// every handler ignores; the file name stays too and is skipped as a word
// that is not an option.
Redirection redirect_output(std::vector<char*>& words) {
  for (size_t i = 1; i + 1 < words.size(); ++i) {
    if (!equals_ignoring_case(words[i], "-output")) continue;
    const char* file_name = words[i + 1];
    FILE* file = std::fopen(file_name, "a");
    if (file == nullptr) {
      print("Cannot open output file '%s': %s\n", file_name, std::strerror(errno));
      return Redirection::kFailed;
    }
    state().out = file;
    words[i][1] = '\1';
    return Redirection::kOpened;
  }
  return Redirection::kNone;
}

void read_adapters() {
  ShellState& s = state();
  uint8_t count = QX_Adapter_GetCount();
  if (count == 0) {
    print("No adapter is found.\n");
  } else if (count > kMaxAdapters) {
    print("CLI supports %d adapters!\n", kMaxAdapters);
    count = kMaxAdapters;
  }
  s.adapter_count = count;
  for (uint8_t id = 0; id < count; ++id) {
    uint8_t unused = 0;
    QX_ADAPTER_INFO info{};
    // An adapter that cannot be read keeps an all-zero record.
    if (QX_Adapter_GetInfo(id, &unused, &info) == 0) s.adapters[id] = info;
  }
}

// Reads one line of standard input without its line end (and a carriage
// return before it, which does not count towards the length). A longer line
// than kMaxLineLength is read to its end and reported as too long.
LineRead read_line(char* line) {
  size_t length = 0;
  bool too_long = false;
  bool carriage_return = false;  // one held back at the limit
  int c = 0;
  while ((c = std::getc(stdin)) != EOF && c != '\n') {
    if (carriage_return) too_long = true;
    if (length < kMaxLineLength) {
      line[length++] = static_cast<char>(c);
    } else if (c == '\r' && !too_long) {
      carriage_return = true;
    } else {
      too_long = true;
    }
  }
  if (c == EOF && length == 0 && !too_long) return LineRead::kEnd;
  line[length] = '\0';
  if (length > 0 && line[length - 1] == '\r') line[--length] = '\0';
  return too_long ? LineRead::kTooLong : LineRead::kLine;
}

void run_line(char* line, bool& leave) {
  if (line[0] == 'e' && line[1] == 'v') {
    print("event command is not supported in shell mode.\n");
    return;
  }
  char* words[kMaxWords];
  int count = 0;
  switch (split_line(line, words, &count)) {
    case SplitResult::kUnterminatedQuote:
      print("Invalid quoted string.\n");
      return;
    case SplitResult::kTooManyWords:
      print("Too many words on the line (at most %d).\n", kMaxWords);
      return;
    case SplitResult::kOk:
      break;
  }
  if (count == 0) {
    print("Type 'exit' to exit CLI.\n");
    return;
  }
  leave = dispatch(count, words) == kLeaveShell;
}

uint32_t run_interactive() {
  const char* library_version = QX_API_Version();
  print("CLI Version: %s   RaidAPI Version: %s\n", kCliVersion,
        library_version != nullptr ? library_version : "");
  print("Welcome to RAID Command Line Interface.\n\n");

  char line[kMaxLineLength + 1];
  for (bool leave = false; !leave;) {
    print("> ");
    std::fflush(state().out);
    switch (read_line(line)) {
      case LineRead::kEnd:
        // The end of input ends the shell as `exit` does.
        if (platform::stdin_is_terminal()) print("\n");
        return kLeaveShell;
      case LineRead::kTooLong:
        print("The line is too long (at most %zu characters).\n", kMaxLineLength);
        break;
      case LineRead::kLine:
        run_line(line, leave);
        break;
    }
  }
  return kLeaveShell;
}

}  // namespace

int run_cli(int argc, char** argv) {
  ShellState& s = state();
  s.out = stdout;
  platform::read_stdin_unchanged();

  // Room for the program name and the terminating null pointer up front.
  std::vector<char*> words;
  words.reserve(static_cast<size_t>(argc > 0 ? argc : 0) + 2);
  for (int i = 0; i < argc; ++i) words.push_back(argv[i]);
  if (words.empty()) words.push_back(const_cast<char*>("qxcli"));
  if (!take_adapter_number(words)) return 1;
  const Redirection redirection = redirect_output(words);
  if (redirection == Redirection::kFailed) return 1;
  words.push_back(nullptr);  // the vector ends with a null pointer, as argv does
  const int word_count = static_cast<int>(words.size()) - 1;

  if (QX_API_Initialize() != 0) {
    print("QX_API_Initialize() failed!\n");
    close_output();
    return 1;
  }
  read_adapters();
  select_command_tables();
  gate_commands(current_adapter_info());
  platform::install_console_control_handler(finalize_library);

  uint32_t result = 0;
  if (redirection == Redirection::kNone && word_count == 1) {
    result = run_interactive();
  } else {
    result = dispatch(word_count - 1, words.data() + 1);
  }
  platform::wait_for_console_event_to_end_process();
  QX_API_Finalize();
  // Output that did not arrive fails a command that otherwise succeeded.
  if (!close_output() && result == 0) result = 1;
  return static_cast<int>(result);
}

}  // namespace qx::shell
