// The rules of AES entries and ports: who may set, check and change a key
// and its password, link a port to an entry and switch AES on a port, and
// what becomes of the disks behind a port that changed.
#ifndef QX_SIM_ENGINE_AES_RULES_H
#define QX_SIM_ENGINE_AES_RULES_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "api/records.h"
#include "sim/model/adapter.h"
#include "sim/engine/session.h"
#include "sim/model/aes.h"
#include "sim/store/db.h"

namespace qx::sim {

// A 32-byte text field of a request: up to its first NUL.
std::string aes_text(const char (&field)[QX_AES_TEXT_SIZE]);

// A key that is all zero bytes clears the entry's key.
bool is_zero_key(const char (&key)[QX_AES_TEXT_SIZE]);

class AesState {
 public:
  explicit AesState(const Session& s);

  // Each answers a status and changes nothing unless it answers 0. The
  // entries a call names must be below the adapter's entry count (241) and
  // its ports below the port count (242).
  uint8_t entry_key_length(uint8_t entry, const std::string& password, uint8_t& key_length) const;
  uint8_t set_entry(const QX_AES_ENTRY_CONFIG& request);
  uint8_t verify_key(const QX_AES_ENTRY_CONFIG& request) const;
  uint8_t change_password(const QX_AES_PASSWORD_CHANGE& request);
  uint8_t link(const QX_AES_LINK_REQUEST& request);
  uint8_t unlink(uint8_t port);
  uint8_t switch_port(uint8_t port, bool enabled);

  // Every entry and port, present or not yet stored, in id order.
  const std::vector<AesEntry>& entries() const { return entries_; }
  const std::vector<AesPort>& ports() const { return ports_; }

 private:
  uint8_t check_entry(uint8_t entry) const;
  uint8_t check_port(uint8_t port) const;
  void save(const AesEntry& entry);
  void save(const AesPort& port);
  // Takes offline the disks behind `port` that do not fit it now.
  void recheck_disks(const AesPort& port);

  const Session& session_;
  std::vector<AesEntry> entries_;
  std::vector<AesPort> ports_;
};

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_AES_RULES_H
