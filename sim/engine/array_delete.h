// Deleting arrays, and package VDs (an array and its one VD created as one
// unit, named by the array's id).
#ifndef QX_SIM_ENGINE_ARRAY_DELETE_H
#define QX_SIM_ENGINE_ARRAY_DELETE_H

#include <cstdint>

#include "sim/engine/session.h"
#include "sim/store/db.h"

namespace qx::sim {

// Deletes an empty array; its dedicated spares become free disks. Answers 0;
// 17 for an array that does not exist; 76 while a VD is on it.
uint8_t delete_array(const Session& s, uint16_t array);

// Deletes a package VD: the array with id `id` that was created together
// with its VD, and that VD. Answers 0; 17 when no package VD has the id;
// 61 while a background activity runs or is paused on the VD; 158 when the
// running operating system is on it.
uint8_t delete_package_vd(const Session& s, uint16_t id);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_ARRAY_DELETE_H
