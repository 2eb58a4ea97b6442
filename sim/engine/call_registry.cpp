#include "sim/engine/call_registry.h"

namespace qx::sim {
namespace {

#define QX_CALL_ENTRY(name, access, implemented) {#name, Access::access, implemented},
constexpr CallInfo kCalls[] = {QX_CALL_LIST(QX_CALL_ENTRY)};
#undef QX_CALL_ENTRY

}  // namespace

const CallInfo& call_info(Call call) { return kCalls[static_cast<size_t>(call)]; }

std::span<const CallInfo> all_calls() { return kCalls; }

const CallInfo* find_call(std::string_view name) {
  for (const CallInfo& call : kCalls)
    if (name == call.name) return &call;
  return nullptr;
}

const char* fault_refusal(std::string_view name) {
  const CallInfo* call = find_call(name);
  if (call == nullptr) return "is not the name of a library function";
  if (!call->implemented) return "is not implemented by the library yet, so a fault on it would never fire";
  if (call->access == Access::kNone) return "answers without the state, so a fault on it would never fire";
  return nullptr;
}

}  // namespace qx::sim
