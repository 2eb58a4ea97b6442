// Rebuilding a degraded VD onto a disk: which disks may take a missing
// member's place, writing the new member, and its end.
#ifndef QX_SIM_ENGINE_REBUILD_H
#define QX_SIM_ENGINE_REBUILD_H

#include <cstdint>
#include <vector>

#include "sim/engine/session.h"
#include "sim/model/disk.h"
#include "sim/model/vd.h"

namespace qx::sim {

// The size every member block of a VD has, from its blocks.
uint64_t member_block_kb(const std::vector<Block>& blocks);

// Whether `disk` matches the members of a VD whose blocks are `blocks`: the
// sector size of a member that still serves (74) and, where the adapter wants
// one type of disk, its transport and kind (73). 0 when no member serves.
uint8_t check_joins_members(const Session& s, const std::vector<Block>& blocks, const Disk& disk);

// Whether disk `pd` can take the place of a missing member of `vd`. Answers
// 0; 55 for a disk that is not there; 65 for a device that is no disk; 9 for
// an offline or foreign disk; 51 for a disk that holds a block of `vd`; 89
// for a spare standing in for a member elsewhere; 56 for a disk another VD
// uses (unless the adapter lets disks serve several VDs); 74 for another
// sector size; 73 for another type where the adapter wants one type; 52 when
// no free stretch holds the VD's block size; 4 when no block id is left.
uint8_t check_rebuild_target(const Session& s, const Vd& vd, uint16_t pd);

// A missing member slot of a VD and the disk that takes its place.
struct SlotTarget {
  uint8_t slot = 0;
  uint16_t pd = 0;
};

// Puts a block on each target disk (already checked) into its member slot of
// `vd`, replacing a stale block there, ends a patrol or scrub on the disks
// and starts the one rebuild that writes them.
void begin_rebuild(const Session& s, const Vd& vd, const std::vector<SlotTarget>& targets);

// The same for one disk taking the lowest missing slot.
void begin_rebuild(const Session& s, const Vd& vd, uint16_t pd);

// QX_LD_StartRebuild: the VD start checks, a VD that is degraded or
// partially optimal (60 for a whole VD, 85 for another state), the target's
// checks, then begin_rebuild(). 160 on an adapter with arrays.
uint8_t start_rebuild(const Session& s, uint16_t vd, uint16_t pd);

// A rebuild of `vd` completed: its new members serve, a spare that took a
// member's place stays a spare standing in when the adapter will copy back
// and becomes a plain member otherwise, and the VD takes its state.
void finish_rebuild(const Session& s, uint16_t vd);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_REBUILD_H
