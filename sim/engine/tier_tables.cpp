#include "sim/engine/tier_tables.h"

#include <algorithm>
#include <optional>
#include <string>

#include "api/raid_levels.h"
#include "api/status.h"
#include "sim/model/vd.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

inline constexpr uint64_t kSegmentSectorBytes = 512;

// The tier VD's size in bytes, or the status that refuses the VD.
uint8_t tier_vd_bytes(const Session& s, uint16_t vd, uint64_t& bytes) {
  const std::optional<Vd> row = select_by_id(s.db(), vd_model(), s.adapter_id(), vd);
  if (!row || row->target_of != kNoId) return kVdMissing;
  if (!is_tier_level(row->raid_level)) return kInvalidRequest;
  bytes = row->size_kb * 1024;
  return kOk;
}

bool overlaps(uint64_t start_a, uint64_t length_a, uint64_t start_b, uint64_t length_b) {
  return start_a < start_b + length_b && start_b < start_a + length_a;
}

// Whether [start, start + length) lies in a space of `size` (no wrap-around).
bool fits(uint64_t start, uint64_t length, uint64_t size) { return start <= size && length <= size - start; }

// Removes the rows of one VD from the table `table` (tier_entries, ssd_segments).
void clear_vd_rows(const Session& s, const char* table, uint16_t vd) {
  Stmt clear = s.db().prepare(std::string("DELETE FROM ") + table + " WHERE adapter = ?1 AND vd = ?2");
  clear.bind(1, int64_t{s.adapter_id()}).bind(2, int64_t{vd});
  clear.run();
}

uint8_t segments_supported(const Session& s) {
  return (s.adapter().adv_features & QX_ADV_REMAP) != 0 ? kOk : kNotSupported;
}

}  // namespace

uint8_t add_tier_entries(const Session& s, uint16_t vd, std::span<const QX_TIER_FS_ENTRY> entries) {
  uint64_t vd_bytes = 0;
  if (uint8_t status = tier_vd_bytes(s, vd, vd_bytes); status != kOk) return status;
  if (entries.empty()) return kInvalidParameter;
  std::vector<TierEntry> table = select_rows(s.db(), tier_entry_model(), s.adapter_id(), "vd = ?1", {json(vd)});
  const size_t kept = table.size();
  for (const QX_TIER_FS_ENTRY& e : entries) {
    if (e.length == 0) return kInvalidParameter;
    if (!fits(e.start, e.length, vd_bytes)) return kOutOfRange;
    for (const TierEntry& t : table)
      if (overlaps(e.start, e.length, t.start, t.length)) return kInvalidParameter;
    table.push_back({vd, e.start, e.length});
  }
  if (table.size() > static_cast<size_t>(s.adapter().tier_table_entries)) return kNoResource;
  for (size_t i = kept; i < table.size(); ++i) insert_row(s.db(), tier_entry_model(), s.adapter_id(), table[i]);
  return kOk;
}

uint8_t tier_table_info(const Session& s, uint16_t vd, QX_TIER_TABLE_INFO& info) {
  uint64_t vd_bytes = 0;
  if (uint8_t status = tier_vd_bytes(s, vd, vd_bytes); status != kOk) return status;
  Stmt count = s.db().prepare("SELECT COUNT(*) FROM tier_entries WHERE adapter = ?1 AND vd = ?2");
  count.bind(1, int64_t{s.adapter_id()}).bind(2, int64_t{vd});
  count.step();
  const int64_t used = count.column_int(0);
  info.total_entries = s.adapter().tier_table_entries;
  info.free_entries = static_cast<uint16_t>(std::max<int64_t>(0, info.total_entries - used));
  return kOk;
}

uint8_t remove_tier_entries(const Session& s, uint16_t vd, uint32_t sector_size) {
  uint64_t vd_bytes = 0;
  if (uint8_t status = tier_vd_bytes(s, vd, vd_bytes); status != kOk) return status;
  if (sector_size != 512 && sector_size != 1024) return kInvalidParameter;
  clear_vd_rows(s, "tier_entries", vd);
  return kOk;
}

uint8_t add_ssd_segment(const Session& s, const QX_TIER_SEGMENT& segment) {
  if (uint8_t status = segments_supported(s); status != kOk) return status;
  if (segment.vd_id >= kNoId) return kVdMissing;
  const uint16_t vd = static_cast<uint16_t>(segment.vd_id);
  uint64_t vd_bytes = 0;
  if (uint8_t status = tier_vd_bytes(s, vd, vd_bytes); status != kOk) return status;
  if (segment.length == 0) return kInvalidParameter;
  if (!fits(segment.start, segment.length, vd_bytes / kSegmentSectorBytes)) return kOutOfRange;
  std::vector<SsdSegment> all = select_rows(s.db(), ssd_segment_model(), s.adapter_id());
  for (const SsdSegment& other : all)
    if (other.vd == vd && overlaps(segment.start, segment.length, other.start, other.length)) return kInvalidParameter;
  if (all.size() >= static_cast<size_t>(s.adapter().max_ssd_segments)) return kNoResource;
  uint8_t number = 0;  // rows come by number: the first gap
  for (const SsdSegment& other : all) {
    if (other.number != number) break;
    ++number;
  }
  insert_row(s.db(), ssd_segment_model(), s.adapter_id(), SsdSegment{number, vd, segment.start, segment.length});
  return kOk;
}

uint8_t list_ssd_segments(const Session& s, std::vector<SsdSegment>& out) {
  if (uint8_t status = segments_supported(s); status != kOk) return status;
  out = select_rows(s.db(), ssd_segment_model(), s.adapter_id());
  return kOk;
}

uint8_t remove_ssd_segments(const Session& s, uint16_t vd) {
  if (uint8_t status = segments_supported(s); status != kOk) return status;
  uint64_t vd_bytes = 0;
  if (uint8_t status = tier_vd_bytes(s, vd, vd_bytes); status != kOk) return status;
  clear_vd_rows(s, "ssd_segments", vd);
  return kOk;
}

void forget_tier_tables(const Session& s, uint16_t vd) {
  clear_vd_rows(s, "tier_entries", vd);
  clear_vd_rows(s, "ssd_segments", vd);
}

}  // namespace qx::sim
