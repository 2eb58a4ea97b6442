// Setting and removing environment variables of this process.
#ifndef QX_PLATFORM_ENVIRONMENT_H
#define QX_PLATFORM_ENVIRONMENT_H

namespace qx::platform {

void set_environment(const char* name, const char* value);
void unset_environment(const char* name);

}  // namespace qx::platform

#endif  // QX_PLATFORM_ENVIRONMENT_H
