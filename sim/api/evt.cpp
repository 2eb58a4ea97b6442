// The event log: QX_EVT_GetEvent.
#include <algorithm>
#include <vector>

#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/model/event.h"
#include "sim/store/table.h"

using qx::sim::Call;
using qx::sim::Session;

extern "C" {

// The newest min(max, logged) records, oldest first: one query that reads
// only them, whatever the log's length.
QX_API_EXPORT uint8_t QX_EVT_GetEvent(uint8_t adapter, uint8_t max, uint8_t* count, QX_EVENT* events) {
  if (max == 0 || count == nullptr || events == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_EVT_GetEvent, adapter, [&](Session& s) {
    std::vector<qx::sim::Event> newest =
        qx::sim::select_rows(s.db(), qx::sim::event_model(), s.adapter_id(), "1", {}, "seq DESC", max);
    std::reverse(newest.begin(), newest.end());
    for (size_t i = 0; i < newest.size(); ++i) events[i] = qx::sim::to_record(newest[i]);
    *count = static_cast<uint8_t>(newest.size());
    return uint8_t{qx::kOk};
  });
}

}  // extern "C"
