#if !defined(_WIN32)

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <initializer_list>
#include <thread>

#include "platform/console.h"

namespace qx::platform {
namespace {

std::atomic<bool> g_handling{false};

sigset_t console_signals() {
  sigset_t set;
  sigemptyset(&set);
  for (int signal_number : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&set, signal_number);
  return set;
}

// The console's signals are blocked in every thread but this one, which
// takes them with sigwait(): `on_event` then runs as ordinary code on this
// thread, never inside a signal handler, so it may take locks and free
// memory while the main thread is in the middle of anything.
void wait_for_signal(void (*on_event)()) {
  const sigset_t set = console_signals();
  int signal_number = 0;
  if (sigwait(&set, &signal_number) != 0) return;
  g_handling = true;
  // From here every console signal has its default action and reaches this
  // thread: a second one ends the process at once, even while `on_event`
  // waits for the main thread's call to finish.
  struct sigaction default_action = {};
  default_action.sa_handler = SIG_DFL;
  sigemptyset(&default_action.sa_mask);
  for (int s : {SIGINT, SIGTERM, SIGHUP}) sigaction(s, &default_action, nullptr);
  pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
  on_event();
  // The process ends the way the signal ends it without a handler (status
  // 130 in a shell for SIGINT).
  std::raise(signal_number);
}

}  // namespace

void install_console_control_handler(void (*on_event)()) {
  const sigset_t set = console_signals();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  std::thread(wait_for_signal, on_event).detach();
}

void wait_for_console_event_to_end_process() {
  // The console signals are blocked in this thread, so pause() sleeps until
  // the handling thread's signal ends the process.
  while (g_handling) ::pause();
}

bool stdin_is_terminal() { return isatty(STDIN_FILENO) != 0; }

void read_stdin_unchanged() {}  // Linux reads every stream unchanged

}  // namespace qx::platform

#endif  // !_WIN32
