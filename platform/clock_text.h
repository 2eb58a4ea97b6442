// Calendar time from a time_t, the same call on every system.
#ifndef QX_PLATFORM_CLOCK_TEXT_H
#define QX_PLATFORM_CLOCK_TEXT_H

#include <ctime>

namespace qx::platform {

// The local time (after TZ) or UTC of `time`; false when the runtime cannot
// represent it.
bool local_time(std::time_t time, std::tm* out);
bool utc_time(std::time_t time, std::tm* out);

}  // namespace qx::platform

#endif  // QX_PLATFORM_CLOCK_TEXT_H
