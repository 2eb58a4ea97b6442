#if defined(_WIN32)

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <io.h>

#include "platform/console.h"

namespace qx::platform {
namespace {

void (*volatile g_on_event)() = nullptr;
std::atomic<bool> g_handling{false};

// Runs on a thread the system creates for the control event. Returning FALSE
// lets the next handler, in the end the system's default one, end the process.
BOOL WINAPI on_control_event(DWORD) {
  g_handling = true;
  if (g_on_event != nullptr) g_on_event();
  return FALSE;
}

}  // namespace

void install_console_control_handler(void (*on_event)()) {
  g_on_event = on_event;
  SetConsoleCtrlHandler(on_control_event, TRUE);
}

void wait_for_console_event_to_end_process() {
  while (g_handling) Sleep(INFINITE);
}

bool stdin_is_terminal() { return _isatty(_fileno(stdin)) != 0; }

void read_stdin_unchanged() {
  if (!stdin_is_terminal()) _setmode(_fileno(stdin), _O_BINARY);
}

}  // namespace qx::platform

#endif  // _WIN32
