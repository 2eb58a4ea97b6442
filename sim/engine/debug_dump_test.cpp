#include "sim/engine/debug_dump.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "api/status.h"
#include "sim/engine/events.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

using testing::TempState;

constexpr int64_t kNow = 1'800'000'000'000;

// The messages of one chunk, each without its NUL.
std::vector<std::string> split(const QX_DUMP_CHUNK& chunk) {
  std::vector<std::string> out;
  size_t from = 0;
  for (size_t i = 0; i < chunk.length; ++i) {
    if (chunk.data[i] != '\0') continue;
    out.emplace_back(chunk.data + from, i - from);
    from = i + 1;
  }
  EXPECT_EQ(from, chunk.length) << "a chunk ends with a whole message";
  return out;
}

// Overfilling the ring drops the oldest messages; reading hands out whole
// messages in order, each once, until none is left.
TEST(DebugDump, TheRingKeepsTheNewestAndReadingConsumesInOrder) {
  TempState state("default");
  std::unique_ptr<Db> db = state.open();
  ASSERT_EQ(set_dump(Session(*db, 0, kNow), QX_DUMP_ENABLE), kOk);
  const int kMessages = 1000;  // 100 bytes each: half again as much as the 64 KB ring
  {
    Transaction txn(*db, Transaction::Kind::kWrite);  // one commit for all, as in a call
    for (int i = 0; i < kMessages; ++i) {
      char text[101];
      std::snprintf(text, sizeof text, "message %05d %*s\n", i, 85, "");
      dump_message(Session(*db, 0, kNow), text);
    }
    txn.commit();
  }
  const QX_DUMP_STATUS status = dump_status(Session(*db, 0, kNow));
  EXPECT_EQ(status.buffer_size, 64 * 1024);
  EXPECT_LE(status.pending, 64u * 1024);
  EXPECT_GT(status.pending, 64u * 1024 - 101) << "the ring is filled up to its last message";

  QX_DUMP_CHUNK chunk{};
  EXPECT_EQ(take_dump_chunk(Session(*db, 0, kNow), chunk, 4096), kInvalidParameter);
  EXPECT_EQ(dump_status(Session(*db, 0, kNow)).pending, status.pending) << "a refused read takes nothing";

  int expected = kMessages - static_cast<int>(status.pending / 101);
  uint32_t read = 0;
  for (;;) {
    ASSERT_EQ(take_dump_chunk(Session(*db, 0, kNow), chunk, status.buffer_size), kOk);
    if (chunk.length == 0) break;
    EXPECT_LE(chunk.length, sizeof chunk.data);
    read += chunk.length;
    for (const std::string& m : split(chunk)) {
      ASSERT_EQ(m.size(), 100u);
      EXPECT_EQ(std::stoi(m.substr(8, 5)), expected++);
    }
  }
  EXPECT_EQ(expected, kMessages);
  EXPECT_EQ(read, status.pending);
  EXPECT_EQ(dump_status(Session(*db, 0, kNow)).pending, 0u);
}

// Nothing is added while the dump is off; on, an event adds its message;
// enabling again starts from an empty ring with its first message.
TEST(DebugDump, MessagesOnlyWhileStarted) {
  TempState state("default");
  std::unique_ptr<Db> db = state.open();
  log_event(Session(*db, 0, kNow), NewEvent(events::kAdapterBuzzerEnabled, 0));
  EXPECT_EQ(dump_status(Session(*db, 0, kNow)).pending, 0u);
  EXPECT_EQ(set_dump(Session(*db, 0, kNow), 2), kInvalidParameter);

  ASSERT_EQ(set_dump(Session(*db, 0, kNow), QX_DUMP_ENABLE), kOk);
  log_event(Session(*db, 0, kNow), NewEvent(events::kAdapterBuzzerEnabled, 0));
  QX_DUMP_CHUNK chunk{};
  ASSERT_EQ(take_dump_chunk(Session(*db, 0, kNow), chunk, 64 * 1024), kOk);
  const std::vector<std::string> messages = split(chunk);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_NE(messages[0].find("debug dump started"), std::string::npos);
  EXPECT_NE(messages[1].find("kAdapterBuzzerEnabled"), std::string::npos) << messages[1];

  dump_message(Session(*db, 0, kNow), "left over\n");
  ASSERT_EQ(set_dump(Session(*db, 0, kNow), QX_DUMP_DISABLE), kOk);
  log_event(Session(*db, 0, kNow), NewEvent(events::kAdapterBuzzerEnabled, 0));
  EXPECT_EQ(dump_status(Session(*db, 0, kNow)).pending, 11u) << "the one message from before, with its NUL";
  ASSERT_EQ(set_dump(Session(*db, 0, kNow), QX_DUMP_ENABLE), kOk);
  ASSERT_EQ(take_dump_chunk(Session(*db, 0, kNow), chunk, 64 * 1024), kOk);
  EXPECT_EQ(split(chunk).size(), 1u);
}

}  // namespace
}  // namespace qx::sim
