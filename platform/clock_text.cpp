#include "platform/clock_text.h"

namespace qx::platform {

#if defined(_WIN32)
bool local_time(std::time_t time, std::tm* out) { return localtime_s(out, &time) == 0; }
bool utc_time(std::time_t time, std::tm* out) { return gmtime_s(out, &time) == 0; }
#else
bool local_time(std::time_t time, std::tm* out) { return localtime_r(&time, out) != nullptr; }
bool utc_time(std::time_t time, std::tm* out) { return gmtime_r(&time, out) != nullptr; }
#endif

}  // namespace qx::platform
