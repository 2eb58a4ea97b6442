// Get and list calls of the RAID API library: a query header followed by
// room for the records. One place pages through a list of any record kind,
// so that the commands do not repeat the loop:
//
//   ListBuffer<QX_VD_INFO> buffer;
//   if (!buffer.allocate(ListBuffer<QX_VD_INFO>::page_size(max_buffer_kb))) ...
//   status = page_through(buffer, id, [](QX_QUERY_HEADER* q) { return QX_LD_GetInfo(adapter, q); },
//                         [&](const ListBuffer<QX_VD_INFO>& page, bool first) { ...; return kNextPage; });
//
// and a single object is read with query_one().
#ifndef QX_SHELL_LIST_QUERY_H
#define QX_SHELL_LIST_QUERY_H

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>

#include "api/records.h"
#include "api/status.h"

namespace qx::shell {

// Records of a kind per page when the adapter gives no buffer size. A kind
// that is listed names its own; the general template has none.
template <class Record>
inline constexpr uint16_t kDefaultPageSize = 0;
template <>
inline constexpr uint16_t kDefaultPageSize<QX_VD_INFO> = 32;
template <>
inline constexpr uint16_t kDefaultPageSize<QX_PD_INFO> = 128;
template <>
inline constexpr uint16_t kDefaultPageSize<QX_BLOCK_INFO> = 512;
template <>
inline constexpr uint16_t kDefaultPageSize<QX_PD_CONFIG> = 128;
template <>
inline constexpr uint16_t kDefaultPageSize<QX_VD_CONFIG> = 32;
template <>
inline constexpr uint16_t kDefaultPageSize<QX_ARRAY_CONFIG> = 64;
template <>
inline constexpr uint16_t kDefaultPageSize<QX_ARRAY_INFO> = 64;
template <>
inline constexpr uint16_t kDefaultPageSize<QX_ENCLOSURE_INFO> = 32;
template <>
inline constexpr uint16_t kDefaultPageSize<QX_EXPANDER_INFO> = 16;
template <>
inline constexpr uint16_t kDefaultPageSize<QX_PM_INFO> = 16;

template <class Record>
class ListBuffer {
 public:
  // Records per page for an adapter whose query buffer holds `max_buffer_kb`
  // KB: as many as fit behind the header (at most 65535), or the kind's
  // default when the adapter gives no size.
  static uint16_t page_size(uint16_t max_buffer_kb) {
    static_assert(kDefaultPageSize<Record> != 0, "this record kind has no default page size");
    if (max_buffer_kb == 0) return kDefaultPageSize<Record>;
    const size_t count = (size_t{max_buffer_kb} * 1024 - sizeof(QX_QUERY_HEADER)) / sizeof(Record);
    return static_cast<uint16_t>(count > 0xFFFF ? 0xFFFF : count);
  }

  // Bytes of a buffer with room for `count` records.
  static size_t bytes_for(uint16_t count) { return sizeof(QX_QUERY_HEADER) + size_t{count} * sizeof(Record); }

  // Makes room for `count` records; false when the memory is not there.
  bool allocate(uint16_t count) {
    // calloc hands out memory known to be zero without clearing it again.
    bytes_.reset(static_cast<unsigned char*>(std::calloc(1, bytes_for(count))));
    capacity_ = bytes_ ? count : 0;
    cleared_ = true;
    return bytes_ != nullptr;
  }

  QX_QUERY_HEADER* header() { return reinterpret_cast<QX_QUERY_HEADER*>(bytes_.get()); }
  const QX_QUERY_HEADER* header() const { return reinterpret_cast<const QX_QUERY_HEADER*>(bytes_.get()); }
  uint16_t capacity() const { return capacity_; }

  // Records the last answer holds: the returned count, never more than were
  // asked for. A library that claims more is not believed: it was asked for
  // no more, and records past the buffer's room do not exist.
  uint16_t returned() const { return header()->returned < requested_ ? header()->returned : requested_; }

  // A copy of record `i` (below returned()).
  Record record(size_t i) const {
    Record r;
    std::memcpy(&r, bytes_.get() + sizeof(QX_QUERY_HEADER) + i * sizeof(Record), sizeof r);
    return r;
  }

  // Sets the header for a list page from `start_id` (all the room), or for the
  // one object `id`, and clears the records.
  void ask_list(uint16_t start_id) { ask(QX_QUERY_LIST, start_id, capacity_); }
  void ask_one(uint16_t id) { ask(QX_QUERY_ONE, id, 1); }

 private:
  void ask(uint8_t type, uint16_t id, uint16_t count) {
    if (!cleared_) std::memset(bytes_.get() + sizeof(QX_QUERY_HEADER), 0, size_t{capacity_} * sizeof(Record));
    cleared_ = false;  // the library may write anywhere in the records
    QX_QUERY_HEADER* h = header();
    h->query_type = type;
    h->start_id = id;
    h->requested = count;
    requested_ = count;
    h->returned = 0;
    h->next_id = QX_NO_NEXT_ID;
  }

  struct Free {
    void operator()(unsigned char* p) const { std::free(p); }
  };
  std::unique_ptr<unsigned char, Free> bytes_;
  uint16_t capacity_ = 0;
  bool cleared_ = false;  // the records are all zero: nothing was asked since allocate()
  uint16_t requested_ = 0;  // by the last ask; the header's copy is the library's to overwrite
};

// What a page handler tells page_through(): go on with the next page, or
// stop the listing with a status.
struct PageOutcome {
  bool stop = false;
  uint8_t status = kOk;
};
inline constexpr PageOutcome kNextPage{};
inline PageOutcome stop_listing(uint8_t status) { return {true, status}; }

// Reads a list page by page into `buffer`: the one object `one_id` when
// given (query type 2), else every object from id 0 on (query type 1),
// repeating from the returned next id until there is none. `fetch` makes the
// library call for the header it is given; `on_page` handles each answer
// (`first` on the first page). Returns the first failing status of `fetch`,
// the status `on_page` stops with, or 0. A list that does not move forward
// (a next id not above the page's start) ends, so a misbehaving library
// cannot keep the command running forever.
template <class Record>
uint8_t page_through(ListBuffer<Record>& buffer, std::optional<uint16_t> one_id,
                     const std::function<uint8_t(QX_QUERY_HEADER*)>& fetch,
                     const std::function<PageOutcome(const ListBuffer<Record>&, bool first)>& on_page) {
  uint16_t start = 0;
  for (bool first = true;; first = false) {
    if (one_id) {
      buffer.ask_one(*one_id);
    } else {
      buffer.ask_list(start);
    }
    const uint8_t status = fetch(buffer.header());
    if (status != kOk) return status;
    const PageOutcome outcome = on_page(buffer, first);
    if (outcome.stop) return outcome.status;
    const uint16_t next = buffer.header()->next_id;
    if (one_id || next == QX_NO_NEXT_ID || next <= start) return kOk;
    start = next;
  }
}

// A get call for one object: the header and room for its record.
template <class Record>
struct OneQuery {
  QX_QUERY_HEADER header;
  Record record;
};

// Reads the one object `id` with `call` (a library function taking the
// adapter and the header) into `out`. A call that answers success without
// a record counts as failed (status 1).
template <class Record, class Call>
uint8_t query_one(Call call, uint8_t adapter, uint16_t id, Record& out) {
  static_assert(offsetof(OneQuery<Record>, record) == sizeof(QX_QUERY_HEADER));
  OneQuery<Record> query{};
  query.header.query_type = QX_QUERY_ONE;
  query.header.start_id = id;
  query.header.requested = 1;
  query.header.next_id = QX_NO_NEXT_ID;
  const uint8_t status = call(adapter, &query.header);
  if (status != kOk) return status;
  if (query.header.returned != 1) return kFailed;
  out = query.record;
  return kOk;
}

}  // namespace qx::shell

#endif  // QX_SHELL_LIST_QUERY_H
