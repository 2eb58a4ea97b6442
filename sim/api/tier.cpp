// Hybrid-tier tables: QX_TwinTier_AddFSEntries, GetEntriesTableInfo,
// RemoveEntriesTable, AddSegment, GetSegment, RemoveSegments
// (sim/engine/tier_tables.h).
#include <cstring>
#include <vector>

#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/tier_tables.h"

using qx::sim::Call;
using qx::sim::Session;

namespace {

unsigned char* records_after(QX_QUERY_HEADER* query) {
  return reinterpret_cast<unsigned char*>(query) + sizeof(QX_QUERY_HEADER);
}

}  // namespace

extern "C" {

QX_API_EXPORT uint8_t QX_TwinTier_AddFSEntries(uint8_t adapter, uint16_t vd_id, QX_QUERY_HEADER* query,
                                               uint8_t mode) {
  return qx::sim::api_call(Call::QX_TwinTier_AddFSEntries, adapter, [&](Session& s) -> uint8_t {
    if (query == nullptr || mode != QX_TIER_ADD_ENTRIES) return qx::kInvalidParameter;
    std::vector<QX_TIER_FS_ENTRY> entries(query->requested);
    if (!entries.empty()) std::memcpy(entries.data(), records_after(query), entries.size() * sizeof entries[0]);
    return qx::sim::add_tier_entries(s, vd_id, entries);
  });
}

QX_API_EXPORT uint8_t QX_TwinTier_GetEntriesTableInfo(uint8_t adapter, uint16_t vd_id, QX_TIER_TABLE_INFO* info) {
  return qx::sim::api_call(Call::QX_TwinTier_GetEntriesTableInfo, adapter, [&](Session& s) -> uint8_t {
    if (info == nullptr) return qx::kInvalidParameter;
    return qx::sim::tier_table_info(s, vd_id, *info);
  });
}

QX_API_EXPORT uint8_t QX_TwinTier_RemoveEntriesTable(uint8_t adapter, uint16_t vd_id, uint32_t sector_size) {
  return qx::sim::api_call(Call::QX_TwinTier_RemoveEntriesTable, adapter,
                           [&](Session& s) { return qx::sim::remove_tier_entries(s, vd_id, sector_size); });
}

QX_API_EXPORT uint8_t QX_TwinTier_AddSegment(uint8_t adapter, const QX_TIER_SEGMENT* segment) {
  return qx::sim::api_call(Call::QX_TwinTier_AddSegment, adapter, [&](Session& s) -> uint8_t {
    if (segment == nullptr) return qx::kInvalidParameter;
    return qx::sim::add_ssd_segment(s, *segment);
  });
}

QX_API_EXPORT uint8_t QX_TwinTier_GetSegment(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call(Call::QX_TwinTier_GetSegment, adapter, [&](Session& s) -> uint8_t {
    if (query == nullptr) return qx::kInvalidParameter;
    std::vector<qx::sim::SsdSegment> segments;
    if (uint8_t status = qx::sim::list_ssd_segments(s, segments); status != qx::kOk) return status;
    // Whatever the start id: the list is the adapter's, as far as the room goes.
    const size_t room = query->requested;
    const size_t filled = segments.size() < room ? segments.size() : room;
    for (size_t i = 0; i < filled; ++i) {
      QX_TIER_SEGMENT_ENTRY entry{};
      entry.segment_number = segments[i].number;
      entry.start = segments[i].start;
      entry.length = segments[i].length;
      std::memcpy(records_after(query) + i * sizeof entry, &entry, sizeof entry);
    }
    query->returned = static_cast<uint16_t>(filled);
    query->next_id = static_cast<uint16_t>(filled < segments.size() ? segments[filled].number : QX_NO_NEXT_ID);
    return qx::kOk;
  });
}

QX_API_EXPORT uint8_t QX_TwinTier_RemoveSegments(uint8_t adapter, uint16_t vd_id) {
  return qx::sim::api_call(Call::QX_TwinTier_RemoveSegments, adapter,
                           [&](Session& s) { return qx::sim::remove_ssd_segments(s, vd_id); });
}

}  // extern "C"
