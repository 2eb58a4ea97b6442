// AES entries and ports: QX_AES_GetEntryConfig, SetEntryConfig, VerifyKey,
// ChangePwd, SetLink, ClearLink, SetPortConfig, GetPortConfig,
// OnlyGetPortInfo, OnlyGetEntryInfo and GetEntryInfo.
#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/aes_rules.h"
#include "sim/engine/paging.h"

using qx::sim::AesEntry;
using qx::sim::AesPort;
using qx::sim::AesState;
using qx::sim::Call;
using qx::sim::Session;

namespace {

AesState aes_state(const Session& s) { return AesState(s); }

// A list of entries or ports; an id the adapter does not have answers an
// empty list.
template <class Row, class Record, class Make>
uint8_t serve_aes_list(Session& s, QX_QUERY_HEADER* query, const std::vector<Row>& rows, Make record) {
  if (query == nullptr) return qx::kInvalidParameter;
  if (query->query_type != QX_QUERY_LIST && query->query_type != QX_QUERY_ONE) return qx::kAesQueryType;
  if (query->requested == 0) return qx::kAesCount;
  qx::sim::ListSource<Row, Record> source;
  source.missing_status = qx::kOk;
  source.page = [&rows](int64_t start, int64_t limit) {
    std::vector<Row> out;
    for (const Row& r : rows)
      if (r.id >= start && static_cast<int64_t>(out.size()) < limit) out.push_back(r);
    return out;
  };
  source.one = [&rows](int64_t id) -> std::optional<Row> {
    for (const Row& r : rows)
      if (r.id == id) return r;
    return std::nullopt;
  };
  source.id_of = [](const Row& r) { return int64_t{r.id}; };
  source.record = record;
  return qx::sim::serve_list(query, s.adapter().max_buffer_kb, source);
}

}  // namespace

extern "C" {

QX_API_EXPORT uint8_t QX_AES_GetEntryConfig(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call(Call::QX_AES_GetEntryConfig, adapter, [&](Session& s) -> uint8_t {
    if (query == nullptr) return qx::kInvalidParameter;
    if (query->query_type != QX_QUERY_ONE) return qx::kAesQueryType;
    if (query->requested != 1) return qx::kAesCount;
    QX_AES_ENTRY_CONFIG record;
    std::memcpy(&record, reinterpret_cast<uint8_t*>(query) + sizeof(QX_QUERY_HEADER), sizeof record);
    uint8_t key_length = 0;
    const uint8_t status = aes_state(s).entry_key_length(static_cast<uint8_t>(query->start_id),
                                                         qx::sim::aes_text(record.password), key_length);
    if (status != qx::kOk) return status;
    record.entry_id = static_cast<uint8_t>(query->start_id);
    record.key_length = key_length;
    std::memcpy(reinterpret_cast<uint8_t*>(query) + sizeof(QX_QUERY_HEADER), &record, sizeof record);
    query->returned = 1;
    query->next_id = QX_NO_NEXT_ID;
    return qx::kOk;
  });
}

QX_API_EXPORT uint8_t QX_AES_SetEntryConfig(uint8_t adapter, const QX_AES_ENTRY_CONFIG* request) {
  return qx::sim::api_call(Call::QX_AES_SetEntryConfig, adapter, [&](Session& s) -> uint8_t {
    if (request == nullptr) return qx::kInvalidParameter;
    return aes_state(s).set_entry(*request);
  });
}

QX_API_EXPORT uint8_t QX_AES_VerifyKey(uint8_t adapter, const QX_AES_ENTRY_CONFIG* request) {
  return qx::sim::api_call(Call::QX_AES_VerifyKey, adapter, [&](Session& s) -> uint8_t {
    if (request == nullptr) return qx::kInvalidParameter;
    return aes_state(s).verify_key(*request);
  });
}

QX_API_EXPORT uint8_t QX_AES_ChangePwd(uint8_t adapter, const QX_AES_PASSWORD_CHANGE* request) {
  return qx::sim::api_call(Call::QX_AES_ChangePwd, adapter, [&](Session& s) -> uint8_t {
    if (request == nullptr) return qx::kInvalidParameter;
    return aes_state(s).change_password(*request);
  });
}

QX_API_EXPORT uint8_t QX_AES_SetLink(uint8_t adapter, const QX_AES_LINK_REQUEST* request) {
  return qx::sim::api_call(Call::QX_AES_SetLink, adapter, [&](Session& s) -> uint8_t {
    if (request == nullptr) return qx::kInvalidParameter;
    return aes_state(s).link(*request);
  });
}

QX_API_EXPORT uint8_t QX_AES_ClearLink(uint8_t adapter, uint8_t port_id) {
  return qx::sim::api_call(Call::QX_AES_ClearLink, adapter,
                           [&](Session& s) -> uint8_t { return aes_state(s).unlink(port_id); });
}

QX_API_EXPORT uint8_t QX_AES_SetPortConfig(uint8_t adapter, const QX_AES_PORT_CONFIG* request) {
  return qx::sim::api_call(Call::QX_AES_SetPortConfig, adapter, [&](Session& s) -> uint8_t {
    if (request == nullptr) return qx::kInvalidParameter;
    return aes_state(s).switch_port(request->port_id, request->aes_enabled != 0);
  });
}

QX_API_EXPORT uint8_t QX_AES_GetPortConfig(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call(Call::QX_AES_GetPortConfig, adapter, [&](Session& s) -> uint8_t {
    return serve_aes_list<AesPort, QX_AES_PORT_CONFIG>(s, query, aes_state(s).ports(), [](const AesPort& p) {
      QX_AES_PORT_CONFIG r{};
      r.port_id = p.id;
      r.aes_enabled = p.enabled ? 1 : 0;
      return r;
    });
  });
}

QX_API_EXPORT uint8_t QX_AES_OnlyGetPortInfo(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call(Call::QX_AES_OnlyGetPortInfo, adapter, [&](Session& s) -> uint8_t {
    return serve_aes_list<AesPort, QX_AES_PORT_INFO>(s, query, aes_state(s).ports(), [](const AesPort& p) {
      QX_AES_PORT_INFO r{};
      r.port_id = p.id;
      r.entry_id = p.entry;
      return r;
    });
  });
}

QX_API_EXPORT uint8_t QX_AES_OnlyGetEntryInfo(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call(Call::QX_AES_OnlyGetEntryInfo, adapter, [&](Session& s) -> uint8_t {
    const AesState aes = aes_state(s);
    return serve_aes_list<AesEntry, QX_AES_ENTRY_STATUS>(s, query, aes.entries(), [&](const AesEntry& e) {
      QX_AES_ENTRY_STATUS r{};
      r.entry_id = e.id;
      const bool linked =
          std::any_of(aes.ports().begin(), aes.ports().end(), [&](const AesPort& p) { return p.entry == e.id; });
      r.status = linked ? QX_AES_ENTRY_LINKED : 0;
      return r;
    });
  });
}

QX_API_EXPORT uint8_t QX_AES_GetEntryInfo(uint8_t adapter, QX_AES_ENTRY_INFO* info) {
  return qx::sim::api_call(Call::QX_AES_GetEntryInfo, adapter, [&](Session& s) -> uint8_t {
    if (info == nullptr) return qx::kInvalidParameter;
    const AesState aes = aes_state(s);
    QX_AES_ENTRY_INFO r{};
    switch (s.adapter().aes_entry_info) {
      case qx::sim::AesEntryInfo::kUnsupported: return qx::kNotSupported;
      case qx::sim::AesEntryInfo::kLinks:
        for (size_t i = 0; i < QX_AES_INFO_PAIRS; ++i) {
          const bool used = i < aes.ports().size();
          r.links[i].port_id = used ? aes.ports()[i].id : 0xFF;
          r.links[i].entry_id = used ? aes.ports()[i].entry : QX_AES_NO_ENTRY;
        }
        break;
      case qx::sim::AesEntryInfo::kKeyFlags:
        for (size_t i = 0; i < QX_AES_INFO_PAIRS && i < aes.entries().size(); ++i)
          r.keys.has_key[i] = aes.entries()[i].key.empty() ? 0 : 1;
        break;
    }
    *info = r;
    return qx::kOk;
  });
}

}  // extern "C"
