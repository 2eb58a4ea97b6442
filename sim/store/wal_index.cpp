#include "sim/store/wal_index.h"

#include <atomic>
#include <cstring>

#include <sqlite3.h>

namespace qx::sim {

namespace {

// The index is mapped in pages of this size; the header opens the first.
constexpr int kIndexPageBytes = 32768;

}  // namespace

WalIndex::WalIndex(sqlite3* db) {
  if (sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file_) != SQLITE_OK) file_ = nullptr;
}

std::optional<WalIndexHeader> WalIndex::header() const {
  if (file_ == nullptr) return std::nullopt;
  const sqlite3_io_methods* methods = file_->pMethods;
  if (methods == nullptr || methods->iVersion < 2 || methods->xShmMap == nullptr) return std::nullopt;
  // The connection has the page mapped already: this hands out its address.
  void volatile* page = nullptr;
  if (methods->xShmMap(file_, 0, kIndexPageBytes, 0, &page) != SQLITE_OK || page == nullptr) return std::nullopt;
  // A commit writes the second copy, then the first; a reader takes the
  // first, then the second, and trusts them only when they agree.
  const auto* bytes = static_cast<const unsigned char*>(const_cast<void*>(page));
  WalIndexHeader first, second;
  std::memcpy(first.data(), bytes, first.size());
  std::atomic_thread_fence(std::memory_order_seq_cst);
  std::memcpy(second.data(), bytes + first.size(), second.size());
  if (first != second) return std::nullopt;
  return first;
}

}  // namespace qx::sim
