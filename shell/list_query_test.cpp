#include "shell/list_query.h"

#include <vector>

#include <gtest/gtest.h>

namespace qx::shell {
namespace {

struct Rec {
  uint32_t id;
  uint32_t pad;
};

}  // namespace

template <>
inline constexpr uint16_t kDefaultPageSize<Rec> = 1;

namespace {

TEST(ListQuery, PageSizeFollowsTheAdapterBuffer) {
  EXPECT_EQ(ListBuffer<QX_PD_INFO>::page_size(0), 128) << "no size: the per-kind default";
  EXPECT_EQ(ListBuffer<QX_VD_INFO>::page_size(0), 32);
  EXPECT_EQ(ListBuffer<QX_PD_INFO>::page_size(1), 4);      // (1024 - 16) / 248
  EXPECT_EQ(ListBuffer<QX_VD_INFO>::page_size(64), 210);   // (65536 - 16) / 312
  EXPECT_EQ(ListBuffer<Rec>::page_size(0xFFFF), 0xFFFF) << "never more than a header can ask for";
}

// A fake list of ids served in pages of the buffer's size.
struct FakeList {
  std::vector<uint32_t> ids;
  int calls = 0;
  uint16_t next_override = 0;  // when not 0, every answer names this next id
  uint16_t over_claim = 0;     // added to the returned count the answer claims
  uint8_t operator()(QX_QUERY_HEADER* q) {
    ++calls;
    auto* records = reinterpret_cast<Rec*>(reinterpret_cast<unsigned char*>(q) + sizeof *q);
    uint16_t n = 0;
    size_t i = 0;
    while (i < ids.size() && ids[i] < q->start_id) ++i;
    for (; i < ids.size() && n < q->requested; ++i) records[n++] = {ids[i], 0};
    q->returned = static_cast<uint16_t>(n + over_claim);
    q->next_id = next_override ? next_override : (i < ids.size() ? static_cast<uint16_t>(ids[i]) : QX_NO_NEXT_ID);
    return kOk;
  }
};

std::vector<uint32_t> collect(FakeList& list, uint16_t page, std::optional<uint16_t> one = std::nullopt) {
  ListBuffer<Rec> buffer;
  EXPECT_TRUE(buffer.allocate(page));
  std::vector<uint32_t> seen;
  page_through<Rec>(buffer, one, [&](QX_QUERY_HEADER* q) { return list(q); },
                    [&](const ListBuffer<Rec>& b, bool) {
                      for (uint16_t i = 0; i < b.returned(); ++i) seen.push_back(b.record(i).id);
                      return kNextPage;
                    });
  return seen;
}

TEST(ListQuery, ReadsEveryPageFromTheReturnedNextId) {
  FakeList list{{1, 2, 5, 8, 9, 30, 31}};
  EXPECT_EQ(collect(list, 3), (std::vector<uint32_t>{1, 2, 5, 8, 9, 30, 31}));
  EXPECT_EQ(list.calls, 3);
}

TEST(ListQuery, AListThatDoesNotMoveForwardEnds) {
  FakeList list{{1, 2, 5, 8}, 0, 1};
  EXPECT_EQ(collect(list, 2), (std::vector<uint32_t>{1, 2, 1, 2}));
  EXPECT_EQ(list.calls, 2) << "the second page names the same next id again";
}

TEST(ListQuery, OneObjectIsOnePage) {
  FakeList list{{4, 7}, 0, 7};
  EXPECT_EQ(collect(list, 5, uint16_t{4}), (std::vector<uint32_t>{4})) << "one record is asked for";
  EXPECT_EQ(list.calls, 1) << "a next id after a single object is not followed";
}

TEST(ListQuery, AnAnswerClaimingMoreRecordsThanAskedForIsCapped) {
  FakeList list{{1, 2, 5, 8, 9}, 0, 0, 2};
  EXPECT_EQ(collect(list, 2), (std::vector<uint32_t>{1, 2, 5, 8, 9, 0})) << "never past a page's room";
  FakeList one{{4, 7}, 0, 0, 3};
  EXPECT_EQ(collect(one, 5, uint16_t{4}), (std::vector<uint32_t>{4})) << "one asked for, one read, though room for five";
}

TEST(ListQuery, ASuccessWithoutARecordIsAFailure) {
  Rec out{99, 0};
  auto empty = [](uint8_t, QX_QUERY_HEADER* q) {
    q->returned = 0;
    return uint8_t{kOk};
  };
  EXPECT_EQ(query_one(empty, 0, 3, out), kFailed);
  EXPECT_EQ(out.id, 99u) << "the record is left alone";
  auto one = [](uint8_t, QX_QUERY_HEADER* q) {
    auto* r = reinterpret_cast<Rec*>(reinterpret_cast<unsigned char*>(q) + sizeof *q);
    r->id = q->start_id;
    q->returned = 1;
    return uint8_t{kOk};
  };
  EXPECT_EQ(query_one(one, 0, 3, out), kOk);
  EXPECT_EQ(out.id, 3u);
}

}  // namespace
}  // namespace qx::shell
