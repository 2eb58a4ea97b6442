#include "shell/option_table.h"

#include <utility>

#include "shell/handler_support.h"

namespace qx::shell {
namespace {

int long_argument_kind(Arg arg) {
  switch (arg) {
    case Arg::kNone: return kNoArgument;
    case Arg::kRequired: return kRequiredArgument;
    case Arg::kOptional: return kOptionalArgument;
  }
  return kNoArgument;
}

// The first entry with `code`: the one that holds the count of every entry
// sharing it.
size_t first_with_code(const std::vector<OptionSpec>& options, int code) {
  size_t i = 0;
  while (i < options.size() && options[i].code != code) ++i;
  return i;
}

}  // namespace

OptionTable::OptionTable(std::initializer_list<OptionSpec> options) : OptionTable(std::vector<OptionSpec>(options)) {}

OptionTable::OptionTable(std::vector<OptionSpec> options) : options_(std::move(options)) {
  for (size_t i = 0; i < options_.size(); ++i) {
    const OptionSpec& option = options_[i];
    const bool first = first_with_code(options_, option.code) == i;
    if (first && option.code > 0 && option.code < kFirstLongOnlyCode) {
      short_options_ += static_cast<char>(option.code);
      if (option.arg == Arg::kRequired) short_options_ += ':';
      if (option.arg == Arg::kOptional) short_options_ += "::";
    }
    if (option.long_name != nullptr) {
      long_options_.push_back({option.long_name, long_argument_kind(option.arg), nullptr, option.code});
    }
  }
  long_options_.push_back(kEndOfLongOptions);
}

OptionScan::OptionScan(const OptionTable& table, int argc, char** argv)
    : table_(table), argc_(argc), argv_(argv), counts_(table.options().size(), 0) {
  start_options();
}

int OptionScan::next() {
  const int code = next_option(argc_, argv_, table_.short_options(), table_.long_options());
  const size_t entry = first_with_code(table_.options(), code);
  if (entry < counts_.size()) ++counts_[entry];
  return code;
}

int OptionScan::count(int code) const {
  const size_t entry = first_with_code(table_.options(), code);
  return entry < counts_.size() ? counts_[entry] : 0;
}

bool OptionScan::duplicated() const {
  for (size_t i = 0; i < counts_.size(); ++i) {
    if (!table_.options()[i].repeats && counts_[i] > 1) return true;
  }
  return false;
}

bool OptionScan::report_missing(const CommandEntry& self) const {
  bool missing = false;
  for (size_t i = 0; i < counts_.size(); ++i) {
    const OptionSpec& option = table_.options()[i];
    if (!option.required || counts_[i] > 0 || first_with_code(table_.options(), option.code) != i) continue;
    missing = true;
    missing_option(self, static_cast<char>(option.code));
  }
  return missing;
}

uint32_t other_option(int code, const CommandEntry& self) {
  if (code == '?') return 1;
  return print_command_help(self);
}

}  // namespace qx::shell
