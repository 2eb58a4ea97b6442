// Enclosures and the cabling behind the adapter: QX_ENC_GetEnclosureInfo,
// QX_ENC_GetElementInfo, QX_ENC_GetElementConfig, QX_PD_GetExpanderInfo and
// QX_PD_GetPMInfo.
#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/elements.h"
#include "sim/engine/paging.h"
#include "sim/engine/topology_records.h"
#include "sim/store/table.h"

using qx::sim::Call;
using qx::sim::ListSource;
using qx::sim::Session;

namespace {

// A list of the devices of one model that satisfy `seen` (SQL), each
// answered as `Record`. An id that does not exist answers an empty list,
// not a failure.
template <class Row, class Record, class Make>
ListSource<Row, Record> device_source(Session& s, const qx::sim::Model<Row>& model, std::string seen, Make record) {
  ListSource<Row, Record> source;
  source.missing_status = qx::kOk;
  source.page = [&s, &model, seen](int64_t start, int64_t limit) {
    return qx::sim::select_rows(s.db(), model, s.adapter_id(), seen + " AND id >= ?1", {qx::sim::json(start)}, "id",
                                limit);
  };
  source.one = [&s, &model, seen](int64_t id) -> std::optional<Row> {
    std::vector<Row> rows =
        qx::sim::select_rows(s.db(), model, s.adapter_id(), seen + " AND id = ?1", {qx::sim::json(id)});
    if (rows.empty()) return std::nullopt;
    return rows.front();
  };
  source.id_of = [](const Row& r) { return int64_t{r.id}; };
  source.record = record;
  return source;
}

// The elements an element call answers for: one enclosure's, or every
// enclosure's for QX_ALL_ENCLOSURES; 15 for an enclosure that does not exist.
uint8_t read_elements(Session& s, uint16_t enclosure, std::vector<qx::sim::ElementState>& out) {
  if (enclosure != QX_ALL_ENCLOSURES &&
      !qx::sim::select_by_id(s.db(), qx::sim::enclosure_model(), s.adapter_id(), enclosure))
    return qx::kInvalidEnclosureId;
  out = qx::sim::element_states(s, enclosure);
  return qx::kOk;
}

}  // namespace

extern "C" {

QX_API_EXPORT uint8_t QX_ENC_GetEnclosureInfo(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call(Call::QX_ENC_GetEnclosureInfo, adapter, [&](Session& s) -> uint8_t {
    const std::vector<qx::sim::Expander> expanders = qx::sim::adapter_expanders(s);
    const std::set<uint16_t> unstable = qx::sim::unstable_enclosures(s);
    return qx::sim::serve_list(
        query, s.adapter().max_buffer_kb,
        device_source<qx::sim::Enclosure, QX_ENCLOSURE_INFO>(s, qx::sim::enclosure_model(), "1", [&](const auto& e) {
          return qx::sim::enclosure_record(e, static_cast<uint8_t>(s.adapter_id()),
                                           unstable.count(e.id) != 0 ? QX_ENCLOSURE_UNSTABLE : QX_ENCLOSURE_OK, expanders);
        }));
  });
}

QX_API_EXPORT uint8_t QX_PD_GetExpanderInfo(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call(Call::QX_PD_GetExpanderInfo, adapter, [&](Session& s) -> uint8_t {
    const std::vector<qx::sim::Expander> expanders = qx::sim::adapter_expanders(s);
    return qx::sim::serve_list(
        query, s.adapter().max_buffer_kb,
        device_source<qx::sim::Expander, QX_EXPANDER_INFO>(s, qx::sim::expander_model(), "present = 1", [&](const auto& x) {
          return qx::sim::expander_record(x, s.adapter(), expanders);
        }));
  });
}

QX_API_EXPORT uint8_t QX_PD_GetPMInfo(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call(Call::QX_PD_GetPMInfo, adapter, [&](Session& s) -> uint8_t {
    return qx::sim::serve_list(
        query, s.adapter().max_buffer_kb,
        device_source<qx::sim::PortMultiplier, QX_PM_INFO>(s, qx::sim::pm_model(), "1",
                                                            [&](const auto& p) { return qx::sim::pm_record(p, s.adapter()); }));
  });
}

QX_API_EXPORT uint8_t QX_ENC_GetElementInfo(uint8_t adapter, uint16_t enclosure_id, QX_ENC_ELEMENT* elements,
                                            uint16_t* count) {
  return qx::sim::api_call(Call::QX_ENC_GetElementInfo, adapter, [&](Session& s) -> uint8_t {
    if (elements == nullptr || count == nullptr) return qx::kInvalidParameter;
    std::vector<qx::sim::ElementState> states;
    if (uint8_t status = read_elements(s, enclosure_id, states); status != qx::kOk) return status;
    const size_t n = std::min<size_t>(states.size(), QX_ENC_MAX_ELEMENTS);
    for (size_t i = 0; i < n; ++i) elements[i] = states[i].record;
    *count = static_cast<uint16_t>(n);
    return qx::kOk;
  });
}

QX_API_EXPORT uint8_t QX_ENC_GetElementConfig(uint8_t adapter, uint16_t enclosure_id, QX_ENC_ELEMENT_CONFIG* configs,
                                              uint8_t* count) {
  return qx::sim::api_call(Call::QX_ENC_GetElementConfig, adapter, [&](Session& s) -> uint8_t {
    if (configs == nullptr || count == nullptr) return qx::kInvalidParameter;
    std::vector<qx::sim::ElementState> states;
    if (uint8_t status = read_elements(s, enclosure_id, states); status != qx::kOk) return status;
    // The count is one byte: one answer holds at most 255 records.
    const size_t n = std::min<size_t>(states.size(), 255);
    for (size_t i = 0; i < n; ++i)
      configs[i] = qx::sim::element_config_record(states[i].element, states[i].record.status_code);
    *count = static_cast<uint8_t>(n);
    return qx::kOk;
  });
}

}  // extern "C"
