// The size a VD or an array has after a migration to another level or onto
// more disks. Pure arithmetic, no state.
#ifndef QX_SIM_ENGINE_MIGRATION_CAPACITY_H
#define QX_SIM_ENGINE_MIGRATION_CAPACITY_H

#include <cstdint>

namespace qx::sim {

struct MigratedSize {
  uint8_t status = 0;    // 0; 52 when it is smaller than now; the capacity plan's status otherwise
  uint64_t size_kb = 0;  // filled whenever the level can be built, also with 52
};

// Every member keeps (or, when new, gets) a block of `block_kb`, so the new
// size is that block times the data disks of `level` over `disks` members
// with `parity` parity disks (already defaulted), in whole MB and whole
// stripes. A size below `current_kb` answers 52: a migration never shrinks.
MigratedSize migrated_capacity(uint8_t level, int parity, uint16_t stripe_kb, uint64_t block_kb, int disks,
                               uint64_t current_kb);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_MIGRATION_CAPACITY_H
