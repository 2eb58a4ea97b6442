// Process-wide state of the command shell, read by every handler.
#ifndef QX_SHELL_STATE_H
#define QX_SHELL_STATE_H

#include <cstdint>
#include <cstdio>

#include "api/records.h"
#include "shell/command_table.h"

namespace qx::shell {

inline constexpr int kAdapterTableSize = 16;
inline constexpr int kMaxAdapters = 8;

struct ShellState {
  FILE* out = stdout;               // the output stream
  uint8_t current_adapter = 0;
  uint8_t adapter_count = 0;
  QX_ADAPTER_INFO adapters[kAdapterTableSize] = {};
  uint8_t array_capable = 0;
  CommandTable main_table = {};
  CommandTable hidden_table = {};
};

ShellState& state();

// The adapter information record of the current adapter.
QX_ADAPTER_INFO& current_adapter_info();

}  // namespace qx::shell

#endif  // QX_SHELL_STATE_H
