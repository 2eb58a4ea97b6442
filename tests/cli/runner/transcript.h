#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qxt {

enum class Tool { Qxcli, Qxsim };

// A file the step must have left in the working directory, with its exact content.
struct FileCheck {
  std::string name;
  std::string content;
  bool asWritten = false;  // the bytes are data: no line-end translation under --crlf
};

struct Step {
  Tool tool = Tool::Qxcli;
  std::string toolWord;           // "qxcli" or "qxsim", passed as argv[0]
  std::vector<std::string> args;  // the words after the tool word
  std::string commandLine;        // as written after "$ ", for reports
  std::size_t line = 0;           // 1-based line of the "$ " line

  std::string stdinText;
  std::optional<std::string> expectedStdout;
  std::optional<std::string> expectedStderr;
  std::vector<std::string> stdoutOnly;  // not empty: only the lines holding one are compared
  std::vector<std::string> stderrOnly;
  std::vector<FileCheck> files;
  std::optional<int> expectedStatus;  // written explicitly; 0 when absent

  int status() const { return expectedStatus.value_or(0); }

  // Where the step sits in its file, so that --update can rewrite its
  // expectations and keep everything else as written. Indices are 0-based
  // into TranscriptFile::lines; the block is the lines after the "$ " line
  // up to the next step, the next case or the end of the file.
  std::size_t blockBegin = 0;
  std::size_t blockEnd = 0;
  std::vector<std::string> leadingLines;   // comments and blank lines before the first section
  std::vector<std::string> stdinLines;     // the stdin section as written, header included
  std::vector<std::string> trailingLines;  // comments and blank lines after the status line
};

// A file copied from beside the transcript into the working directory
// before the first step.
struct CopyFile {
  std::string source;  // absolute path
  std::string target;  // relative to the working directory
};

struct Case {
  std::string name;
  std::size_t line = 0;                 // 1-based line of the "=== " line
  std::string scenario = "default";     // a built-in scenario name or an absolute file path
  std::vector<std::string> environment;  // NAME=VALUE, in the order written
  std::vector<std::string> unset;        // variables removed from the environment
  std::vector<CopyFile> copies;
  std::vector<Step> steps;
};

struct TranscriptFile {
  std::string path;                // as given to the runner, for reports
  std::vector<std::string> lines;  // the file's lines without their line ends
  std::vector<Case> cases;
};

// Parses transcript text. Relative paths in it (scenario files, copies) are
// taken relative to the directory of `path`. Throws FormatError with
// "path:line: message" when the text is malformed.
TranscriptFile parseTranscript(const std::string& path, std::string_view text);

// Reads and parses a transcript file; throws FormatError also when the file
// cannot be read.
TranscriptFile readTranscript(const std::string& path);

}  // namespace qxt
