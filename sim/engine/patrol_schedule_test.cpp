#include "sim/engine/patrol_schedule.h"

#include <gtest/gtest.h>

#include <set>

#include "api/event_catalogue.h"
#include "sim/engine/due_moments.h"
#include "sim/engine/settings.h"
#include "sim/model/activity.h"
#include "sim/model/event.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

constexpr int64_t kNow = 1'800'000'000'000;
constexpr int64_t kWeek = 7 * 86'400'000LL;

std::multiset<int64_t> patrol_starts(Db& db) {
  std::multiset<int64_t> at;
  for (const Event& e : select_rows(db, event_model(), 0, "1", {}, "seq"))
    if (e.event_class == events::kPdMediaPatrolStarted.event_class && e.code == events::kPdMediaPatrolStarted.code)
      at.insert(int64_t{e.time} * 1000);
  return at;
}

TEST(PatrolSchedule, ARunPatrolsEveryMemberAtOnceAndALongGapMakesUpOnlyOnce) {
  testing::TempState state("default");
  std::unique_ptr<Db> db = state.open();
  Adapter a = Session(*db, 0, kNow).adapter();
  set_patrol_schedule(a, QX_SCHEDULE_AUTO, 7 * 86'400, kNow);
  save_adapter(*db, a);
  EXPECT_EQ(next_due_ms(Session(*db, 0, kNow)), kNow + kWeek);

  // The five member disks of the two VDs patrol together, stamped when due.
  bring_up_to_date(Session(*db, 0, kNow + kWeek + 1'000));
  EXPECT_EQ(patrol_starts(*db), (std::multiset<int64_t>{kNow + kWeek, kNow + kWeek, kNow + kWeek, kNow + kWeek,
                                                         kNow + kWeek}));
  EXPECT_EQ(select_rows(*db, activity_model(), 0, "kind = 'media_patrol'").size(), 5u);
  EXPECT_EQ(Session(*db, 0, kNow).adapter().next_patrol_ms, kNow + 2 * kWeek);

  // Months later: one run at the first missed moment, then the schedule goes
  // on after the present, keeping its day of the week.
  const int64_t later = kNow + 15 * kWeek + 3'600'000;
  bring_up_to_date(Session(*db, 0, later));
  std::multiset<int64_t> starts = patrol_starts(*db);
  EXPECT_EQ(starts.count(kNow + 2 * kWeek) + starts.count(kNow + kWeek), starts.size());
  EXPECT_GE(starts.count(kNow + 2 * kWeek), 1u) << "the patrols of the first run have ended by then";
  EXPECT_EQ(Session(*db, 0, later).adapter().next_patrol_ms, kNow + 16 * kWeek);
}

}  // namespace
}  // namespace qx::sim
