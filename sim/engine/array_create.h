// Building on an array-capable adapter: an array from free disks (or only
// its size), a VD in one of an array's slots, both at once as a package VD,
// and the adapter's own quick creation.
#ifndef QX_SIM_ENGINE_ARRAY_CREATE_H
#define QX_SIM_ENGINE_ARRAY_CREATE_H

#include <cstdint>

#include "api/records.h"
#include "sim/engine/session.h"

namespace qx::sim {

// QX_CreateOrModify_DG for a new array (id QX_NEW_ID). Checks, in order: the
// level (14: unknown, or a level that concatenates rather than stripes),
// the adapter's RAID modes (19); 1 to the adapter's disks per array (152),
// none twice (7); member count and parity (57, 66); stripe (67); name (72);
// each disk present (55), a data disk (65), neither offline nor foreign (9),
// no spare (54), in no array and holding no block (56), of the request's
// sector size (74), of the first disk's type where the adapter demands one
// type (73); a free array id below the adapter's limit (4, creating only);
// then the size: 4 with the largest size in KB in the size field when the
// disks give less, 5 when it rounds to nothing. Mode QX_DG_SIZE_ONLY
// answers the usable size in KB in the size field and changes nothing;
// QX_DG_CREATE records the array with that capacity and its write cache on,
// answers its id and logs its creation. Other modes: 7.
uint8_t create_array(const Session& s, QX_ARRAY_REQUEST& request, uint8_t mode);

// QX_CreateOrModify_VD. Checks, in order: the array (17); the request's
// level (14), parity disks (7) and sector size (74) against the array's;
// the stripe (67); the slot: QX_NO_SLOT takes the first free slot that holds
// the size, a given slot must exist and be free (7), no free slot: 4; the
// VD's settings as QX_LD_Create checks them; a size above the slot's room
// (4). Carves one block per member at the slot, answers the new VD's id.
uint8_t create_array_vd(const Session& s, QX_ARRAY_VD_REQUEST& request);

// QX_Create_PackageVD: the array part as create_array() builds it, then the
// VD part in its slot 0; the array is marked a package. Status 4 of either
// part leaves the largest size in KB in the array part's size field. The
// caller's transaction undoes the array when the VD part fails.
uint8_t create_package_vd(const Session& s, QX_PACKAGE_VD_REQUEST& request);

// QX_LD_GetMaxSize on an array-capable adapter: the usable size in KB of a
// new array of the request's level, parity, stripe and disks (sector size
// of the first disk), with create_array()'s checks; the request's rounding
// applies to the answer.
uint8_t array_max_size(const Session& s, const QX_CREATE_VD_REQUEST& request, uint64_t* size_kb);

// QX_LD_DG_QuickCreate: an array of the largest set of free disks of one
// type and sector size, and one VD of all its space with a quick
// initialization. Protection 1 builds RAID1 from two disks and RAID5 from
// three or more, 0 RAID0 from two or more; fewer disks: 57; other values: 7.
// Then the checks of create_array() and create_array_vd().
uint8_t quick_create(const Session& s, uint8_t protection);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_ARRAY_CREATE_H
