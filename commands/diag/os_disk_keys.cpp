#include "commands/diag/os_disk_keys.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "api/qx_api.h"
#include "commands/inventory/block_entries.h"
#include "shell/list_query.h"

namespace qx::commands {
namespace {

constexpr size_t kModelKeyLength = 8;

// A fixed text field of a record, up to its first NUL.
template <size_t N>
std::string field_text(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}

std::string trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string address_hex(const uint8_t (&address)[8]) {
  std::string hex;
  bool any = false;
  for (uint8_t byte : address) {
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02x", byte);
    hex += pair;
    any = any || byte != 0;
  }
  return any ? hex : std::string();
}

}  // namespace

DiskKey tier_vd_key(uint16_t vd_id) { return DiskKey{"TALOREX TwinTier " + std::to_string(vd_id) + " ", {}, {}}; }

std::optional<DiskKey> safe_tier_vd_key(uint8_t adapter, const QX_VD_INFO& vd, uint8_t& status) {
  std::optional<DiskKey> key;
  for (const BlockEntry& entry : block_entries(vd.block_ids, QX_VD_BLOCK_SLOTS, vd.block_count,
                                                 uint16_t{QX_VD_BLOCK_EMPTY})) {
    if (entry.empty) continue;
    QX_BLOCK_INFO block{};
    if ((status = shell::query_one(QX_BLK_GetInfo, adapter, entry.id, block)) != kOk) return std::nullopt;
    QX_PD_INFO pd{};
    if ((status = shell::query_one(QX_PD_GetHDInfo_Ext, adapter, block.pd_id, pd)) != kOk) return std::nullopt;
    const std::string model = field_text(pd.model);
    if (pd.ssd == 0) return DiskKey{model.substr(0, kModelKeyLength), {}, {}};
    key = DiskKey{model, {}, {}};
  }
  return key;
}

std::optional<DiskKey> pd_key(uint8_t adapter, uint16_t pd_id, uint8_t& status) {
  QX_PD_INFO pd{};
  if ((status = shell::query_one(QX_PD_GetHDInfo_Ext, adapter, pd_id, pd)) != kOk) return std::nullopt;
  return DiskKey{field_text(pd.model).substr(0, kModelKeyLength), trimmed(field_text(pd.serial)),
                 address_hex(pd.sas_address)};
}

}  // namespace qx::commands
