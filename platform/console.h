// What the shell needs from the console, per operating system.
#ifndef QX_PLATFORM_CONSOLE_H
#define QX_PLATFORM_CONSOLE_H

namespace qx::platform {

// Calls `on_event` when the console asks the process to end (an interrupt
// key, the console or terminal going away, a termination request); the
// process then ends as it would have without the handler. `on_event` runs
// on a thread of its own while the main thread goes on, so it must be safe
// to run beside whatever the main thread is doing.
void install_console_control_handler(void (*on_event)());

// Called before the process ends on its own: while a console event is being
// handled it never returns, so that the handler, not a normal exit with the
// status of a command the finalized library failed, ends the process.
void wait_for_console_event_to_end_process();

// True when standard input is an interactive terminal.
bool stdin_is_terminal();

// Makes a redirected standard input deliver its bytes as they are. The
// Windows runtime reads a pipe or a file in text mode, turning "\r\n" into
// "\n" and ending at a Ctrl+Z, which Linux never does; the same input must
// give the same result on both, so the readers take "\r\n" as a line end
// themselves. An interactive console keeps its own line editing.
void read_stdin_unchanged();

}  // namespace qx::platform

#endif  // QX_PLATFORM_CONSOLE_H
