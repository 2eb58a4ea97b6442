#include "shell/option_table.h"

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
size_t first_with_code(const std::vector<OptionSpec>& specs, int code) {
  size_t i = 0;
  while (i < specs.size() && specs[i].code != code) ++i;
  return i;
}

}  // namespace

OptionTable::OptionTable(std::initializer_list<OptionSpec> specs) : specs_(specs) {
  for (size_t i = 0; i < specs_.size(); ++i) {
    const OptionSpec& spec = specs_[i];
    const bool first = first_with_code(specs_, spec.code) == i;
    if (first && spec.code > 0 && spec.code < kFirstLongOnlyCode) {
      short_options_ += static_cast<char>(spec.code);
      if (spec.arg == Arg::kRequired) short_options_ += ':';
      if (spec.arg == Arg::kOptional) short_options_ += "::";
    }
    if (spec.long_name != nullptr) {
      long_options_.push_back({spec.long_name, long_argument_kind(spec.arg), nullptr, spec.code});
    }
  }
  long_options_.push_back(kEndOfLongOptions);
}

OptionScan::OptionScan(const OptionTable& table, int argc, char** argv)
    : table_(table), argc_(argc), argv_(argv), counts_(table.specs().size(), 0) {
  start_options();
}

int OptionScan::next() {
  const int code = next_option(argc_, argv_, table_.short_options(), table_.long_options());
  const size_t entry = first_with_code(table_.specs(), code);
  if (entry < counts_.size()) ++counts_[entry];
  return code;
}

int OptionScan::count(int code) const {
  const size_t entry = first_with_code(table_.specs(), code);
  return entry < counts_.size() ? counts_[entry] : 0;
}

bool OptionScan::duplicated() const {
  for (size_t i = 0; i < counts_.size(); ++i) {
    if (!table_.specs()[i].repeats && counts_[i] > 1) return true;
  }
  return false;
}

bool OptionScan::report_missing(const CommandEntry& self) const {
  bool missing = false;
  for (size_t i = 0; i < counts_.size(); ++i) {
    const OptionSpec& spec = table_.specs()[i];
    if (!spec.required || counts_[i] > 0 || first_with_code(table_.specs(), spec.code) != i) continue;
    missing = true;
    missing_option(self, static_cast<char>(spec.code));
  }
  return missing;
}

}  // namespace qx::shell
