// The program: start-up, the choice of one-shot or interactive mode, the
// interactive loop and the end.
#ifndef QX_SHELL_STARTUP_H
#define QX_SHELL_STARTUP_H

namespace qx::shell {

// Runs qxcli with the process arguments and returns its exit status: the
// command's result in one-shot mode, -1 after `exit`, `quit` or the end of
// standard input in interactive mode, 1 when start-up fails.
int run_cli(int argc, char** argv);

}  // namespace qx::shell

#endif  // QX_SHELL_STARTUP_H
