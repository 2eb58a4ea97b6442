// `version`: the program's and the library's version texts. Its words are
// not parsed.
#include "api/qx_api.h"
#include "commands/handlers.h"
#include "shell/cli_version.h"
#include "shell/output.h"

namespace qx::commands {

uint32_t cmd_version(int, char**, const CommandEntry&) {
  const char* library_version = QX_API_Version();
  shell::print("CLI Version: %s\nRaidAPI Version: %s\n", shell::kCliVersion,
               library_version != nullptr ? library_version : "");
  return 0;
}

}  // namespace qx::commands
