#include "sim/store/read_memo.h"

#include <gtest/gtest.h>

#include "sim/store/db.h"
#include "sim/store/schema.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

// One read-only call on `db`: memoizes the value under "key", counting the
// reads that reach the database.
int read_call(Db& db, int& loads) {
  Transaction txn(db, Transaction::Kind::kRead);
  db.memo().begin_read(db.state_version());
  const int value = memoized<int>(db, "key", [&] {
    ++loads;
    return static_cast<int>(meta_int(db, "memo_probe", 0));
  });
  db.memo().end_read();
  return value;
}

void write_probe(Db& db, int64_t value) {
  Transaction txn(db, Transaction::Kind::kWrite);
  set_meta_int(db, "memo_probe", value);
  txn.commit();
}

TEST(ReadMemo, KeepsAValueUntilAnotherConnectionCommits) {
  testing::TempState state("empty");
  std::unique_ptr<Db> reader = state.open();
  std::unique_ptr<Db> writer = state.open();
  int loads = 0;
  EXPECT_EQ(read_call(*reader, loads), 0);
  EXPECT_EQ(read_call(*reader, loads), 0);
  EXPECT_EQ(loads, 1) << "the second call reads nothing again";

  write_probe(*writer, 7);
  EXPECT_EQ(read_call(*reader, loads), 7) << "another connection's commit is seen";
  EXPECT_EQ(loads, 2);
}

TEST(ReadMemo, DropsValuesWhenThisConnectionCommits) {
  testing::TempState state("empty");
  std::unique_ptr<Db> db = state.open();
  int loads = 0;
  EXPECT_EQ(read_call(*db, loads), 0);
  write_probe(*db, 9);
  EXPECT_EQ(read_call(*db, loads), 9) << "the connection's own commit is seen";
  EXPECT_EQ(loads, 2);
}

TEST(ReadMemo, OutsideAReadCallEveryReadReachesTheDatabase) {
  testing::TempState state("empty");
  std::unique_ptr<Db> db = state.open();
  int loads = 0;
  Transaction txn(*db, Transaction::Kind::kWrite);
  for (int i = 0; i < 3; ++i) memoized<int>(*db, "key", [&] { return ++loads; });
  EXPECT_EQ(loads, 3);
  remember(*db, "key", 42);
  EXPECT_EQ(db->memo().find<int>("key"), nullptr) << "nothing is kept while a call may write";
}

}  // namespace
}  // namespace qx::sim
