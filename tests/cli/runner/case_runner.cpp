#include "case_runner.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "line_diff.h"
#include "section_text.h"
#include "temp_dir.h"

namespace qxt {

namespace {

namespace fs = std::filesystem;

constexpr const char* kInheritedNames[] = {
    "PATH",          "LD_LIBRARY_PATH", "ASAN_OPTIONS", "UBSAN_OPTIONS",
    "LSAN_OPTIONS",  "TSAN_OPTIONS",    "MSAN_OPTIONS", "LLVM_PROFILE_FILE",
    "WINEPREFIX",    "WINEDEBUG",       "QX_WINE",      "QX_WINE_RETRY_LOG",
};

std::string nameOf(const std::string& assignment) { return assignment.substr(0, assignment.find('=')); }

void setVariable(std::vector<std::string>& env, const std::string& assignment) {
  const std::string name = nameOf(assignment);
  for (std::string& existing : env) {
    if (nameOf(existing) == name) {
      existing = assignment;
      return;
    }
  }
  env.push_back(assignment);
}

std::optional<std::string> readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::string indent(const std::string& text, const std::string& prefix) {
  std::string out;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    out += prefix;
    out.append(text, start, end - start);
    start = end;
  }
  if (!out.empty() && out.back() != '\n') out.push_back('\n');
  return out;
}

// Keeps a report readable when a program printed far more than expected.
constexpr std::size_t kMaxReportLines = 200;

std::string clip(const std::string& text) {
  std::size_t at = 0;
  for (std::size_t line = 0; line < kMaxReportLines; ++line) {
    at = text.find('\n', at);
    if (at == std::string::npos) return text;
    ++at;
  }
  if (at >= text.size()) return text;
  const auto rest = std::count(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(), '\n');
  return text.substr(0, at) + "... (" + std::to_string(rest) + " more lines)\n";
}

// Shows a stream that no expectation covered, to explain a failure.
void showStream(std::string& report, const char* name, const std::string& text) {
  if (text.empty()) {
    report += "  " + std::string(name) + " was empty\n";
    return;
  }
  report += "  " + std::string(name) + " was:\n";
  std::string shown = printable(text);
  if (text.back() != '\n') shown += "\n\\ No newline at end of file\n";
  report += indent(clip(shown), "    | ");
}

// The part of a stream that its section compares.
std::string comparedPart(const std::string& stream, const std::vector<std::string>& only) {
  return only.empty() ? stream : linesContaining(stream, only);
}

void compareStream(std::string& report, bool& ok, const char* name, const std::optional<std::string>& expected,
                   bool emptyWhenAbsent, bool crlf, const std::string& actual) {
  if (!expected && !emptyWhenAbsent) return;
  const std::string want = withLineEnds(expected.value_or(""), crlf);
  if (want == actual) return;
  ok = false;
  report += "  " + std::string(name) + " differs:\n" + indent(clip(unifiedDiff(want, actual)), "    ");
}

class CaseRun {
 public:
  CaseRun(const TranscriptFile& file, const Case& c, const RunSettings& settings)
      : file_(file), case_(c), settings_(settings), root_("qx-transcript") {
    state_ = root_.path() + "/state";
    home_ = root_.path() + "/home";
    work_ = root_.path() + "/work";
    fs::create_directory(state_);
    fs::create_directory(home_);
    fs::create_directory(work_);
    env_ = caseEnvironment(settings.inherited, state_, home_, c);
  }

  CaseResult run() {
    CaseResult result;
    if (prepare()) {
      bool ok = true;
      for (const Step& step : case_.steps) {
        StepActual actual = runStep(step);
        ok = ok && actual.passed;
        result.steps.push_back(std::move(actual));
        if (!ok && !settings_.runAllSteps) break;
      }
      result.passed = ok;
    }
    if (!result.passed) {
      if (settings_.keepDirectories) {
        root_.keep();
        report_ += "  temporary directories kept in " + root_.path() + "\n";
      }
      result.report = "FAIL " + file_.path + ":" + std::to_string(case_.line) + ": " + case_.name + "\n" + report_;
    }
    return result;
  }

 private:
  ProcessResult launch(const std::string& program, const std::string& toolWord, const std::vector<std::string>& args,
                       const std::string& stdinText) {
    ProcessRequest request;
    request.program = program;
    if (!settings_.emulator.empty()) {
      request.program = settings_.emulator;
      request.argv.push_back(settings_.emulator);
      request.argv.push_back(program);
    } else {
      request.argv.push_back(toolWord);
    }
    request.argv.insert(request.argv.end(), args.begin(), args.end());
    request.environment = env_;
    request.workDir = work_;
    request.stdinText = stdinText;
    request.timeout = settings_.timeout;
    return runProcess(request);
  }

  // Loads the scenario and the case's files; false (with a report) when that fails.
  bool prepare() {
    if (case_.scenario.find('/') != std::string::npos && !fs::exists(case_.scenario)) {
      report_ += "  scenario file not found: " + case_.scenario + "\n";
      return false;
    }
    const std::vector<std::string> args = {"init", "--scenario", case_.scenario, "--force"};
    const ProcessResult init = launch(settings_.qxsim, "qxsim", args, "");
    if (!init.exitedWith(0)) {
      report_ += "  preparing the state failed: qxsim init --scenario " + case_.scenario + " --force\n";
      report_ += "  " + init.describe(settings_.timeout) + "\n";
      showStream(report_, "stdout", init.out);
      showStream(report_, "stderr", init.err);
      return false;
    }
    for (const CopyFile& copy : case_.copies) {
      const fs::path target = fs::path(work_) / copy.target;
      std::error_code ec;
      fs::create_directories(target.parent_path(), ec);
      if (!fs::copy_file(copy.source, target, fs::copy_options::overwrite_existing, ec)) {
        report_ += "  cannot copy " + copy.source + " to the working directory: " + ec.message() + "\n";
        return false;
      }
    }
    return true;
  }

  StepActual runStep(const Step& step) {
    StepActual actual;
    const std::string& program = step.tool == Tool::Qxcli ? settings_.qxcli : settings_.qxsim;
    actual.result = launch(program, step.toolWord, step.args, step.stdinText);
    const ProcessResult& r = actual.result;

    std::string report;
    bool ok = r.exitedWith(step.status());
    // qxcli's streams are always compared; the control tool's only when the case says what to expect.
    const bool strict = step.tool == Tool::Qxcli;
    compareStream(report, ok, "stdout", step.expectedStdout, strict, settings_.crlfLineEnds,
                  comparedPart(r.out, step.stdoutOnly));
    compareStream(report, ok, "stderr", step.expectedStderr, strict, settings_.crlfLineEnds,
                  comparedPart(r.err, step.stderrOnly));
    for (const FileCheck& check : step.files) {
      std::optional<std::string> content = readFile(fs::path(work_) / check.name);
      if (!content) {
        ok = false;
        report += "  file " + check.name + " was not written\n";
      } else if (const std::string want = withLineEnds(check.content, settings_.crlfLineEnds && !check.asWritten);
                 *content != want) {
        ok = false;
        report += "  file " + check.name + " differs:\n" + indent(clip(unifiedDiff(want, *content)), "    ");
      }
      actual.files.push_back(std::move(content));
    }
    actual.passed = ok;
    if (!ok) {
      report_ += "  step at " + file_.path + ":" + std::to_string(step.line) + ": $ " + step.commandLine + "\n";
      report_ += "  status: expected " + std::to_string(step.status()) +
                 (r.end == ProcessResult::End::Exited ? ", actual " + std::to_string(r.code)
                                                      : ", but the program was " + r.describe(settings_.timeout)) +
                 "\n";
      report_ += report;
      if (!strict && !step.expectedStdout) showStream(report_, "stdout", r.out);
      if (!strict && !step.expectedStderr) showStream(report_, "stderr", r.err);
    }
    return actual;
  }

  const TranscriptFile& file_;
  const Case& case_;
  const RunSettings& settings_;
  TempDir root_;
  std::string state_, home_, work_;
  std::vector<std::string> env_;
  std::string report_;
};

}  // namespace

std::string withLineEnds(const std::string& text, bool crlf) {
  if (!crlf) return text;
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  return out;
}

std::vector<std::string> inheritedEnvironment(char** environ) {
  std::vector<std::string> out;
  for (char** e = environ; e && *e; ++e) {
    const std::string assignment(*e);
    for (const char* name : kInheritedNames) {
      if (nameOf(assignment) == name) out.push_back(assignment);
    }
  }
  return out;
}

std::vector<std::string> caseEnvironment(const std::vector<std::string>& inherited, const std::string& stateDir,
                                         const std::string& homeDir, const Case& c) {
  std::vector<std::string> env = inherited;
  setVariable(env, "QX_SIM_HOME=" + stateDir);
  setVariable(env, "HOME=" + homeDir);
  setVariable(env, "TZ=UTC");
  setVariable(env, "LC_ALL=C");
  for (const std::string& assignment : c.environment) setVariable(env, assignment);
  for (const std::string& name : c.unset) {
    std::erase_if(env, [&](const std::string& assignment) { return nameOf(assignment) == name; });
  }
  return env;
}

CaseResult runCase(const TranscriptFile& file, const Case& c, const RunSettings& settings) {
  return CaseRun(file, c, settings).run();
}

}  // namespace qxt
