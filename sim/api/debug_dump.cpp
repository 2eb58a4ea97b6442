// The debug-message dump: qx_dump_dbg_msg_handle_set_cfg, _get_cfg, _status
// and _data (sim/engine/debug_dump.h).
#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/debug_dump.h"

using qx::sim::Call;
using qx::sim::Session;

extern "C" {

QX_API_EXPORT uint8_t qx_dump_dbg_msg_handle_set_cfg(uint8_t adapter, uint8_t value) {
  return qx::sim::api_call(Call::qx_dump_dbg_msg_handle_set_cfg, adapter,
                           [&](Session& s) { return qx::sim::set_dump(s, value); });
}

QX_API_EXPORT uint8_t qx_dump_dbg_msg_handle_get_cfg(uint8_t adapter, QX_DUMP_CONFIG* config) {
  return qx::sim::api_call(Call::qx_dump_dbg_msg_handle_get_cfg, adapter, [&](Session& s) -> uint8_t {
    if (config == nullptr) return qx::kInvalidParameter;
    config->enabled = s.adapter().dump_enabled ? 1 : 0;
    config->started = s.adapter().dump_started ? 1 : 0;
    return qx::kOk;
  });
}

QX_API_EXPORT uint8_t qx_dump_dbg_msg_handle_status(uint8_t adapter, QX_DUMP_STATUS* status) {
  return qx::sim::api_call(Call::qx_dump_dbg_msg_handle_status, adapter, [&](Session& s) -> uint8_t {
    if (status == nullptr) return qx::kInvalidParameter;
    *status = qx::sim::dump_status(s);
    return qx::kOk;
  });
}

QX_API_EXPORT uint8_t qx_dump_dbg_msg_handle_data(uint8_t adapter, QX_DUMP_CHUNK* chunk, int32_t buffer_size) {
  return qx::sim::api_call(Call::qx_dump_dbg_msg_handle_data, adapter, [&](Session& s) -> uint8_t {
    if (chunk == nullptr) return qx::kInvalidParameter;
    return qx::sim::take_dump_chunk(s, *chunk, buffer_size);
  });
}

}  // extern "C"
