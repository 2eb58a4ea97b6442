// The slots of an array: its VDs and the free stretches between them, in
// the order they lie on its members, within the capacity the array was
// built with. Every VD of an array takes the same stretch of each member, so
// the layout of one member is the layout of all.
#ifndef QX_SIM_ENGINE_ARRAY_SLOTS_H
#define QX_SIM_ENGINE_ARRAY_SLOTS_H

#include <cstdint>
#include <vector>

#include "sim/model/vd.h"

namespace qx::sim {

// The shape of an array: what its VDs share and the space its members give.
struct ArrayGeometry {
  uint8_t level = 0;
  int parity = 0;  // already defaulted
  uint16_t stripe_kb = 64;
  uint64_t size_kb = 0;                  // usable capacity; 0: all the members' space
  uint64_t reserved_kb = 0;              // kept at the start of every disk
  size_t members = 0;                     // member positions, present or not
  std::vector<uint64_t> member_space_kb;  // each present member's space after the reserved area
};

// The stretch of one member that the array spans, from the reserved area
// on; 0 when no member is there or the space gives nothing.
uint64_t array_span_kb(const ArrayGeometry& g);

// The usable size of a VD of the array's level whose block on each of
// `members` members is `member_kb`; 0 when that gives nothing.
uint64_t usable_kb(const ArrayGeometry& g, size_t members, uint64_t member_kb);

// A VD's stretch on one member.
struct SlotRegion {
  uint16_t vd = kNoId;
  uint64_t start_kb = 0;
  uint64_t size_kb = 0;
  bool listed = true;  // false for a migration target: it takes space but no slot
};

struct ArraySlot {
  uint16_t vd = kNoId;  // kNoId: free
  uint64_t start_kb = 0;
  uint64_t member_kb = 0;  // stretch on each member
  uint64_t usable_kb = 0;  // a free slot: the largest VD it holds
};

// A free stretch smaller than this on each member is no slot.
inline constexpr uint64_t kSmallestFreeSlotKb = 1024;

// The slots in member order: each listed VD, and each free stretch of at
// least kSmallestFreeSlotKb while the slots number fewer than `max_slots`
// (no limit when 0).
std::vector<ArraySlot> array_slots(const ArrayGeometry& g, std::vector<SlotRegion> regions, size_t max_slots);

// The largest usable size of a free slot; 0 when none is free.
uint64_t largest_free_slot_kb(const std::vector<ArraySlot>& slots);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_ARRAY_SLOTS_H
