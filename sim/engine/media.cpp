#include "sim/engine/media.h"

#include <algorithm>

#include "sim/engine/events.h"
#include "sim/store/table.h"

namespace qx::sim {
namespace {

uint32_t high_half(uint64_t v) { return static_cast<uint32_t>(v >> 32); }
uint32_t low_half(uint64_t v) { return static_cast<uint32_t>(v); }

bool overlaps(const ErrorEntry& e, uint64_t lba, uint64_t count) {
  return e.lba < lba + count && lba < e.lba + e.sectors;
}

}  // namespace

uint64_t disk_sectors(const Disk& disk) {
  return disk.sector_size == 0 ? 0 : disk.size_kb * 1024 / disk.sector_size;
}

std::vector<ErrorEntry> error_table(const Session& s, uint16_t pd) {
  return select_rows(s.db(), error_entry_model(), s.adapter_id(), "pd = ?1", {json(pd)}, "lba");
}

std::vector<QX_RCT_ENTRY> rct_records(const std::vector<ErrorEntry>& table, uint32_t count) {
  std::vector<QX_RCT_ENTRY> out;
  for (const ErrorEntry& e : table) {
    if (out.size() == count) break;
    QX_RCT_ENTRY r{};
    r.lba = e.lba;
    r.sectors = e.sectors;
    r.errors = e.kinds;
    out.push_back(r);
  }
  return out;
}

void record_error(const Session& s, uint16_t pd, uint64_t lba, uint32_t sectors, uint8_t kinds) {
  const std::vector<ErrorEntry> table = error_table(s, pd);
  for (const ErrorEntry& e : table)
    if (e.lba <= lba && lba + sectors <= e.lba + e.sectors && (e.kinds & kinds) == kinds) return;
  const size_t capacity = s.adapter().rct_capacity;
  if (table.size() >= capacity) return;
  // An entry at the same LBA takes the new range and kinds along.
  ErrorEntry entry{pd, lba, sectors, kinds};
  auto same = std::find_if(table.begin(), table.end(), [&](const ErrorEntry& e) { return e.lba == lba; });
  if (same != table.end()) {
    entry.sectors = std::max(sectors, same->sectors);
    entry.kinds = static_cast<uint8_t>(kinds | same->kinds);
    update_row(s.db(), error_entry_model(), s.adapter_id(), entry);
    return;
  }
  insert_row(s.db(), error_entry_model(), s.adapter_id(), entry);
  const size_t now = table.size() + 1;
  if (now == capacity)
    log_event(s, NewEvent(events::kPdBadBlockTableFull, pd));
  else if (now * 5 >= capacity * 4 && table.size() * 5 < capacity * 4)
    log_event(s, NewEvent(events::kPdBadBlockTableAlmostFull, pd));
}

std::optional<uint64_t> first_bad_sector(const Session& s, const Disk& disk, uint64_t lba, uint32_t count) {
  std::optional<uint64_t> first;
  auto consider = [&](uint64_t bad) {
    if (bad >= lba && bad < lba + count && (!first || bad < *first)) first = bad;
  };
  for (uint32_t mark : disk.ecc_marks) consider(mark);
  for (const ErrorEntry& e : error_table(s, disk.id))
    if ((e.kinds & QX_RCT_MEDIA_ERROR) != 0 && overlaps(e, lba, count)) consider(std::max(e.lba, lba));
  return first;
}

bool mark_ecc(const Session& s, Disk& disk, uint32_t lba) {
  if (std::find(disk.ecc_marks.begin(), disk.ecc_marks.end(), lba) != disk.ecc_marks.end()) return true;
  if (disk.ecc_marks.size() >= kMaxEccMarks) return false;
  disk.ecc_marks.push_back(lba);
  update_row(s.db(), disk_model(), s.adapter_id(), disk);
  return true;
}

void read_sectors(const Session& s, const Disk& disk, uint64_t lba, uint32_t count, std::span<uint8_t> out) {
  std::fill(out.begin(), out.end(), uint8_t{0});
  const std::vector<WrittenSector> written =
      select_rows(s.db(), written_sector_model(), s.adapter_id(), "pd = ?1 AND lba >= ?2 AND lba < ?3",
                  {json(disk.id), json(lba), json(lba + count)});
  for (const WrittenSector& w : written) {
    const size_t at = static_cast<size_t>(w.lba - lba) * disk.sector_size;
    std::copy_n(w.data.begin(), std::min<size_t>(w.data.size(), out.size() - at), out.begin() + static_cast<ptrdiff_t>(at));
  }
}

void write_sectors(const Session& s, Disk& disk, uint64_t lba, uint32_t count, std::span<const uint8_t> in) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  for (uint32_t i = 0; i < count; ++i) {
    WrittenSector w{disk.id, lba + i, {}};
    delete_row(db, written_sector_model(), adapter, w);
    auto begin = in.begin() + static_cast<ptrdiff_t>(size_t{i} * disk.sector_size);
    auto end = begin + disk.sector_size;
    // A sector of zeros reads as one never written: nothing to keep.
    if (std::all_of(begin, end, [](uint8_t b) { return b == 0; })) continue;
    w.data.assign(begin, end);
    insert_row(db, written_sector_model(), adapter, w);
  }
  for (const ErrorEntry& e : error_table(s, disk.id)) {
    if (!overlaps(e, lba, count)) continue;
    delete_row(db, error_entry_model(), adapter, e);
    NewEvent fixed(events::kPdBadSectorFixed, disk.id);
    fixed.params = {high_half(e.lba), low_half(e.lba), e.sectors, e.kinds};
    log_event(s, fixed);
  }
  const auto before = disk.ecc_marks.size();
  std::erase_if(disk.ecc_marks, [&](uint32_t m) { return m >= lba && m < lba + count; });
  if (disk.ecc_marks.size() != before) update_row(db, disk_model(), adapter, disk);
}

}  // namespace qx::sim
