// File operations whose system calls differ between systems.
#ifndef QX_PLATFORM_FILES_H
#define QX_PLATFORM_FILES_H

#include <string>

namespace qx::platform {

// Gives the complete file `source` the name `target`, unless a file of that
// name exists: then nothing changes and the result is EEXIST. 0 on success,
// else an errno value. Of several processes racing to place a file, exactly
// one wins. `source` may be left behind; the caller removes it.
int place_new_file(const std::string& source, const std::string& target);

// A number that tells this process from the others running now, for
// temporary file names.
unsigned long process_id();

}  // namespace qx::platform

#endif  // QX_PLATFORM_FILES_H
