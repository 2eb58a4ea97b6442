#include "sim/store/read_memo.h"

#include <gtest/gtest.h>

#include "sim/engine/call.h"
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

// The version is read outside a transaction without asking SQLite while
// nothing was committed; every commit, another connection's or its own,
// still moves it at the very next look.
TEST(ReadMemo, TheVersionMovesAtEveryCommitAndOnlyThen) {
  testing::TempState state("empty");
  std::unique_ptr<Db> reader = state.open();
  std::unique_ptr<Db> writer = state.open();
  uint64_t version = reader->state_version();
  for (int i = 1; i <= 4; ++i) {
    for (int look = 0; look < 3; ++look) EXPECT_EQ(reader->state_version(), version) << "nothing committed";
    write_probe(i % 2 == 0 ? *reader : *writer, i);
    const uint64_t moved = reader->state_version();
    EXPECT_NE(moved, version) << "after commit " << i;
    version = moved;
  }
}

// A read-only call takes one value from the memo, then another process
// commits, then the call reads a value the memo does not hold. Answering with
// both would mix two states; the call must start again and answer from the
// new state alone.
TEST(ReadMemo, ACallNeverMixesRememberedValuesWithANewerState) {
  testing::TempState state("empty");
  std::unique_ptr<Db> reader = state.open();
  std::unique_ptr<Db> writer = state.open();
  auto probe = [&](const std::string& key) {
    return memoized<int64_t>(*reader, key, [&] { return meta_int(*reader, "memo_probe", 0); });
  };
  ASSERT_EQ(run_call(*reader, "probe", -1, Access::kRead, [&](Session&) -> uint8_t { return probe("first") == 0 ? 0 : 1; }), 0);

  bool commit_midway = true;
  std::pair<int64_t, int64_t> answer;
  ASSERT_EQ(run_call(*reader, "probe", -1, Access::kRead, [&](Session&) -> uint8_t {
              const int64_t first = probe("first");
              if (commit_midway) {
                write_probe(*writer, 1);
                commit_midway = false;  // once: the call may start again after it
              }
              answer = {first, probe("second")};
              return 0;
            }),
            0);
  EXPECT_EQ(answer, std::make_pair(int64_t{1}, int64_t{1})) << "the answer comes from one state";
}

// A deferred read transaction that finds another version than the one its
// call started from says so at its first statement.
TEST(ReadMemo, ADeferredReadFindsACommitMadeBeforeItOpened) {
  testing::TempState state("empty");
  std::unique_ptr<Db> reader = state.open();
  std::unique_ptr<Db> writer = state.open();
  const uint64_t version = reader->state_version();
  {
    Transaction unchanged(*reader, version);
    EXPECT_EQ(meta_int(*reader, "memo_probe", 0), 0);
  }
  Transaction txn(*reader, reader->state_version());
  write_probe(*writer, 3);
  EXPECT_THROW(meta_int(*reader, "memo_probe", 0), StateMoved);
}

}  // namespace
}  // namespace qx::sim
