// Migrating a VD to another RAID level and onto more disks while it stays
// online: the checks of a request, its size, the VD the migration builds
// (its target) and the end of the migration.
#ifndef QX_SIM_ENGINE_MIGRATION_H
#define QX_SIM_ENGINE_MIGRATION_H

#include <cstdint>
#include <set>
#include <vector>

#include "api/records.h"
#include "sim/engine/session.h"
#include "sim/model/vd.h"

namespace qx::sim {

// What a migration asks of its disks, for a VD or for an array.
struct MigrationAsk {
  uint8_t level = 0;
  uint8_t parity = 0;                // as requested; 0 takes the level's default
  std::vector<uint16_t> targets;     // the member disks afterwards, in order
  std::vector<uint16_t> members;     // the member disks now
  std::vector<Block> member_blocks;  // the blocks on them, for the disks new ones must match
  std::set<uint16_t> own_vds;        // VDs whose blocks may lie on a target
  uint64_t block_kb = 0;             // what a member holds, and a new disk must offer
  uint16_t stripe_kb = 64;
  uint64_t current_kb = 0;           // the size now, which a migration never lowers
  bool array_rules = false;          // count and parity as an array takes them
};

struct MigrationCheck {
  uint8_t status = 0;
  uint8_t parity = 0;               // after the level's default
  uint64_t size_kb = 0;             // the size afterwards, once it is known (also with 4 and 52)
  std::vector<uint16_t> new_disks;  // targets that are no member now, in order
};

// The checks every migration makes, in order: a level code (14) the adapter
// has (19); 1 to 128 targets within its disks per VD (152), none twice (7);
// the count and parity disks the level needs, for a VD or an array (57, 66); each target present
// (55), a disk (65), online and not foreign (9), no spare (54), holding no
// block of a VD outside `own_vds` (56); every member kept (7); each new disk
// of the members' sector size (74) and type (73); then the size, which needs
// a free stretch of `block_kb` on each new disk (4) and is not below the
// size now (52).
MigrationCheck check_migration(const Session& s, const MigrationAsk& ask);

// The start checks beyond those of the request, for a VD: 68 when nothing
// would change; 87 for a level of lower redundancy.
uint8_t check_migration_changes(uint8_t level_now, uint8_t parity_now, const std::vector<uint16_t>& members,
                                uint8_t level, uint8_t parity, const std::vector<uint16_t>& targets);

// QX_LD_GetMigratedLdSize: 160 on adapters with arrays, 70 without the
// migration feature, 59 for a VD that is not listed, then check_migration().
// Fills the request's size whenever it is known.
uint8_t vd_migration_size(const Session& s, QX_VD_MIGRATION_REQUEST& request);

// QX_LD_StartMigration: the size query's checks, then 68, 87, a functional
// VD (85), nothing active on it (61), no other migration on the adapter
// (161), a free VD id (64) and block ids (4). Builds the target and starts
// the migration over the new size.
uint8_t start_vd_migration(const Session& s, const QX_VD_MIGRATION_REQUEST& request);

// Builds the target of a checked migration of `vd` onto `targets` and starts
// the activity: the members' blocks learn their slot in the target, each new
// disk gets a block of the members' size owned by the target.
void begin_vd_migration(const Session& s, const Vd& vd, uint8_t level, uint8_t parity, uint64_t size_kb,
                        const std::vector<uint16_t>& targets);

// The migration of `vd` completed: the VD takes the target's level, parity,
// size and members, every block takes its slot in the target, the target
// goes; on an array, the last of its VDs to finish gives the array the new
// level.
void finish_migration(const Session& s, uint16_t vd);

// The migration of `vd` ended before its end: the target and its blocks go,
// the members keep their slots.
void drop_migration_target(const Session& s, uint16_t vd);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_MIGRATION_H
