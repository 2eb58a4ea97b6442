#include "sim/engine/registers.h"

#include <optional>
#include <vector>

#include "api/records.h"
#include "api/status.h"
#include "sim/model/register.h"
#include "sim/store/table.h"

namespace qx::sim {
namespace {

// Where a register sits, or the status that refuses the address.
struct Place {
  uint8_t status = kOk;
  RegisterSpace space = RegisterSpace::kInternal;
};

Place place_of(uint8_t type, uint32_t address) {
  switch (type) {
    case QX_REGISTER_MAILBOX:
      return address < kMailboxRegisters ? Place{kOk, RegisterSpace::kMailbox} : Place{kOutOfRange};
    case QX_REGISTER_INTERNAL:
    case QX_REGISTER_UNSPECIFIED:
      return address % 4 == 0 && address <= kLastInternalRegister ? Place{kOk, RegisterSpace::kInternal}
                                                                  : Place{kOutOfRange};
    default: return Place{kInvalidParameter};
  }
}

uint32_t pair(uint16_t high, uint16_t low) { return uint32_t{high} << 16 | low; }

// The identity registers 0x00 to 0x1C, from the adapter's own fields.
uint32_t identity_register(const Adapter& a, uint32_t address) {
  switch (address) {
    case 0x00: return pair(a.device_id, a.vendor_id);
    case 0x04: return pair(a.subsystem_id, a.subsystem_vendor_id);
    case 0x08: return a.chip_revision;
    case 0x0C: return pair(a.firmware_version[0], a.firmware_version[1]);
    case 0x10: return pair(a.firmware_version[2], a.firmware_version[3]);
    case 0x14: return pair(a.boot_loader_version[0], a.boot_loader_version[1]);
    case 0x18: return pair(a.boot_loader_version[2], a.boot_loader_version[3]);
    default: return a.guid;  // 0x1C
  }
}

std::optional<RegisterValue> stored(const Session& s, RegisterSpace space, uint32_t address) {
  std::vector<RegisterValue> rows =
      select_rows(s.db(), register_model(), s.adapter_id(), "space = ?1 AND address = ?2",
                  {register_model().find("space")->get(RegisterValue{space}), json(address)}, "", 1);
  if (rows.empty()) return std::nullopt;
  return rows.front();
}

// Checks every call shares: the adapter's register access and the request's
// two leading bytes.
uint8_t check_request(const Session& s, const QX_REGISTER_REQUEST* request) {
  if ((s.adapter().adv_features & QX_ADV_ACCESS_REGISTER) == 0) return kNotSupported;
  if (request == nullptr || request->value_offset != QX_REGISTER_VALUE_OFFSET ||
      request->request_size != QX_REGISTER_REQUEST_SIZE)
    return kInvalidParameter;
  return kOk;
}

}  // namespace

uint8_t read_register(const Session& s, uint8_t type, uint32_t address, QX_REGISTER_REQUEST* request) {
  if (const uint8_t status = check_request(s, request)) return status;
  const Place place = place_of(type, address);
  if (place.status != kOk) return place.status;
  if (place.space == RegisterSpace::kInternal && address < kFirstWritableRegister) {
    request->value = identity_register(s.adapter(), address);
    return kOk;
  }
  const std::optional<RegisterValue> row = stored(s, place.space, address);
  request->value = row ? row->value : 0;
  return kOk;
}

uint8_t write_register(const Session& s, uint8_t type, uint32_t address, const QX_REGISTER_REQUEST* request) {
  if (const uint8_t status = check_request(s, request)) return status;
  const Place place = place_of(type, address);
  if (place.status != kOk) return place.status;
  if (place.space == RegisterSpace::kInternal && address < kFirstWritableRegister) return kNotSupported;
  if (place.space == RegisterSpace::kMailbox) {
    const std::vector<RegisterValue> pending =
        select_rows(s.db(), register_model(), s.adapter_id(), "space = 'mailbox' AND written_ms > ?1",
                    {json(s.now_ms() - kMailboxWriteMs)}, "", 1);
    if (!pending.empty()) return kRegisterWriting;
  }
  RegisterValue row{place.space, address, request->value, s.now_ms()};
  if (stored(s, place.space, address))
    update_row(s.db(), register_model(), s.adapter_id(), row);
  else
    insert_row(s.db(), register_model(), s.adapter_id(), row);
  return kOk;
}

}  // namespace qx::sim
