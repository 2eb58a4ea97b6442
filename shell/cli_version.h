// The program's own version text, printed by the interactive banner and by
// `version`.
#ifndef QX_SHELL_CLI_VERSION_H
#define QX_SHELL_CLI_VERSION_H

namespace qx::shell {

inline constexpr char kCliVersion[] = "4.1.13.56";

}  // namespace qx::shell

#endif  // QX_SHELL_CLI_VERSION_H
