#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace qxt {

struct ProcessRequest {
  std::string program;               // path of the executable
  std::vector<std::string> argv;     // argv[0] included
  std::vector<std::string> environment;  // NAME=VALUE; the child gets exactly these
  std::string workDir;               // the child's working directory
  std::string stdinText;             // written in full, then standard input is closed
  std::chrono::milliseconds timeout{20000};
};

struct ProcessResult {
  enum class End { Exited, Signaled, TimedOut, NotStarted };

  End end = End::NotStarted;
  int code = 0;  // exit status, signal number, or errno when the program could not be started
  std::string out;
  std::string err;

  bool exitedWith(int status) const { return end == End::Exited && code == status; }
  // "exit status 1", "killed by signal 11 (Segmentation fault)", ...
  std::string describe(std::chrono::milliseconds timeout) const;
};

// Runs a program to its end, feeding its standard input and collecting both
// output streams at once, so that a child blocked on one full pipe never
// stalls the other. The child runs in a process group of its own; when the
// timeout passes, the whole group is killed. Never throws for a failure of
// the child; an exec failure comes back as End::NotStarted.
ProcessResult runProcess(const ProcessRequest& request);

}  // namespace qxt
