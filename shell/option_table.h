// A handler's options declared as data. From one table come the parser's
// short-option string and long-option list, the count of each option given,
// the "given twice" check and the messages for required options left out:
//
//   const shell::OptionTable kOptions{
//       {'o', "object", shell::Arg::kRequired, shell::kOnce, shell::kMustGive},
//       {'i', "id", shell::Arg::kRequired, shell::kOnce},
//       shell::kOutputEntry, shell::kHelpEntry};
//
//   shell::OptionScan scan(kOptions, argc, argv);
//   for (int option; (option = scan.next()) != -1;) { switch (option) { ... } }
//   if (scan.duplicated()) return shell::duplicated_option();
//   if (scan.report_missing(self)) return 1;
//
// The handler keeps the order of its own checks; the table only answers.
#ifndef QX_SHELL_OPTION_TABLE_H
#define QX_SHELL_OPTION_TABLE_H

#include <initializer_list>
#include <string>
#include <vector>

#include "shell/command_table.h"
#include "shell/getopt.h"

namespace qx::shell {

enum class Arg { kNone, kRequired, kOptional };

inline constexpr bool kOnce = false;     // a second occurrence is a duplicate
inline constexpr bool kRepeats = true;   // may be given any number of times
inline constexpr bool kMustGive = true;  // leaving it out is reported

// One option. `code` is what the parser returns for it: its letter, the
// output option's code, or a value from kFirstLongOnlyCode on for an option
// that has only a long name. Several entries may share a code (a letter
// with two long names); they then share one count.
struct OptionSpec {
  int code;
  const char* long_name;  // null: short form only
  Arg arg;
  bool repeats = kOnce;
  bool required = false;
};

// Codes of options without a letter start here, above every character.
inline constexpr int kFirstLongOnlyCode = 0x100;

// The two entries nearly every handler carries.
inline constexpr OptionSpec kOutputEntry = {kOutputOption, "output", Arg::kRequired, kRepeats};
inline constexpr OptionSpec kHelpEntry = {'h', "help", Arg::kNone, kRepeats};

class OptionTable {
 public:
  OptionTable(std::initializer_list<OptionSpec> options);
  // A table put together at run time (entries shared between handlers).
  explicit OptionTable(std::vector<OptionSpec> options);

  // "o:i:\1:h": each code below kFirstLongOnlyCode once, in table order, with
  // ':' for a required and "::" for an optional argument.
  const char* short_options() const { return short_options_.c_str(); }
  // Every entry with a long name, in table order, ended by the null entry.
  const LongOption* long_options() const { return long_options_.data(); }
  const std::vector<OptionSpec>& options() const { return options_; }

 private:
  std::vector<OptionSpec> options_;
  std::string short_options_;
  std::vector<LongOption> long_options_;
};

// One parse of a word vector with a table: starts the parser afresh and
// counts every option it returns.
class OptionScan {
 public:
  OptionScan(const OptionTable& table, int argc, char** argv);

  // The parser's next code (see next_option()).
  int next();
  const char* arg() const { return option_arg(); }

  // How often an option with this code was returned so far.
  int count(int code) const;
  bool given(int code) const { return count(code) > 0; }

  // True when an option that may not repeat was given more than once.
  bool duplicated() const;

  // Prints "%s: option -%c is required\n" for each required option not
  // given, in table order; true when there was one. Only options with a
  // letter can be required: the message names the letter.
  bool report_missing(const CommandEntry& self) const;

 private:
  const OptionTable& table_;
  int argc_;
  char** argv_;
  std::vector<int> counts_;  // per entry of the table
};

// What a handler answers for a code its option switch gives no meaning of
// its own (its `default:`): 1 after a word the parser refused, which the
// parser has already reported; the entry's help for -h and for anything
// else.
uint32_t other_option(int code, const CommandEntry& self);

}  // namespace qx::shell

#endif  // QX_SHELL_OPTION_TABLE_H
