// One library call: faults, the activity engine and the transaction rules.
#include "sim/engine/call.h"

#include <gtest/gtest.h>

#include "api/status.h"

#include "sim/engine/activities.h"
#include "sim/engine/clock.h"
#include "sim/model/adapter.h"
#include "sim/model/fault.h"
#include "sim/model/vd.h"
#include "sim/scenario/scenario.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

using testing::TempState;

uint8_t ok_call(Db& db, const char* function, int adapter = 0, Access access = Access::kRead) {
  return run_call(db, function, adapter, access, [](Session&) { return uint8_t{0}; });
}

void add_fault(Db& db, const char* function, int adapter, uint8_t status, int64_t remaining) {
  Fault f;
  Stmt next = db.prepare("SELECT COALESCE(MAX(id), 0) + 1 FROM faults");
  next.step();
  f.id = static_cast<uint32_t>(next.column_int(0));
  f.function = function;
  f.adapter = static_cast<int8_t>(adapter);
  f.status = status;
  f.remaining = remaining;
  insert_row(db, fault_model(), kAnyAdapter, f);
}

TEST(Call, FaultsFailOnceNTimesOrAlways) {
  TempState state("default");
  std::unique_ptr<Db> db = state.open();
  add_fault(*db, "QX_Twice", 0, 6, 2);
  add_fault(*db, "QX_Always", kAnyAdapter, 9, kAlways);
  EXPECT_EQ(ok_call(*db, "QX_Twice"), 6);
  EXPECT_EQ(ok_call(*db, "QX_Twice", 1), 0) << "only on the adapter named";
  EXPECT_EQ(ok_call(*db, "QX_Twice"), 6);
  EXPECT_EQ(ok_call(*db, "QX_Twice"), 0) << "spent after two calls";
  for (int adapter : {0, 1, -1}) EXPECT_EQ(ok_call(*db, "QX_Always", adapter), 9);
  EXPECT_EQ(ok_call(*db, "QX_Always"), 9);
  EXPECT_EQ(ok_call(*db, "QX_Other"), 0);
}

// A call that may write takes what the calls before it read only while no
// one has committed since: here another process adds a fault, and renames
// the adapter, between a read and a change.
TEST(Call, AChangingCallSeesWhatAnotherProcessCommittedAfterTheLastRead) {
  TempState state("default");
  std::unique_ptr<Db> db = state.open();
  std::unique_ptr<Db> other = state.open();
  std::string seen;
  auto model_seen = [&](Access access) {
    return run_call(*db, "QX_Change", 0, access, [&](Session& s) {
      seen = s.adapter().model;
      return uint8_t{0};
    });
  };
  ASSERT_EQ(model_seen(Access::kRead), 0);
  {
    Transaction txn(*other, Transaction::Kind::kWrite);
    Adapter a = *select_by_id(*other, adapter_model(), 0, 0);
    a.model = "renamed meanwhile";
    update_row(*other, adapter_model(), 0, a);
    txn.commit();
  }
  EXPECT_EQ(model_seen(Access::kWrite), 0);
  EXPECT_EQ(seen, "renamed meanwhile");
  ASSERT_EQ(model_seen(Access::kRead), 0) << "the memo now holds the renamed adapter";
  add_fault(*other, "QX_Change", 0, kVdNotReady, kAlways);
  EXPECT_EQ(model_seen(Access::kWrite), kVdNotReady);
}

TEST(Call, UnknownAdapterAnswersInvalidAdapterId) {
  TempState state("default");
  std::unique_ptr<Db> db = state.open();
  ASSERT_EQ(ok_call(*db, "QX_Any", 0), 0) << "what a call on adapter 0 found is not taken for adapter 5";
  bool ran = false;
  EXPECT_EQ(run_call(*db, "QX_Any", 5, Access::kRead,
                     [&](Session&) {
                       ran = true;
                       return uint8_t{0};
                     }),
            kInvalidAdapterId);
  EXPECT_FALSE(ran);
}

TEST(Call, AFailingChangeIsUndone) {
  TempState state("default");
  std::unique_ptr<Db> db = state.open();
  uint8_t status = run_call(*db, "QX_Change", 0, Access::kWrite, [](Session& s) {
    std::optional<Vd> vd = select_by_id(s.db(), vd_model(), 0, 1);
    vd->name = "changed";
    update_row(s.db(), vd_model(), 0, *vd);
    return uint8_t{kVdNotReady};
  });
  EXPECT_EQ(status, kVdNotReady);
  EXPECT_EQ(select_by_id(*db, vd_model(), 0, 1)->name, "VD_R5_2");
}

TEST(Call, AReadingCallCompletesWhatIsDueBeforeItAnswers) {
  TempState state("empty");
  std::unique_ptr<Db> db = state.open();
  {
    Transaction txn(*db, Transaction::Kind::kWrite);
    load_scenario(*db, parse_scenario(R"({
      "clock": {"frozen": true, "time_ms": 1767225600000},
      "adapters": [{
        "disks": [{"id": 0, "size_kb": 1000000}, {"id": 1, "size_kb": 1000000}],
        "vds": [{"id": 0, "raid_level": 1, "size_kb": 500000}],
        "blocks": [{"pd": 0, "vd": 0, "start_kb": 262144, "size_kb": 500000},
                   {"pd": 1, "vd": 0, "member": 1, "start_kb": 262144, "size_kb": 500000}],
        "activities": [{"kind": "init_background", "vd": 0, "progress": 5000, "duration_s": 100}]
      }]})"));
    txn.commit();
  }
  auto vd_state = [&] {
    uint8_t out = 0;
    run_call(*db, "QX_Read", 0, Access::kRead, [&](Session& s) {
      out = select_by_id(s.db(), vd_model(), 0, 0)->state;
      return uint8_t{0};
    });
    return out;
  };
  auto advance = [&](int64_t seconds) {
    Transaction txn(*db, Transaction::Kind::kWrite);
    Clock c = read_clock(*db);
    c.advance(seconds * 1000);
    write_clock(*db, c);
    txn.commit();
  };
  EXPECT_EQ(vd_state(), QX_VD_FUNCTIONAL);
  advance(49);
  EXPECT_EQ(vd_state(), QX_VD_FUNCTIONAL);
  std::optional<Activity> a = vd_activity(Session(*db, 0, 0), 0);
  ASSERT_TRUE(a);
  EXPECT_EQ(progress_at(*a, read_clock(*db).now_ms()), 9900);
  advance(1);
  EXPECT_EQ(vd_state(), QX_VD_FUNCTIONAL_INITIALIZED);
  EXPECT_FALSE(vd_activity(Session(*db, 0, 0), 0)) << "a completed activity is gone";
  Stmt events = db->prepare("SELECT time, code FROM events WHERE adapter = 0 ORDER BY seq DESC LIMIT 1");
  ASSERT_TRUE(events.step());
  EXPECT_EQ(events.column_int(0), 1767225600 + 50) << "stamped with the moment it completed";
  EXPECT_EQ(events.column_int(1), 55);
}

}  // namespace
}  // namespace qx::sim
