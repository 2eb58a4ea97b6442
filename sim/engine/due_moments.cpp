#include "sim/engine/due_moments.h"

#include <array>
#include <functional>

#include "sim/engine/activities.h"
#include "sim/engine/battery_power.h"

namespace qx::sim {

namespace {

// One kind of thing that happens by itself: when it next happens, and how to
// apply everything of its kind due by a session's time. At the same moment
// the kinds apply in this order.
struct DueKind {
  std::optional<int64_t> (*next_ms)(const Session&);
  void (*apply)(const Session&);
};

std::optional<int64_t> next_battery_ms(const Session& s) {
  std::optional<Battery> b = read_battery(s);
  return b ? next_battery_moment_ms(*b) : std::nullopt;
}

constexpr std::array kDueKinds{
    DueKind{next_completion_ms, complete_due_activities},
    DueKind{next_battery_ms, settle_stored_battery},
};

struct NextMoment {
  int64_t at_ms;
  const DueKind* kind;
};

std::optional<NextMoment> next_moment(const Session& s) {
  std::optional<NextMoment> next;
  for (const DueKind& kind : kDueKinds) {
    std::optional<int64_t> at = kind.next_ms(s);
    if (at && (!next || *at < next->at_ms)) next = NextMoment{*at, &kind};
  }
  return next;
}

}  // namespace

std::optional<int64_t> next_due_ms(const Session& s) {
  std::optional<NextMoment> next = next_moment(s);
  if (!next) return std::nullopt;
  return next->at_ms;
}

void bring_up_to_date(const Session& s) {
  // Each step applies the earliest due moment at its own time, so that what
  // it starts or changes is seen by the moments after it.
  for (std::optional<NextMoment> next = next_moment(s); next && next->at_ms <= s.now_ms();) {
    next->kind->apply(Session(s.db(), s.adapter_id(), next->at_ms));
    std::optional<NextMoment> after = next_moment(s);
    // A moment that applying did not move on would repeat for ever.
    if (after && after->at_ms == next->at_ms && after->kind == next->kind) break;
    next = after;
  }
}

}  // namespace qx::sim
