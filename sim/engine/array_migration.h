// Migrating an array: its member list becomes the targets and each VD on it
// migrates onto them; the array takes the new level with its last VD.
#ifndef QX_SIM_ENGINE_ARRAY_MIGRATION_H
#define QX_SIM_ENGINE_ARRAY_MIGRATION_H

#include <cstdint>

#include "api/records.h"
#include "sim/engine/session.h"

namespace qx::sim {

// The size of an existing array after the migration a request asks for
// (QX_CreateOrModify_DG in mode 1 with the id of an array): 160 without
// arrays, 70 without the migration feature, 17 for an unknown array, then
// the checks of every migration against the array's members, with the most
// its VDs take on one member as the room each new disk must offer. The size
// is that room times the level's data disks; it is filled in the request
// (KB) whenever it is known, also when a new disk lacks the room (4).
uint8_t array_migration_size(const Session& s, QX_ARRAY_REQUEST& request);

// QX_DG_StartMigration: the size's checks, then 68 when nothing would
// change, 87 for lower redundancy, 85 for a VD on it that is not functional,
// 82 for a VD with an activity, 81 while another array migrates. An array
// without VDs changes at once.
uint8_t start_array_migration(const Session& s, const QX_ARRAY_REQUEST& request);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_ARRAY_MIGRATION_H
