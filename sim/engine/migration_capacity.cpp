#include "sim/engine/migration_capacity.h"

#include "api/status.h"
#include "sim/engine/capacity.h"

namespace qx::sim {

MigratedSize migrated_capacity(uint8_t level, int parity, uint16_t stripe_kb, uint64_t block_kb, int disks,
                               uint64_t current_kb) {
  MigratedSize out;
  if (block_kb == 0) return out;  // an array without VDs holds nothing, before and after
  CapacityRequest want;
  want.level = level;
  want.parity = parity;
  want.stripe_kb = stripe_kb;
  want.members.assign(static_cast<size_t>(disks > 0 ? disks : 0), MemberSpace{block_kb, false});
  const CapacityPlan plan = plan_capacity(want);
  if (plan.status != kOk) {
    out.status = plan.status;
    return out;
  }
  out.size_kb = plan.capacity_kb;
  if (out.size_kb < current_kb) out.status = kTargetTooSmall;
  return out;
}

}  // namespace qx::sim
