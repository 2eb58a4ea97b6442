#include "process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace qxt {

namespace {

using Clock = std::chrono::steady_clock;

// A file descriptor that closes itself.
class Fd {
 public:
  Fd() = default;
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() { close(); }
  int get() const { return fd_; }
  bool open() const { return fd_ >= 0; }
  void close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  void reset(int fd) {
    close();
    fd_ = fd;
  }

 private:
  int fd_ = -1;
};

struct Pipe {
  Fd read;
  Fd write;
};

void makePipe(Pipe& p) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
  p.read.reset(fds[0]);
  p.write.reset(fds[1]);
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
  std::vector<char*> out;
  out.reserve(strings.size() + 1);
  for (std::string& s : strings) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

// Runs in the child between fork and exec: only async-signal-safe calls.
[[noreturn]] void execChild(const char* program, char** argv, char** envp, const char* workDir, int in, int out,
                            int err, int report) {
  ::setpgid(0, 0);
  ::signal(SIGPIPE, SIG_DFL);
  if (::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0 || ::chdir(workDir) != 0) {
    const int e = errno;
    [[maybe_unused]] const ssize_t n = ::write(report, &e, sizeof e);
    ::_exit(127);
  }
  ::execve(program, argv, envp);
  const int e = errno;
  [[maybe_unused]] const ssize_t n = ::write(report, &e, sizeof e);
  ::_exit(127);
}

void setNonBlocking(int fd) { ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK); }

// What is kept of one stream; a runaway program is read to its end (or to
// the timeout) but does not fill the memory.
constexpr std::size_t kMaxKeptBytes = std::size_t{64} << 20;

// Reads what is available; closes the descriptor at end of file.
void drain(Fd& fd, std::string& into) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n > 0) {
      into.append(buffer, std::min(static_cast<std::size_t>(n), kMaxKeptBytes - std::min(kMaxKeptBytes, into.size())));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
    fd.close();  // end of file or a read error: nothing more will come
    return;
  }
}

// Writes what the pipe takes; closes the descriptor when all is written or
// the child has closed its end.
void feed(Fd& fd, const std::string& text, std::size_t& written) {
  while (written < text.size()) {
    const ssize_t n = ::write(fd.get(), text.data() + written, text.size() - written);
    if (n > 0) {
      written += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
    break;  // EPIPE: the child does not read its input any more
  }
  fd.close();
}

std::string formatSeconds(std::chrono::milliseconds ms) {
  const auto count = ms.count();
  std::string text = std::to_string(count / 1000);
  if (count % 1000 != 0) {
    std::string fraction = std::to_string(1000 + count % 1000).substr(1);
    while (fraction.back() == '0') fraction.pop_back();
    text += "." + fraction;
  }
  return text + " s";
}

}  // namespace

std::string ProcessResult::describe(std::chrono::milliseconds timeout) const {
  switch (end) {
    case End::Exited:
      return "exit status " + std::to_string(code);
    case End::Signaled:
      return "killed by signal " + std::to_string(code) + " (" + ::strsignal(code) + ")";
    case End::TimedOut:
      return "killed after running longer than " + formatSeconds(timeout);
    case End::NotStarted:
      return std::string("not started: ") + std::strerror(code);
  }
  return "unknown end";
}

ProcessResult runProcess(const ProcessRequest& request) {
  // A child that stops reading its input must not kill the runner.
  ::signal(SIGPIPE, SIG_IGN);

  Pipe in, out, err, report;
  makePipe(in);
  makePipe(out);
  makePipe(err);
  makePipe(report);

  // Everything the child needs is prepared before fork.
  std::vector<std::string> argvStrings = request.argv;
  std::vector<std::string> envStrings = request.environment;
  std::vector<char*> argv = pointers(argvStrings);
  std::vector<char*> envp = pointers(envStrings);

  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
  if (pid == 0) {
    execChild(request.program.c_str(), argv.data(), envp.data(), request.workDir.c_str(), in.read.get(),
              out.write.get(), err.write.get(), report.write.get());
  }
  // Also set the group here, so that a kill cannot race the child's own setpgid.
  ::setpgid(pid, pid);
  in.read.close();
  out.write.close();
  err.write.close();
  report.write.close();

  ProcessResult result;
  int execErrno = 0;
  ssize_t got = 0;
  while ((got = ::read(report.read.get(), &execErrno, sizeof execErrno)) < 0 && errno == EINTR) {
  }
  if (got == static_cast<ssize_t>(sizeof execErrno)) {
    ::waitpid(pid, nullptr, 0);
    result.end = ProcessResult::End::NotStarted;
    result.code = execErrno;
    return result;
  }

  setNonBlocking(in.write.get());
  setNonBlocking(out.read.get());
  setNonBlocking(err.read.get());
  std::size_t written = 0;
  if (request.stdinText.empty()) in.write.close();

  const Clock::time_point deadline = Clock::now() + request.timeout;
  bool timedOut = false;
  while (out.read.open() || err.read.open() || in.write.open()) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) {
      timedOut = true;
      ::kill(-pid, SIGKILL);
      ::kill(pid, SIGKILL);
      break;
    }
    pollfd fds[3];
    nfds_t count = 0;
    auto watch = [&](const Fd& fd, short events) {
      if (fd.open()) fds[count++] = pollfd{fd.get(), events, 0};
    };
    watch(out.read, POLLIN);
    watch(err.read, POLLIN);
    watch(in.write, POLLOUT);
    const int ready = ::poll(fds, count, static_cast<int>(left.count()));
    if (ready < 0 && errno != EINTR) throw std::runtime_error(std::string("poll: ") + std::strerror(errno));
    if (ready <= 0) continue;
    for (nfds_t i = 0; i < count; ++i) {
      if (fds[i].revents == 0) continue;
      if (fds[i].fd == out.read.get()) {
        drain(out.read, result.out);
      } else if (fds[i].fd == err.read.get()) {
        drain(err.read, result.err);
      } else if (fds[i].fd == in.write.get()) {
        feed(in.write, request.stdinText, written);
      }
    }
  }

  // The child may have closed its output and still run: wait for it within the deadline too.
  int status = 0;
  for (;;) {
    const pid_t done = ::waitpid(pid, &status, timedOut ? 0 : WNOHANG);
    if (done == pid) break;
    if (done < 0 && errno != EINTR) throw std::runtime_error(std::string("waitpid: ") + std::strerror(errno));
    if (done == 0 && Clock::now() >= deadline) {
      timedOut = true;
      ::kill(-pid, SIGKILL);
      ::kill(pid, SIGKILL);
      continue;
    }
    if (done == 0) ::usleep(1000);
  }
  if (timedOut) {
    // Processes left in the group (the child's own children) go too.
    ::kill(-pid, SIGKILL);
    result.end = ProcessResult::End::TimedOut;
  } else if (WIFEXITED(status)) {
    result.end = ProcessResult::End::Exited;
    result.code = WEXITSTATUS(status);
  } else {
    result.end = ProcessResult::End::Signaled;
    result.code = WTERMSIG(status);
  }
  return result;
}

}  // namespace qxt
