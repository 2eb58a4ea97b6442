// The adapter display of `info -o hba`: every adapter, or one.
#ifndef QX_COMMANDS_INVENTORY_ADAPTER_DISPLAY_H
#define QX_COMMANDS_INVENTORY_ADAPTER_DISPLAY_H

#include <cstdint>

#include "api/records.h"

namespace qx::commands {

// The id that selects every adapter.
inline constexpr uint16_t kAllAdapters = 255;

// Reads the adapter count and every adapter's record afresh and prints the
// record of adapter `id` (or of every adapter). Returns the status of the
// last record read, or 13 for an id the library does not have.
uint8_t show_adapters(uint16_t id);

// Prints one adapter's record, field by field.
void print_adapter_record(const QX_ADAPTER_INFO& info, int adapter_id);

}  // namespace qx::commands

#endif  // QX_COMMANDS_INVENTORY_ADAPTER_DISPLAY_H
