#include "shell/state.h"

namespace qx::shell {

ShellState& state() {
  static ShellState shell_state;
  return shell_state;
}

QX_ADAPTER_INFO& current_adapter_info() {
  ShellState& s = state();
  if (s.current_adapter < kAdapterTableSize) return s.adapters[s.current_adapter];
  // An id outside the adapter table addresses an adapter nobody has read:
  // an all-zero record, as for the table's unread entries.
  static QX_ADAPTER_INFO unread;
  unread = {};
  return unread;
}

}  // namespace qx::shell
