// QX_API_Initialize, QX_API_Finalize, QX_API_Version.
#include "sim/api/library.h"

#include <cstdio>
#include <memory>

#include "api/qx_api.h"
#include "api/status.h"
#include "sim/store/state_dir.h"

namespace qx::sim {

namespace {
std::unique_ptr<Db>& connection() {
  static std::unique_ptr<Db> db;
  return db;
}
}  // namespace

uint8_t api_call(Call call, int adapter, const CallBody& body) {
  Db* db = connection().get();
  if (db == nullptr) return kFailed;
  const CallInfo& info = call_info(call);
  return run_call(*db, info.name, adapter, info.access, body);
}

}  // namespace qx::sim

using qx::sim::connection;

extern "C" {

QX_API_EXPORT uint8_t QX_API_Initialize(void) {
  if (connection()) return qx::kOk;
  try {
    connection() = qx::sim::open_state(qx::sim::state_directory());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "qx_api: %s\n", e.what());
    return qx::kFailed;
  }
  return qx::sim::api_call(qx::sim::Call::QX_API_Initialize, -1,
                           [](qx::sim::Session&) { return uint8_t{qx::kOk}; });
}

QX_API_EXPORT uint8_t QX_API_Finalize(void) {
  connection().reset();
  return qx::kOk;
}

QX_API_EXPORT const char* QX_API_Version(void) {
  return "1.0.4.2612 (simulated controller)";
}

}  // extern "C"
