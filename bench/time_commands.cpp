// Times whole processes side by side: every round runs each case once, in
// turn, so that a change in the machine's load hits all cases alike. The
// first case is the baseline; each case is reported with its median and
// fastest wall time, the ratio of its median to the baseline's and, after
// `--floor LABEL`, the ratio to the median of the case so labelled: the
// floor program on the same state.
//
//   time_commands --rounds 30 --case "empty process" /bin/true
//                 --case "floor" QX_SIM_HOME=/tmp/s floor
//                 --floor "floor"
//                 --case "info -o hba" QX_SIM_HOME=/tmp/s qxcli info -o hba
//
// Words of a case up to the program are NAME=VALUE settings of its
// environment. Standard output and error of the cases go to /dev/null.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Case {
  std::string label;
  std::vector<std::string> settings;  // NAME=VALUE
  std::vector<std::string> argv;
  std::vector<double> ms;
  std::string floor;  // label of the case this one is compared with, if any
};

[[noreturn]] void usage(const char* why) {
  std::fprintf(stderr, "time_commands: %s\nusage: time_commands [--rounds N] [--floor LABEL] --case LABEL [NAME=VALUE...] PROGRAM [ARGS...] ...\n", why);
  std::exit(2);
}

// Runs the case once; returns its wall time in milliseconds, or a negative
// value when it did not exit with status 0.
double run_once(const Case& c) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    const int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    dup2(null, 1);
    dup2(null, 2);
    for (const std::string& s : c.settings) putenv(const_cast<char*>(s.c_str()));
    std::vector<char*> args;
    for (const std::string& a : c.argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  int status = 0;
  if (waitpid(pid, &status, 0) < 0) return -1;
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return std::chrono::duration<double, std::milli>(end - start).count();
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = 30;
  std::vector<Case> cases;
  std::string floor;
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "--rounds" && i + 1 < argc) {
      rounds = std::atoi(argv[++i]);
    } else if (word == "--floor" && i + 1 < argc) {
      floor = argv[++i];
    } else if (word == "--case" && i + 1 < argc) {
      cases.push_back({argv[++i], {}, {}, {}, floor});
    } else if (cases.empty()) {
      usage("a program must follow --case LABEL");
    } else if (cases.back().argv.empty() && word.find('=') != std::string::npos && word.front() != '/') {
      cases.back().settings.push_back(word);
    } else {
      cases.back().argv.push_back(word);
    }
  }
  if (cases.empty() || rounds < 1) usage("nothing to time");
  auto find_case = [&](const std::string& label) {
    return std::find_if(cases.begin(), cases.end(), [&](const Case& c) { return c.label == label; });
  };
  for (const Case& c : cases) {
    if (c.argv.empty()) usage(("case '" + c.label + "' has no program").c_str());
    if (!c.floor.empty() && find_case(c.floor) == cases.end()) usage(("no case '" + c.floor + "' to compare with").c_str());
  }

  for (Case& c : cases) run_once(c);  // warm the caches once
  for (int r = 0; r < rounds; ++r) {
    for (Case& c : cases) {
      const double ms = run_once(c);
      if (ms < 0) {
        std::fprintf(stderr, "time_commands: case '%s' failed\n", c.label.c_str());
        return 1;
      }
      c.ms.push_back(ms);
    }
  }
  const double base = median(cases.front().ms);
  std::printf("%-40s %10s %10s %8s %8s\n", "case", "median ms", "min ms", "/empty", "/floor");
  for (const Case& c : cases) {
    std::printf("%-40s %10.2f %10.2f %7.1fx", c.label.c_str(), median(c.ms),
                *std::min_element(c.ms.begin(), c.ms.end()), median(c.ms) / base);
    if (!c.floor.empty() && c.floor != c.label) std::printf(" %7.2fx", median(c.ms) / median(find_case(c.floor)->ms));
    std::printf("\n");
  }
  return 0;
}
