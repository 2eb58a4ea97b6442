#include "rewrite.h"

#include <algorithm>

#include "section_text.h"

namespace qxt {

namespace {

bool isPlainWord(const std::string& word) {
  if (word.empty()) return false;
  for (const char c : word) {
    const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                    std::string_view("._-+/,:@=%").find(c) != std::string_view::npos;
    if (!ok) return false;
  }
  return true;
}

// Quotes a word so that the line splitter gives it back unchanged.
std::string quoteWord(const std::string& word) {
  if (isPlainWord(word)) return word;
  std::string out = "'";
  for (const char c : word) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out.push_back(c);
    }
  }
  return out + "'";
}

void appendSection(std::vector<std::string>& lines, const std::string& header, const std::string& text,
                   const std::vector<std::string>& only = {}, bool as_written = false) {
  EncodedSection section = encodeSection(only.empty() ? text : linesContaining(text, only));
  section.flags.only = only;
  section.flags.asWritten = as_written;
  lines.push_back("<<< " + header + sectionFlagsSuffix(section.flags));
  lines.insert(lines.end(), section.lines.begin(), section.lines.end());
}

std::vector<std::string> rewrittenBlock(const Step& step, const StepActual& actual) {
  const ProcessResult& r = actual.result;
  std::vector<std::string> lines = step.leadingLines;
  lines.insert(lines.end(), step.stdinLines.begin(), step.stdinLines.end());
  const bool strict = step.tool == Tool::Qxcli;
  // A section that compares some lines only stays, so that its choice is kept.
  if (!step.stdoutOnly.empty() || (strict ? !r.out.empty() : step.expectedStdout.has_value()))
    appendSection(lines, "stdout", r.out, step.stdoutOnly);
  if (!step.stderrOnly.empty() || (strict ? !r.err.empty() : step.expectedStderr.has_value()))
    appendSection(lines, "stderr", r.err, step.stderrOnly);
  for (std::size_t i = 0; i < step.files.size(); ++i) {
    const FileCheck& check = step.files[i];
    const bool written = i < actual.files.size() && actual.files[i].has_value();
    appendSection(lines, "file " + quoteWord(check.name), written ? *actual.files[i] : check.content, {},
                  check.asWritten);
  }
  if (r.code != 0 || step.expectedStatus) lines.push_back("<<< status " + std::to_string(r.code));
  lines.insert(lines.end(), step.trailingLines.begin(), step.trailingLines.end());
  return lines;
}

}  // namespace

std::string rewriteTranscript(const TranscriptFile& file, std::vector<StepUpdate> updates) {
  std::erase_if(updates, [](const StepUpdate& u) { return u.actual->result.end != ProcessResult::End::Exited; });
  std::sort(updates.begin(), updates.end(),
            [](const StepUpdate& a, const StepUpdate& b) { return a.step->blockBegin < b.step->blockBegin; });
  std::string out;
  auto emit = [&out](const std::string& line) {
    out += line;
    out += '\n';
  };
  std::size_t next = 0;
  for (const StepUpdate& u : updates) {
    for (; next < u.step->blockBegin; ++next) emit(file.lines[next]);
    for (const std::string& line : rewrittenBlock(*u.step, *u.actual)) emit(line);
    next = u.step->blockEnd;
  }
  for (; next < file.lines.size(); ++next) emit(file.lines[next]);
  return out;
}

}  // namespace qxt
