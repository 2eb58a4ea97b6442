#include "sim/engine/paging.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

namespace qx::sim {
namespace {

struct Item {
  int64_t id;
};
struct Rec {
  uint32_t id;
  uint32_t marker;
};

// A list over fixed ids; counts how many page queries were made.
struct Fixture {
  std::vector<int64_t> ids;
  int pages = 0;
  ListSource<Item, Rec> source() {
    ListSource<Item, Rec> s;
    s.missing_status = 55;
    s.page = [this](int64_t start, int64_t limit) {
      ++pages;
      std::vector<Item> out;
      for (int64_t id : ids)
        if (id >= start && static_cast<int64_t>(out.size()) < limit) out.push_back({id});
      return out;
    };
    s.one = [this](int64_t id) -> std::optional<Item> {
      if (std::find(ids.begin(), ids.end(), id) == ids.end()) return std::nullopt;
      return Item{id};
    };
    s.id_of = [](const Item& i) { return i.id; };
    s.record = [](const Item& i) { return Rec{static_cast<uint32_t>(i.id), 0xABCD}; };
    return s;
  }
};

// A query buffer with room for `room` records and a guard record behind them.
struct Buffer {
  explicit Buffer(uint8_t type, uint16_t start, uint16_t requested, size_t room)
      : bytes(16 + (room + 1) * sizeof(Rec), 0xEE) {
    QX_QUERY_HEADER h{};
    h.query_type = type;
    h.start_id = start;
    h.requested = requested;
    std::memcpy(bytes.data(), &h, sizeof h);
  }
  QX_QUERY_HEADER* header() { return reinterpret_cast<QX_QUERY_HEADER*>(bytes.data()); }
  Rec record(size_t i) const {
    Rec r;
    std::memcpy(&r, bytes.data() + 16 + i * sizeof(Rec), sizeof r);
    return r;
  }
  bool guard_intact(size_t room) const {
    for (size_t i = 16 + room * sizeof(Rec); i < bytes.size(); ++i)
      if (bytes[i] != 0xEE) return false;
    return true;
  }
  std::vector<uint8_t> bytes;
};

TEST(Paging, ListsPageByPageFromTheReturnedNextId) {
  Fixture f{{0, 1, 2, 5, 7, 9, 12}};
  std::vector<uint32_t> seen;
  uint16_t start = 0;
  int calls = 0;
  do {
    Buffer b(QX_QUERY_LIST, start, 3, 3);
    ASSERT_EQ(serve_list(b.header(), 0, f.source()), kOk);
    ASSERT_LE(b.header()->returned, 3);
    ASSERT_TRUE(b.guard_intact(3));
    for (size_t i = 0; i < b.header()->returned; ++i) seen.push_back(b.record(i).id);
    start = b.header()->next_id;
    ++calls;
  } while (start != QX_NO_NEXT_ID && calls < 10);
  EXPECT_EQ(seen, (std::vector<uint32_t>{0, 1, 2, 5, 7, 9, 12}));
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(f.pages, 3) << "one query per page";
}

TEST(Paging, StartBetweenIdsAndExactFitEndTheList) {
  Fixture f{{2, 4, 6}};
  Buffer b(QX_QUERY_LIST, 3, 2, 2);
  ASSERT_EQ(serve_list(b.header(), 0, f.source()), kOk);
  EXPECT_EQ(b.header()->returned, 2);
  EXPECT_EQ(b.record(0).id, 4u);
  EXPECT_EQ(b.record(1).id, 6u);
  EXPECT_EQ(b.header()->next_id, QX_NO_NEXT_ID);

  Buffer empty(QX_QUERY_LIST, 7, 5, 5);
  ASSERT_EQ(serve_list(empty.header(), 0, f.source()), kOk);
  EXPECT_EQ(empty.header()->returned, 0);
  EXPECT_EQ(empty.header()->next_id, QX_NO_NEXT_ID);
}

TEST(Paging, OneObjectByIdOrTheMissingStatus) {
  Fixture f{{3, 8}};
  Buffer b(QX_QUERY_ONE, 8, 1, 1);
  ASSERT_EQ(serve_list(b.header(), 0, f.source()), kOk);
  EXPECT_EQ(b.header()->returned, 1);
  EXPECT_EQ(b.record(0).id, 8u);
  EXPECT_EQ(b.header()->next_id, QX_NO_NEXT_ID);

  Buffer missing(QX_QUERY_ONE, 4, 1, 1);
  EXPECT_EQ(serve_list(missing.header(), 0, f.source()), 55);
}

TEST(Paging, RefusesBadQueries) {
  Fixture f{{0, 1}};
  Buffer bad_type(7, 0, 1, 1);
  EXPECT_EQ(serve_list(bad_type.header(), 0, f.source()), kInvalidRequest);
  Buffer no_room(QX_QUERY_LIST, 0, 0, 0);
  EXPECT_EQ(serve_list(no_room.header(), 0, f.source()), kInvalidParameter);
  EXPECT_EQ((serve_list<Item, Rec>(nullptr, 0, f.source())), kInvalidParameter);
}

TEST(Paging, HonoursTheAdaptersBufferSize) {
  // 1 KB holds (1024 - 16) / 8 = 126 records.
  EXPECT_EQ(records_per_buffer(1, sizeof(Rec)), 126);
  Fixture f{{0}};
  Buffer fits(QX_QUERY_LIST, 0, 126, 126);
  EXPECT_EQ(serve_list(fits.header(), 1, f.source()), kOk);
  Buffer too_big(QX_QUERY_LIST, 0, 127, 127);
  EXPECT_EQ(serve_list(too_big.header(), 1, f.source()), kBufferTooBig);
}

}  // namespace
}  // namespace qx::sim
