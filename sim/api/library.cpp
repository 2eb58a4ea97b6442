// QX_API_Initialize, QX_API_Finalize, QX_API_Version.
#include "sim/api/library.h"

#include <cstdio>
#include <memory>
#include <mutex>

#include "api/qx_api.h"
#include "api/status.h"
#include "sim/store/state_dir.h"

namespace qx::sim {

namespace {

std::unique_ptr<Db>& connection() {
  static std::unique_ptr<Db> db;
  return db;
}

// Held for the whole of every call, and while the connection is opened or
// closed: QX_API_Finalize may come from another thread (a console control
// handler) while a call runs, and then waits for that call to end.
std::mutex& connection_mutex() {
  static std::mutex mutex;
  return mutex;
}

}  // namespace

uint8_t api_call(Call call, int adapter, const CallBody& body) {
  return api_call(call, adapter, call_info(call).access, body);
}

uint8_t api_call(Call call, int adapter, Access access, const CallBody& body) {
  std::lock_guard<std::mutex> lock(connection_mutex());
  Db* db = connection().get();
  if (db == nullptr) return kFailed;
  return run_call(*db, call_info(call).name, adapter, access, body);
}

}  // namespace qx::sim

using qx::sim::connection;
using qx::sim::connection_mutex;

extern "C" {

QX_API_EXPORT uint8_t QX_API_Initialize(void) {
  {
    std::lock_guard<std::mutex> lock(connection_mutex());
    if (connection()) return qx::kOk;
    try {
      connection() = qx::sim::open_state(qx::sim::state_directory());
    } catch (const std::exception& e) {
      std::fprintf(stderr, "qx_api: %s\n", e.what());
      return qx::kFailed;
    }
  }
  return qx::sim::api_call(qx::sim::Call::QX_API_Initialize, -1,
                           [](qx::sim::Session&) { return uint8_t{qx::kOk}; });
}

QX_API_EXPORT uint8_t QX_API_Finalize(void) {
  std::lock_guard<std::mutex> lock(connection_mutex());
  connection().reset();
  return qx::kOk;
}

QX_API_EXPORT const char* QX_API_Version(void) {
  return "1.0.4.2612 (simulated controller)";
}

}  // extern "C"
