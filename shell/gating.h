// Which commands an adapter offers: the choice of the table pair and the
// visibility flags of the selected main table.
#ifndef QX_SHELL_GATING_H
#define QX_SHELL_GATING_H

#include "api/records.h"

namespace qx::shell {

// Selects the table pair for the current adapter: the array-capable pair when
// its record's maximum-arrays byte is non-zero, else the arrays-less pair; sets
// the array-capable flag. Start-up calls it, and so does a change of the
// current adapter (which does not gate again).
void select_command_tables();

// Withdraws (flag 0) or hides (flag 2) the commands of the selected main table
// that `adapter` cannot serve. Called once, at start-up.
void gate_commands(const QX_ADAPTER_INFO& adapter);

// True when the adapter's model names one of the OEM products, whose adapters
// offer a different set of commands.
bool is_oem_adapter(const QX_ADAPTER_INFO& adapter);

}  // namespace qx::shell

#endif  // QX_SHELL_GATING_H
