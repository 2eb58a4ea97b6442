// The one engine behind every list call: a query header followed by room for
// `requested` records. Query type 1 lists objects from a start id, type 2
// returns one object; the reply never holds more records than requested,
// and says where the next page starts (QX_NO_NEXT_ID when none).
#ifndef QX_SIM_ENGINE_PAGING_H
#define QX_SIM_ENGINE_PAGING_H

#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <vector>

#include "api/records.h"
#include "api/status.h"

namespace qx::sim {

// Where a list's rows come from. Rows are read a page at a time: one query
// per page, not one per record.
template <class Row, class Record>
struct ListSource {
  uint8_t missing_status = kInvalidRequest;  // status for a type-2 id that does not exist (0: an empty answer)
  std::function<std::vector<Row>(int64_t start, int64_t limit)> page;  // ids >= start, ascending
  std::function<std::optional<Row>(int64_t id)> one;
  std::function<int64_t(const Row&)> id_of;
  std::function<Record(const Row&)> record;
};

// Largest number of records a reply may hold for an adapter whose query
// buffer is `max_buffer_kb` KB (0: no limit of its own).
inline int64_t records_per_buffer(uint16_t max_buffer_kb, size_t record_size) {
  if (max_buffer_kb == 0) return 0xFFFF;
  int64_t bytes = int64_t{max_buffer_kb} * 1024 - static_cast<int64_t>(sizeof(QX_QUERY_HEADER));
  return bytes < 0 ? 0 : bytes / static_cast<int64_t>(record_size);
}

template <class Row, class Record>
uint8_t serve_list(QX_QUERY_HEADER* query, uint16_t max_buffer_kb, const ListSource<Row, Record>& source) {
  if (query == nullptr) return kInvalidParameter;
  uint8_t* records = reinterpret_cast<uint8_t*>(query) + sizeof(QX_QUERY_HEADER);
  auto put = [records](size_t index, const Record& r) { std::memcpy(records + index * sizeof r, &r, sizeof r); };
  int64_t requested = query->requested;
  if (requested == 0) return kInvalidParameter;
  if (requested > records_per_buffer(max_buffer_kb, sizeof(Record))) return kBufferTooBig;

  switch (query->query_type) {
    case QX_QUERY_ONE: {
      std::optional<Row> row = source.one(query->start_id);
      if (!row) {
        query->returned = 0;
        query->next_id = QX_NO_NEXT_ID;
        return source.missing_status;
      }
      put(0, source.record(*row));
      query->returned = 1;
      query->next_id = QX_NO_NEXT_ID;
      return kOk;
    }
    case QX_QUERY_LIST: {
      std::vector<Row> rows = source.page(query->start_id, requested + 1);
      size_t count = std::min(rows.size(), static_cast<size_t>(requested));
      for (size_t i = 0; i < count; ++i) put(i, source.record(rows[i]));
      query->returned = static_cast<uint16_t>(count);
      query->next_id = rows.size() > count ? static_cast<uint16_t>(source.id_of(rows[count])) : QX_NO_NEXT_ID;
      return kOk;
    }
    default: return kInvalidRequest;
  }
}

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_PAGING_H
