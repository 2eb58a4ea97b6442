#include "platform/environment.h"

#include <cstdlib>

namespace qx::platform {

#if defined(_WIN32)
// An empty value removes the variable from the runtime's environment.
void set_environment(const char* name, const char* value) { _putenv_s(name, value); }
void unset_environment(const char* name) { _putenv_s(name, ""); }
#else
void set_environment(const char* name, const char* value) { ::setenv(name, value, 1); }
void unset_environment(const char* name) { ::unsetenv(name); }
#endif

}  // namespace qx::platform
