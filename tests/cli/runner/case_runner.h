#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "process.h"
#include "transcript.h"

namespace qxt {

struct RunSettings {
  std::string qxcli;  // absolute paths of the programs under test
  std::string qxsim;
  std::chrono::milliseconds timeout{20000};  // per program run
  bool keepDirectories = false;              // leave the temporary directories for a look
  bool runAllSteps = false;                  // go on after a failed step (for --update)
  std::vector<std::string> inherited;        // NAME=VALUE passed on from the runner's environment
  // When set, the programs run through it: EMULATOR PROGRAM ARGS... (wine for
  // the Windows programs).
  std::string emulator;
  // The programs end their lines with "\r\n" (Windows text mode): every line
  // end of an expected stream or file stands for "\r\n", and a bare "\n"
  // in the output is a difference.
  bool crlfLineEnds = false;
};

// The bytes a program must write for an expected section text: the text as
// it stands, or with every "\n" written as "\r\n".
std::string withLineEnds(const std::string& text, bool crlf);

// What one step actually did.
struct StepActual {
  ProcessResult result;
  std::vector<std::optional<std::string>> files;  // per FileCheck; empty when the file is missing
  bool passed = false;
};

struct CaseResult {
  bool passed = false;
  std::string report;              // what went wrong, ready to print; empty when passed
  std::vector<StepActual> steps;   // one per step that ran, in order
};

// The variables of the runner's own environment that a case inherits: the
// search path, the library path, the sanitizer and coverage settings, and
// wine's prefix and debug settings.
// Everything else (a stray POSIXLY_CORRECT, the user's locale, ...) is left out.
std::vector<std::string> inheritedEnvironment(char** environ);

// The environment of every program a case runs: the inherited variables,
// then QX_SIM_HOME, HOME, TZ=UTC and LC_ALL=C, then the case's own `env`
// lines (which win), less the case's `unset` names.
std::vector<std::string> caseEnvironment(const std::vector<std::string>& inherited, const std::string& stateDir,
                                         const std::string& homeDir, const Case& c);

// Runs a case in fresh temporary directories: initializes the state from
// the case's scenario, copies its files, runs its steps and compares every
// stream, file and status with the expectations.
CaseResult runCase(const TranscriptFile& file, const Case& c, const RunSettings& settings);

}  // namespace qxt
