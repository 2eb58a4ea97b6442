#include "transcript.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "format_error.h"
#include "section_text.h"
#include "words.h"

namespace qxt {

namespace {

namespace fs = std::filesystem;

bool startsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

std::string_view trimRight(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::string_view trimLeft(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

bool isBlankLine(std::string_view line) { return trimLeft(trimRight(line)).empty(); }
bool isCommentLine(std::string_view line) { return startsWith(trimLeft(line), "#"); }
bool isIgnorable(std::string_view line) { return isBlankLine(line) || isCommentLine(line); }

bool isEnvironmentName(std::string_view name) {
  if (name.empty() || (name.front() >= '0' && name.front() <= '9')) return false;
  for (const char c : name) {
    const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    if (!ok) return false;
  }
  return true;
}

// A name for a file inside the working directory: relative, and never
// climbing out of it.
void checkRelativeName(const std::string& name, std::string_view what) {
  if (name.empty()) throw FormatError(std::string(what) + " needs a file name");
  const fs::path p(name);
  if (p.is_absolute()) throw FormatError(std::string(what) + " must be relative to the working directory: " + name);
  for (const auto& part : p) {
    if (part == "..") throw FormatError(std::string(what) + " must not leave the working directory: " + name);
  }
}

int parseStatus(const std::string& word) {
  if (word.empty() || word.size() > 3 || word.find_first_not_of("0123456789") != std::string::npos) {
    throw FormatError("status must be a number from 0 to 255: " + word);
  }
  const int value = std::stoi(word);
  if (value > 255) throw FormatError("status must be a number from 0 to 255: " + word);
  return value;
}

enum class SectionKind { Stdin, Stdout, Stderr, File, Status };

struct SectionHeader {
  SectionKind kind = SectionKind::Stdout;
  std::string fileName;
  int status = 0;
  SectionFlags flags;
};

SectionHeader parseSectionHeader(std::string_view line) {
  std::string_view rest = trimRight(line.substr(4));
  SectionHeader header;
  bool hasFlags = false;
  if (!rest.empty() && rest.back() == ')') {
    const std::size_t open = rest.rfind(" (");
    if (open != std::string_view::npos) {
      header.flags = parseSectionFlags(rest.substr(open + 2, rest.size() - open - 3));
      rest = trimRight(rest.substr(0, open));
      hasFlags = true;
    }
  }
  const std::vector<std::string> words = splitWords(rest);
  if (words.empty()) throw FormatError("section header without a kind (stdin, stdout, stderr, file NAME, status N)");
  const std::string& kind = words[0];
  auto expectWords = [&](std::size_t n, const char* usage) {
    if (words.size() != n) throw FormatError(std::string("section header must read '<<< ") + usage + "'");
  };
  if (kind == "stdin" || kind == "stdout" || kind == "stderr") {
    expectWords(1, (kind + " [(flags)]").c_str());
    header.kind = kind == "stdin" ? SectionKind::Stdin : kind == "stdout" ? SectionKind::Stdout : SectionKind::Stderr;
  } else if (kind == "file") {
    expectWords(2, "file NAME [(flags)]");
    header.kind = SectionKind::File;
    header.fileName = words[1];
    checkRelativeName(header.fileName, "a file section");
  } else if (kind == "status") {
    expectWords(2, "status N");
    if (hasFlags) throw FormatError("a status line takes no flags");
    header.kind = SectionKind::Status;
    header.status = parseStatus(words[1]);
  } else {
    throw FormatError("unknown section '" + kind + "' (known: stdin, stdout, stderr, file NAME, status N)");
  }
  return header;
}

class Parser {
 public:
  Parser(const std::string& path, std::string_view text) : baseDir_(fs::absolute(fs::path(path)).parent_path()) {
    file_.path = path;
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      file_.lines.emplace_back(text.substr(start, end - start));
      start = end + 1;
    }
  }

  TranscriptFile parse() {
    for (index_ = 0; index_ < file_.lines.size(); ++index_) {
      try {
        parseLine(file_.lines[index_]);
      } catch (const FormatError& e) {
        throw FormatError(file_.path + ":" + std::to_string(index_ + 1) + ": " + e.what());
      }
    }
    try {
      finishStep();
      finishCase();
    } catch (const FormatError& e) {
      throw FormatError(file_.path + ":" + std::to_string(file_.lines.size()) + ": " + e.what());
    }
    if (file_.cases.empty()) throw FormatError(file_.path + ": no cases (a case starts with '=== NAME')");
    return std::move(file_);
  }

 private:
  enum class State { Top, Header, StepLead, InSection, AfterStatus };

  void parseLine(const std::string& line) {
    if (startsWith(line, "=== ")) {
      finishStep();
      finishCase();
      startCase(line);
      return;
    }
    if (startsWith(line, "$ ")) {
      if (state_ == State::Top) throw FormatError("a step outside a case; start a case with '=== NAME'");
      finishStep();
      startStep(line);
      return;
    }
    if (startsWith(line, "<<< ")) {
      if (state_ == State::Top || state_ == State::Header) {
        throw FormatError("a section before the case's first step ('$ qxcli ...')");
      }
      finishSection();
      startSection(line);
      return;
    }
    switch (state_) {
      case State::InSection:
        sectionLines_.push_back(line);
        return;
      case State::Top:
        if (!isIgnorable(line)) throw FormatError("expected a case header '=== NAME'");
        return;
      case State::Header:
        if (!isIgnorable(line)) parseDirective(line);
        return;
      case State::StepLead:
        if (!isIgnorable(line)) {
          throw FormatError("text after a step must be inside a section ('<<< stdout', '<<< stdin', ...)");
        }
        step().leadingLines.push_back(line);
        return;
      case State::AfterStatus:
        if (!isIgnorable(line)) {
          throw FormatError("text after a status line; start a section ('<<< stdout', ...) first");
        }
        step().trailingLines.push_back(line);
        return;
    }
  }

  Case& current() { return *case_; }
  Step& step() { return current().steps.back(); }

  void startCase(std::string_view line) {
    const std::string name(trimLeft(trimRight(line.substr(4))));
    if (name.empty()) throw FormatError("a case needs a name after '=== '");
    for (const Case& other : file_.cases) {
      if (other.name == name) {
        throw FormatError("case name '" + name + "' is used twice (first at line " + std::to_string(other.line) + ")");
      }
    }
    case_.emplace();
    case_->name = name;
    case_->line = index_ + 1;
    scenarioSet_ = false;
    state_ = State::Header;
  }

  void finishCase() {
    if (!case_) return;
    if (case_->steps.empty()) throw FormatError("case '" + case_->name + "' has no steps");
    file_.cases.push_back(std::move(*case_));
    case_.reset();
  }

  void parseDirective(std::string_view line) {
    const std::vector<std::string> words = splitWords(trimRight(line));
    const std::string& name = words[0];
    if (name == "scenario") {
      if (words.size() != 2) throw FormatError("usage: scenario NAME-or-FILE");
      if (scenarioSet_) throw FormatError("the case names its scenario twice");
      scenarioSet_ = true;
      const std::string& value = words[1];
      const bool isFile = value.find('/') != std::string::npos ||
                          (value.size() > 5 && value.substr(value.size() - 5) == ".json");
      current().scenario = isFile ? (baseDir_ / value).lexically_normal().string() : value;
    } else if (name == "env") {
      if (words.size() != 2) throw FormatError("usage: env NAME=VALUE (quote a value with blanks)");
      const std::size_t eq = words[1].find('=');
      if (eq == std::string::npos || !isEnvironmentName(words[1].substr(0, eq))) {
        throw FormatError("usage: env NAME=VALUE, with NAME made of letters, digits and '_'");
      }
      current().environment.push_back(words[1]);
    } else if (name == "unset") {
      if (words.size() != 2 || !isEnvironmentName(words[1])) throw FormatError("usage: unset NAME");
      current().unset.push_back(words[1]);
    } else if (name == "copy") {
      if (words.size() != 2 && words.size() != 3) throw FormatError("usage: copy SOURCE [NAME]");
      CopyFile copy;
      copy.source = (baseDir_ / words[1]).lexically_normal().string();
      copy.target = words.size() == 3 ? words[2] : fs::path(words[1]).filename().string();
      checkRelativeName(copy.target, "a copied file's name");
      current().copies.push_back(copy);
    } else {
      throw FormatError("unknown directive '" + name +
                        "' (known: scenario, env, unset, copy; steps start with '$ ')");
    }
  }

  void startStep(std::string_view line) {
    Step s;
    s.line = index_ + 1;
    s.commandLine = std::string(trimRight(line.substr(2)));
    std::vector<std::string> words = splitWords(s.commandLine);
    if (words.empty() || (words[0] != "qxcli" && words[0] != "qxsim")) {
      throw FormatError("a step runs qxcli or qxsim: '$ qxcli ARGS...' or '$ qxsim ARGS...'");
    }
    s.tool = words[0] == "qxcli" ? Tool::Qxcli : Tool::Qxsim;
    s.toolWord = words[0];
    s.args.assign(words.begin() + 1, words.end());
    s.blockBegin = index_ + 1;
    current().steps.push_back(std::move(s));
    state_ = State::StepLead;
  }

  void finishStep() {
    if (!case_ || current().steps.empty() || state_ == State::Header) return;
    finishSection();
    step().blockEnd = index_;
    state_ = State::Header;
  }

  void startSection(std::string_view line) {
    const SectionHeader header = parseSectionHeader(line);
    Step& s = step();
    auto once = [](bool taken, const std::string& what) {
      if (taken) throw FormatError("the step has two " + what + " sections");
    };
    switch (header.kind) {
      case SectionKind::Stdin:
        once(!s.stdinLines.empty(), "stdin");
        break;
      case SectionKind::Stdout:
        once(s.expectedStdout.has_value(), "stdout");
        break;
      case SectionKind::Stderr:
        once(s.expectedStderr.has_value(), "stderr");
        break;
      case SectionKind::File:
        for (const FileCheck& f : s.files) once(f.name == header.fileName, "'file " + f.name + "'");
        break;
      case SectionKind::Status:
        once(s.expectedStatus.has_value(), "status");
        s.expectedStatus = header.status;
        state_ = State::AfterStatus;
        return;
    }
    if (!header.flags.only.empty() && header.kind != SectionKind::Stdout && header.kind != SectionKind::Stderr)
      throw FormatError("only a stdout or stderr section takes 'only'");
    section_ = header;
    sectionHeaderLine_ = std::string(line);
    sectionLines_.clear();
    state_ = State::InSection;
  }

  void finishSection() {
    if (state_ != State::InSection) return;
    Step& s = step();
    std::string text = decodeSection(sectionLines_, section_.flags);
    switch (section_.kind) {
      case SectionKind::Stdin:
        s.stdinText = std::move(text);
        s.stdinLines.push_back(sectionHeaderLine_);
        s.stdinLines.insert(s.stdinLines.end(), sectionLines_.begin(), sectionLines_.end());
        break;
      case SectionKind::Stdout:
        s.expectedStdout = std::move(text);
        s.stdoutOnly = section_.flags.only;
        break;
      case SectionKind::Stderr:
        s.expectedStderr = std::move(text);
        s.stderrOnly = section_.flags.only;
        break;
      case SectionKind::File:
        s.files.push_back({section_.fileName, std::move(text), section_.flags.asWritten});
        break;
      case SectionKind::Status:
        break;
    }
    sectionLines_.clear();
    state_ = State::StepLead;
  }

  fs::path baseDir_;
  TranscriptFile file_;
  std::size_t index_ = 0;
  State state_ = State::Top;
  std::optional<Case> case_;
  bool scenarioSet_ = false;
  SectionHeader section_;
  std::string sectionHeaderLine_;
  std::vector<std::string> sectionLines_;
};

}  // namespace

TranscriptFile parseTranscript(const std::string& path, std::string_view text) {
  return Parser(path, text).parse();
}

TranscriptFile readTranscript(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw FormatError(path + ": cannot read the file");
  std::ostringstream content;
  content << in.rdbuf();
  return parseTranscript(path, content.str());
}

}  // namespace qxt
