#include "sim/engine/due_moments.h"

#include <gtest/gtest.h>

#include <vector>

#include "api/event_catalogue.h"
#include "sim/engine/battery_power.h"
#include "sim/engine/bga_control.h"
#include "sim/model/event.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

constexpr int64_t kNow = 1'800'000'000'000;

TEST(DueMoments, BatteryMomentsAndCompletionsApplyInTheOrderTheyHappened) {
  testing::TempState state("default");
  std::unique_ptr<Db> db = state.open();
  const Session start(*db, 1, kNow);
  // A discharge from 31 %: below the low line after 2 % (72 s), empty after
  // 31 % (1,116 s); between the two, a consistency check ends at 100 s.
  change_stored_battery(start, BatteryChange{std::nullopt, 31});
  Battery b = *read_battery(start);
  change_battery_power(start, b, QX_BBU_DISCHARGE);
  update_row(*db, battery_model(), 1, b);
  start_vd_activity(start, 0, ActivityKind::kRedundancyCheck, 100);
  EXPECT_EQ(next_due_ms(start), kNow + 72'000);

  bring_up_to_date(Session(*db, 1, kNow + 2'000'000));

  struct Seen {
    const EventKind* kind;
    int64_t at_ms;
  };
  const Seen expected[] = {{&events::kBatteryAbnormalWriteThrough, kNow + 72'000},
                           {&events::kVdCheckCompleted, kNow + 100'000},
                           {&events::kBatteryDischargingStopped, kNow + 1'116'000}};
  std::vector<Seen> seen;
  int64_t last_ms = 0;
  for (const Event& e : select_rows(*db, event_model(), 1, "1", {}, "seq")) {
    EXPECT_GE(int64_t{e.time} * 1000, last_ms) << "event " << e.seq << " is logged out of time order";
    last_ms = int64_t{e.time} * 1000;
    for (const Seen& x : expected)
      if (e.event_class == x.kind->event_class && e.code == x.kind->code) seen.push_back({x.kind, last_ms});
  }
  ASSERT_EQ(seen.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(seen[i].kind, expected[i].kind) << i;
    EXPECT_EQ(seen[i].at_ms, expected[i].at_ms) << i;
  }
  EXPECT_TRUE(battery_low(*read_battery(start)));
  EXPECT_FALSE(next_due_ms(Session(*db, 1, kNow + 2'000'000)).has_value());
}

}  // namespace
}  // namespace qx::sim
