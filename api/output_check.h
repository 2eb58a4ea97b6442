// The last check of a program's output: what it wrote must have reached its
// file, or the user is told (a full disk, a closed pipe) instead of being
// left with an empty or cut export and a status of success.
#ifndef QX_API_OUTPUT_CHECK_H
#define QX_API_OUTPUT_CHECK_H

#include <cstdio>

namespace qx {

// Called where a write to an output stream just failed: keeps errno, the
// reason, for output_written (a buffered stream forgets it).
void note_write_failure();

// Flushes `stream`; when a write to it failed, now or earlier, prints one
// line "PROGRAM: write error: REASON" on standard error and answers false.
bool output_written(std::FILE* stream, const char* program);

}  // namespace qx

#endif  // QX_API_OUTPUT_CHECK_H
