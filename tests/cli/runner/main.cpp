// Runs transcript tests of qxcli: see tests/cli/README.md for the file format.

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "case_runner.h"
#include "format_error.h"
#include "rewrite.h"
#include "transcript.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int kUsageError = 2;

const char kUsage[] =
    "usage: cli_transcript_runner --qxcli PATH --qxsim PATH [options] FILE-OR-DIRECTORY...\n"
    "Runs the cases of transcript files (*.t; a directory is searched for them).\n"
    "  --qxcli PATH     the qxcli program to test\n"
    "  --qxsim PATH     the qxsim program that prepares and controls the state\n"
    "  --filter TEXT    run only the cases whose name contains TEXT\n"
    "  --timeout SEC    kill a program that runs longer than SEC seconds (default 20)\n"
    "  --emulator PATH  run both programs through PATH (wine for Windows programs)\n"
    "  --crlf           expect \"\\r\\n\" line ends on every stream and file\n"
    "  --keep           keep the temporary directories of failed cases\n"
    "  --update         write the actual results into the files as the new expectations;\n"
    "                   read every change before committing it\n";

struct Options {
  std::string qxcli;
  std::string qxsim;
  std::string filter;
  std::string emulator;
  bool crlf = false;
  double timeoutSeconds = 20;
  bool keep = false;
  bool update = false;
  std::vector<std::string> paths;
};

[[noreturn]] void usageError(const std::string& message) {
  std::cerr << "cli_transcript_runner: " << message << "\n" << kUsage;
  std::exit(kUsageError);
}

std::string executable(const std::string& path, const char* option) {
  if (path.empty()) usageError(std::string(option) + " PATH is required");
  const std::string absolute = fs::absolute(path).lexically_normal().string();
  if (!fs::is_regular_file(absolute) || ::access(absolute.c_str(), X_OK) != 0) {
    usageError(std::string(option) + ": not an executable file: " + path);
  }
  return absolute;
}

Options parseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) usageError(arg + " needs a value");
      return argv[++i];
    };
    if (arg == "--qxcli") {
      o.qxcli = value();
    } else if (arg == "--qxsim") {
      o.qxsim = value();
    } else if (arg == "--filter") {
      o.filter = value();
    } else if (arg == "--timeout") {
      const std::string text = value();
      try {
        std::size_t used = 0;
        o.timeoutSeconds = std::stod(text, &used);
        if (used != text.size() || !(o.timeoutSeconds > 0 && o.timeoutSeconds < 86400)) throw std::exception();
      } catch (const std::exception&) {
        usageError("--timeout needs a number of seconds above 0: " + text);
      }
    } else if (arg == "--emulator") {
      o.emulator = value();
    } else if (arg == "--crlf") {
      o.crlf = true;
    } else if (arg == "--keep") {
      o.keep = true;
    } else if (arg == "--update") {
      o.update = true;
    } else if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      std::exit(0);
    } else if (arg.size() > 1 && arg[0] == '-') {
      usageError("unknown option " + arg);
    } else {
      o.paths.push_back(arg);
    }
  }
  if (o.paths.empty()) usageError("no transcript file or directory given");
  o.qxcli = executable(o.qxcli, "--qxcli");
  o.qxsim = executable(o.qxsim, "--qxsim");
  if (!o.emulator.empty()) o.emulator = executable(o.emulator, "--emulator");
  // The files keep "\n" line ends; an update would have to translate back.
  if (o.crlf && o.update) usageError("--update cannot be combined with --crlf");
  return o;
}

std::vector<std::string> transcriptFiles(const std::vector<std::string>& paths) {
  std::vector<std::string> files;
  for (const std::string& path : paths) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
      std::vector<std::string> found;
      for (const auto& entry : fs::recursive_directory_iterator(path, ec)) {
        if (entry.is_regular_file() && entry.path().extension() == ".t") found.push_back(entry.path().string());
      }
      if (ec) usageError("cannot read the directory " + path + ": " + ec.message());
      std::sort(found.begin(), found.end());
      files.insert(files.end(), found.begin(), found.end());
    } else if (fs::is_regular_file(path, ec)) {
      files.push_back(path);
    } else {
      usageError("no such file or directory: " + path);
    }
  }
  return files;
}

struct Totals {
  int passed = 0;
  int failed = 0;
  int brokenFiles = 0;
  int updatedFiles = 0;
  bool updateIncomplete = false;
};

void runFile(const std::string& path, const Options& options, const qxt::RunSettings& settings, Totals& totals) {
  qxt::TranscriptFile file;
  try {
    file = qxt::readTranscript(path);
  } catch (const qxt::FormatError& e) {
    std::cout << "BROKEN " << e.what() << "\n";
    ++totals.brokenFiles;
    return;
  }
  std::vector<qxt::CaseResult> results;
  std::vector<const qxt::Case*> ran;
  for (const qxt::Case& c : file.cases) {
    if (c.name.find(options.filter) == std::string::npos) continue;
    qxt::CaseResult result = qxt::runCase(file, c, settings);
    if (result.passed) {
      std::cout << "ok   " << path << ": " << c.name << "\n";
      ++totals.passed;
    } else {
      std::cout << result.report;
      ++totals.failed;
    }
    std::cout.flush();
    results.push_back(std::move(result));
    ran.push_back(&c);
  }
  if (!options.update) return;

  std::vector<qxt::StepUpdate> updates;
  for (std::size_t i = 0; i < ran.size(); ++i) {
    const qxt::CaseResult& result = results[i];
    if (result.passed) continue;  // its expectations hold as written
    if (result.steps.size() < ran[i]->steps.size()) totals.updateIncomplete = true;
    for (std::size_t s = 0; s < result.steps.size(); ++s) {
      const qxt::StepActual& actual = result.steps[s];
      if (actual.result.end != qxt::ProcessResult::End::Exited) totals.updateIncomplete = true;
      for (const auto& content : actual.files) {
        if (!content) totals.updateIncomplete = true;
      }
      updates.push_back({&ran[i]->steps[s], &actual});
    }
  }
  std::string original;
  for (const std::string& line : file.lines) original += line + "\n";
  const std::string rewritten = qxt::rewriteTranscript(file, updates);
  if (rewritten == original) return;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << rewritten;
  out.close();
  if (!out) {
    std::cout << "cannot write " << path << "\n";
    totals.updateIncomplete = true;
    return;
  }
  std::cout << "updated " << path << "\n";
  ++totals.updatedFiles;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = parseOptions(argc, argv);
  qxt::RunSettings settings;
  settings.qxcli = options.qxcli;
  settings.qxsim = options.qxsim;
  settings.timeout = std::chrono::milliseconds(static_cast<long long>(options.timeoutSeconds * 1000));
  settings.keepDirectories = options.keep;
  settings.emulator = options.emulator;
  settings.crlfLineEnds = options.crlf;
  settings.runAllSteps = options.update;
  settings.inherited = qxt::inheritedEnvironment(environ);

  Totals totals;
  try {
    for (const std::string& path : transcriptFiles(options.paths)) runFile(path, options, settings, totals);
  } catch (const std::exception& e) {
    std::cout << "cli_transcript_runner: " << e.what() << "\n";
    return 1;
  }

  std::cout << totals.passed << " passed, " << totals.failed << " failed";
  if (totals.brokenFiles > 0) std::cout << ", " << totals.brokenFiles << " unreadable files";
  if (options.update) std::cout << ", " << totals.updatedFiles << " files updated";
  std::cout << "\n";
  if (totals.passed + totals.failed == 0 && totals.brokenFiles == 0) {
    std::cout << "no case was run" << (options.filter.empty() ? "" : " (nothing matches the filter)") << "\n";
    return 1;
  }
  if (options.update) return totals.brokenFiles > 0 || totals.updateIncomplete ? 1 : 0;
  return totals.failed > 0 || totals.brokenFiles > 0 ? 1 : 0;
}
