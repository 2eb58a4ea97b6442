// The option parser shared by every command handler.
//
// Short options ("-o hba", "-ohba", grouped "-fh"), long options
// ("--object hba", "--object=hba"), optional arguments (attached form only)
// and the "--" terminator. Words that are not options are skipped in place;
// the word vector is never reordered. Error messages go to standard error,
// naming word 0 (the command word as typed).
//
// The parser keeps its state process-wide: a handler starts a parse with
// start_options() and then calls next_option() until it returns -1.
#ifndef QX_SHELL_GETOPT_H
#define QX_SHELL_GETOPT_H

namespace qx::shell {

// Argument kinds of a long option.
enum : int {
  kNoArgument = 0,
  kRequiredArgument = 1,
  kOptionalArgument = 2,
};

// One entry of a long option table; a table ends with an entry whose name is
// null. With a flag target the parser stores `val` there and returns 0.
struct LongOption {
  const char* name;
  int has_arg;
  int* flag;
  int val;
};

// The code of the output option: start-up marks a "-output" word so that it
// reaches the handler as this option, which every handler accepts and ignores.
inline constexpr int kOutputOption = 1;
// The output option's entry in an option string ("\1:", required argument).
#define QX_OUTPUT_OPTION "\1:"
// Long option entries that nearly every handler carries.
inline constexpr LongOption kOutputLongOption = {"output", kRequiredArgument, nullptr, kOutputOption};
inline constexpr LongOption kHelpLongOption = {"help", kNoArgument, nullptr, 'h'};
inline constexpr LongOption kEndOfLongOptions = {nullptr, 0, nullptr, 0};

struct OptionParserState {
  int index = 1;                   // position of the next word to examine
  char* arg = nullptr;             // argument of the option just returned
  int print_errors = 1;            // print messages when non-zero
  int bad_option = '?';            // option character or value of the last error
  char* next_in_group = nullptr;   // next short option inside a grouped word
  char** group_words = nullptr;    // the word vector that group belongs to
  int group_word = 0;              // and the position of its word
  int posix_mode = -1;             // -1 undetermined; 1 stop at the first non-option
  int in_order_mode = 0;           // 1: return non-options as code 1
};

// The process-wide parser state.
OptionParserState& option_parser();

// Starts a new parse of a word vector: the scan index goes back to 1 and an
// unfinished group of short options is dropped. Every handler calls this first.
void start_options();

// The argument of the option that next_option() returned last, or null.
inline char* option_arg() { return option_parser().arg; }

// The code of the next option, its argument left in option_arg(); -1 when
// the words hold no more. A letter or long option's value is returned as it
// is; an error has already been reported to standard error and comes back
// as '?' (or ':' for a missing argument under a ':' option string, whose
// caller reports it itself); 0 says the value went to the option's flag
// target. `long_index` learns which long option matched.
int next_option(int argc, char** argv, const char* optstring, const LongOption* longopts,
                int* long_index = nullptr);

}  // namespace qx::shell

#endif  // QX_SHELL_GETOPT_H
