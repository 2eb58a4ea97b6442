// The header of a state's write-ahead log index, read from the shared memory
// every connection to the state maps.
//
// Every commit rewrites this header (the log's last frame, its salts and
// checksums change with each transaction), so while it stays as it was
// nothing was committed: a look at it answers "did the state change?"
// without the read lock and the system calls a transaction costs.
#ifndef QX_SIM_STORE_WAL_INDEX_H
#define QX_SIM_STORE_WAL_INDEX_H

#include <array>
#include <optional>

struct sqlite3;
struct sqlite3_file;

namespace qx::sim {

using WalIndexHeader = std::array<unsigned char, 48>;

// The log index of one connection's main database. Only for a connection
// whose state is in write-ahead log mode and that has read from it, so that
// the index is mapped already; valid while the connection is open.
class WalIndex {
 public:
  explicit WalIndex(sqlite3* db);
  // The header as a reader takes it: none when the index is not mapped, or
  // a commit is rewriting it (its two copies differ).
  std::optional<WalIndexHeader> header() const;

 private:
  sqlite3_file* file_ = nullptr;
};

}  // namespace qx::sim

#endif  // QX_SIM_STORE_WAL_INDEX_H
