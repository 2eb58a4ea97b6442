#include "sim/engine/aes_rules.h"

#include <algorithm>
#include <cstring>

#include "api/status.h"
#include "sim/engine/control.h"
#include "sim/engine/events.h"
#include "sim/model/disk.h"
#include "sim/store/table.h"

namespace qx::sim {

std::string aes_text(const char (&field)[QX_AES_TEXT_SIZE]) {
  return std::string(field, strnlen(field, QX_AES_TEXT_SIZE));
}

bool is_zero_key(const char (&key)[QX_AES_TEXT_SIZE]) {
  return std::all_of(key, key + QX_AES_TEXT_SIZE, [](char c) { return c == 0; });
}

AesState::AesState(const Session& s) : session_(s) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  const Adapter& record = s.adapter();
  // Rows a scenario left out are entries and ports in their first state.
  std::vector<AesEntry> stored_entries = select_rows(db, aes_entry_model(), adapter);
  for (uint8_t id = 0; id < record.aes_entry_count; ++id) {
    auto it = std::find_if(stored_entries.begin(), stored_entries.end(), [&](const AesEntry& e) { return e.id == id; });
    entries_.push_back(it != stored_entries.end() ? *it : AesEntry{id, "", ""});
  }
  std::vector<AesPort> stored_ports = select_rows(db, aes_port_model(), adapter);
  for (uint8_t id = 0; id < record.aes_port_count; ++id) {
    auto it = std::find_if(stored_ports.begin(), stored_ports.end(), [&](const AesPort& p) { return p.id == id; });
    ports_.push_back(it != stored_ports.end() ? *it : AesPort{id, false, QX_AES_NO_ENTRY});
  }
}

uint8_t AesState::check_entry(uint8_t entry) const { return entry < entries_.size() ? kOk : kAesEntryRange; }
uint8_t AesState::check_port(uint8_t port) const { return port < ports_.size() ? kOk : kAesPortRange; }

void AesState::save(const AesEntry& entry) {
  if (select_by_id(session_.db(), aes_entry_model(), session_.adapter_id(), entry.id))
    update_row(session_.db(), aes_entry_model(), session_.adapter_id(), entry);
  else
    insert_row(session_.db(), aes_entry_model(), session_.adapter_id(), entry);
  entries_[entry.id] = entry;
}

void AesState::save(const AesPort& port) {
  if (select_by_id(session_.db(), aes_port_model(), session_.adapter_id(), port.id))
    update_row(session_.db(), aes_port_model(), session_.adapter_id(), port);
  else
    insert_row(session_.db(), aes_port_model(), session_.adapter_id(), port);
  ports_[port.id] = port;
}

uint8_t AesState::entry_key_length(uint8_t entry, const std::string& password, uint8_t& key_length) const {
  if (uint8_t status = check_entry(entry); status != kOk) return status;
  const AesEntry& e = entries_[entry];
  if (e.password.empty()) return kAesNoKey;
  if (password != e.password) return kAesPasswordMismatch;
  key_length = e.key.empty() ? 0 : QX_AES_TEXT_SIZE;
  return kOk;
}

uint8_t AesState::set_entry(const QX_AES_ENTRY_CONFIG& r) {
  if (uint8_t status = check_entry(r.entry_id); status != kOk) return status;
  if (r.key_length != QX_AES_TEXT_SIZE) return kAesKeyLength;
  AesEntry e = entries_[r.entry_id];
  const std::string password = aes_text(r.password);
  if (password.empty() || (!e.password.empty() && password != e.password)) return kAesPasswordMismatch;
  if (is_zero_key(r.key)) {
    const bool linked = std::any_of(ports_.begin(), ports_.end(), [&](const AesPort& p) { return p.entry == e.id; });
    if (linked) return kInvalidRequest;
    e.key.clear();
  } else {
    if (!e.key.empty()) return kAesKeyPresent;
    e.key = aes_text(r.key);
  }
  e.password = password;  // a fresh entry takes the password it was first given
  save(e);
  return kOk;
}

uint8_t AesState::verify_key(const QX_AES_ENTRY_CONFIG& r) const {
  if (uint8_t status = check_entry(r.entry_id); status != kOk) return status;
  if (r.key_length != QX_AES_TEXT_SIZE) return kAesKeyLength;
  const AesEntry& e = entries_[r.entry_id];
  if (e.key.empty()) return kAesNoKey;
  if (aes_text(r.password) != e.password) return kAesPasswordMismatch;
  if (aes_text(r.key) != e.key) return kAesKeyMismatch;
  return kOk;
}

uint8_t AesState::change_password(const QX_AES_PASSWORD_CHANGE& r) {
  if (uint8_t status = check_entry(r.entry_id); status != kOk) return status;
  AesEntry e = entries_[r.entry_id];
  if (aes_text(r.old_password) != e.password) return kAesPasswordMismatch;
  const std::string password = aes_text(r.new_password);
  if (password.empty()) return kInvalidParameter;
  e.password = password;
  save(e);
  return kOk;
}

uint8_t AesState::link(const QX_AES_LINK_REQUEST& r) {
  if (uint8_t status = check_port(r.port_id); status != kOk) return status;
  if (uint8_t status = check_entry(r.entry_id); status != kOk) return status;
  const AesEntry& e = entries_[r.entry_id];
  if (e.key.empty()) return kAesNoKey;
  if (aes_text(r.password) != e.password) return kAesPasswordMismatch;
  AesPort p = ports_[r.port_id];
  p.entry = r.entry_id;
  save(p);
  recheck_disks(p);
  return kOk;
}

uint8_t AesState::unlink(uint8_t port) {
  if (uint8_t status = check_port(port); status != kOk) return status;
  AesPort p = ports_[port];
  // A port keeps its entry while AES is on: switching it off comes first.
  if (p.enabled) return kInvalidRequest;
  p.entry = QX_AES_NO_ENTRY;
  save(p);
  recheck_disks(p);
  return kOk;
}

uint8_t AesState::switch_port(uint8_t port, bool enabled) {
  if (uint8_t status = check_port(port); status != kOk) return status;
  AesPort p = ports_[port];
  if (enabled && (p.entry == QX_AES_NO_ENTRY || entries_[p.entry].key.empty())) return kAesKeyAbsent;
  p.enabled = enabled;
  save(p);
  recheck_disks(p);
  return kOk;
}

void AesState::recheck_disks(const AesPort& port) {
  for (const Disk& d : select_rows(session_.db(), disk_model(), session_.adapter_id(), "aes_port = ?1", {json(port.id)})) {
    if (!d.present || d.offline) continue;
    const EventKind* why = nullptr;
    if (port.enabled && !d.encrypted)
      why = &events::kPdOfflinePlainOnAesPort;
    else if (!port.enabled && d.encrypted)
      why = &events::kPdOfflineCryptoOnPlainPort;
    else if (port.enabled && d.key_entry != port.entry)
      why = &events::kPdOfflineCipherMismatch;
    if (why != nullptr) take_disk_offline(session_, d.id, *why);
  }
}

}  // namespace qx::sim
