#include "sim/engine/array_slots.h"

#include <algorithm>

#include "api/status.h"
#include "sim/engine/capacity.h"

namespace qx::sim {

namespace {

CapacityRequest request_for(const ArrayGeometry& g) {
  CapacityRequest r;
  r.level = g.level;
  r.parity = g.parity;
  r.stripe_kb = g.stripe_kb;
  return r;
}

}  // namespace

uint64_t array_span_kb(const ArrayGeometry& g) {
  if (g.member_space_kb.empty() || g.members == 0) return 0;
  // Every position spans as much as the smallest member there gives.
  CapacityRequest r = request_for(g);
  r.requested_kb = g.size_kb;
  r.members.assign(g.members, MemberSpace{*std::min_element(g.member_space_kb.begin(), g.member_space_kb.end()), false});
  CapacityPlan plan = plan_capacity(r);
  if (plan.status != kOk) {
    // Members that shrank below the built capacity: the array spans what they give.
    r.requested_kb = 0;
    plan = plan_capacity(r);
    if (plan.status != kOk) return 0;
  }
  return *std::max_element(plan.block_kb.begin(), plan.block_kb.end());
}

uint64_t usable_kb(const ArrayGeometry& g, size_t members, uint64_t member_kb) {
  if (members == 0) return 0;
  CapacityRequest r = request_for(g);
  r.members.assign(members, MemberSpace{member_kb, false});
  CapacityPlan plan = plan_capacity(r);
  return plan.status == kOk ? plan.capacity_kb : 0;
}

std::vector<ArraySlot> array_slots(const ArrayGeometry& g, std::vector<SlotRegion> regions, size_t max_slots) {
  std::sort(regions.begin(), regions.end(),
            [](const SlotRegion& x, const SlotRegion& y) { return x.start_kb < y.start_kb; });
  const uint64_t end = g.reserved_kb + array_span_kb(g);
  std::vector<ArraySlot> slots;
  const auto add_free = [&](uint64_t from, uint64_t to) {
    if (to < from + kSmallestFreeSlotKb) return;
    slots.push_back({kNoId, from, to - from, usable_kb(g, g.members, to - from)});
  };
  uint64_t at = g.reserved_kb;
  for (const SlotRegion& r : regions) {
    add_free(at, std::min(r.start_kb, end));
    if (r.listed) slots.push_back({r.vd, r.start_kb, r.size_kb, 0});
    at = std::max(at, r.start_kb + r.size_kb);
  }
  add_free(at, end);
  // A VD always keeps its slot; the first free slots fill the count.
  if (max_slots != 0) {
    size_t vds = std::count_if(slots.begin(), slots.end(), [](const ArraySlot& x) { return x.vd != kNoId; });
    size_t free_allowed = vds >= max_slots ? 0 : max_slots - vds;
    std::vector<ArraySlot> kept;
    for (const ArraySlot& x : slots) {
      if (x.vd == kNoId) {
        if (free_allowed == 0) continue;
        --free_allowed;
      }
      kept.push_back(x);
    }
    slots.swap(kept);
  }
  return slots;
}

uint64_t largest_free_slot_kb(const std::vector<ArraySlot>& slots) {
  uint64_t most = 0;
  for (const ArraySlot& x : slots)
    if (x.vd == kNoId) most = std::max(most, x.usable_kb);
  return most;
}

}  // namespace qx::sim
