// The lines the VD display prints for one VD.
#ifndef QX_COMMANDS_INVENTORY_VD_LINES_H
#define QX_COMMANDS_INVENTORY_VD_LINES_H

#include "api/records.h"

namespace qx::commands {

// Identity, state, geometry, cache, size, activity state, blocks and PDs,
// running OS.
void print_vd_lines(const QX_VD_INFO& vd);

// A hybrid-tier VD with an activity: its restore or initialization.
void print_tier_lines(const QX_VD_INFO& vd, const QX_VD_STATUS& status);

// "BGA progress:" of the activity, then an empty line; only the empty line
// for an activity in no known state.
void print_progress_line(const QX_VD_STATUS& status);

}  // namespace qx::commands

#endif  // QX_COMMANDS_INVENTORY_VD_LINES_H
