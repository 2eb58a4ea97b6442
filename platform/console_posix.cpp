#if !defined(_WIN32)

#include <csignal>
#include <initializer_list>

#include <signal.h>
#include <unistd.h>

#include "platform/console.h"

namespace qx::platform {
namespace {

void (*volatile g_on_event)() = nullptr;

// The disposition was reset to the default on entry (SA_RESETHAND) and the
// signal is blocked while the handler runs, so raising it again ends the
// process the default way as soon as the handler returns.
void on_signal(int signal_number) {
  if (g_on_event != nullptr) g_on_event();
  std::raise(signal_number);
}

}  // namespace

void install_console_control_handler(void (*on_event)()) {
  g_on_event = on_event;
  struct sigaction action = {};
  action.sa_handler = on_signal;
  action.sa_flags = SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  for (int signal_number : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal_number, &action, nullptr);
}

bool stdin_is_terminal() { return isatty(STDIN_FILENO) != 0; }

}  // namespace qx::platform

#endif  // !_WIN32
