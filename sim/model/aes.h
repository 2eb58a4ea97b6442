// The adapter's AES entries (a key and its password) and AES ports (a switch
// and the entry linked to it).
#ifndef QX_SIM_MODEL_AES_H
#define QX_SIM_MODEL_AES_H

#include <cstdint>
#include <string>

#include "api/records.h"
#include "sim/model/field.h"

namespace qx::sim {

struct AesEntry {
  uint8_t id = 0;
  std::string key;       // empty: no key
  std::string password;  // empty: never set; the first key set gives it
};

struct AesPort {
  uint8_t id = 0;
  bool enabled = false;
  uint8_t entry = QX_AES_NO_ENTRY;  // the linked entry
};

const Model<AesEntry>& aes_entry_model();
const Model<AesPort>& aes_port_model();

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_AES_H
