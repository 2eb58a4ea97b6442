#include "sim/engine/disk_records.h"

#include <string>

#include "sim/engine/activities.h"
#include "sim/engine/block_records.h"
#include "sim/engine/disk_page.h"
#include "sim/store/read_memo.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

std::string disk_key(int adapter, int64_t id) {
  return memo_key("disk", adapter, id);
}
std::string disk_activity_key(int adapter, uint16_t pd) {
  return memo_key("pd_bga", adapter, pd);
}

}  // namespace

std::vector<Disk> present_disks(const Session& s, int64_t start, int64_t limit) {
  std::vector<Disk> disks =
      select_rows(s.db(), disk_model(), s.adapter_id(), "present = 1 AND id >= ?1", {json(start)}, "id", limit);
  keep_disk_page(s, disks);
  return disks;
}

std::optional<Disk> present_disk(const Session& s, int64_t id) {
  if (const DiskPage* page = kept_disk_page(s))
    if (std::optional<size_t> at = page->position(id)) return page->disks[*at];
  Db& db = s.db();
  const int adapter = s.adapter_id();
  return memoized<std::optional<Disk>>(db, disk_key(adapter, id), [&]() -> std::optional<Disk> {
    std::vector<Disk> rows = present_disks_between(s, id, id);
    if (rows.empty()) return std::nullopt;
    return rows.front();
  });
}

std::vector<Disk> present_disks_between(const Session& s, int64_t first, int64_t last) {
  return select_rows(s.db(), disk_model(), s.adapter_id(), "present = 1 AND id BETWEEN ?1 AND ?2",
                     {json(first), json(last)});
}

std::set<uint16_t> disks_under_patrol(const Session& s) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  return memoized<std::set<uint16_t>>(db, memo_key("patrolled_disks", adapter), [&] {
    Stmt stmt = db.prepare("SELECT pd FROM activities WHERE adapter = ?1 AND kind = 'media_patrol' AND state = 'running'");
    stmt.bind(1, int64_t{adapter});
    std::set<uint16_t> pds;
    while (stmt.step()) pds.insert(static_cast<uint16_t>(stmt.column_int(0)));
    return pds;
  });
}

std::optional<Activity> disk_activity(const Session& s, uint16_t pd) {
  if (const DiskPage* page = kept_disk_page(s))
    if (std::optional<size_t> at = page->position(pd)) return page->activities[*at];
  Db& db = s.db();
  const int adapter = s.adapter_id();
  return memoized<std::optional<Activity>>(db, disk_activity_key(adapter, pd),
                                           [&] { return pd_activity(s, pd); });
}

QX_PD_INFO pd_info_record(const Disk& disk, uint8_t adapter_id, PdForm form,
                          const std::array<uint8_t, 8>& parent_address) {
  QX_PD_INFO r = to_record(disk, adapter_id, parent_address);
  if (form == PdForm::kPlain) {
    r.link_bits = 0;
    r.device_type = 0;
  }
  return r;
}

QX_PD_CONFIG pd_config_record(const Disk& disk) {
  QX_PD_CONFIG r{};
  r.write_cache = disk.write_cache ? 1 : 0;
  r.smart = disk.smart ? 1 : 0;
  r.link_speed = disk.link_speed;
  r.pd_id = disk.id;
  return r;
}

uint64_t usable_kb(const Disk& disk, uint64_t reserved_kb, const std::vector<Block>& blocks_on_disk) {
  if (disk.offline || !is_data_disk(disk)) return 0;
  uint64_t used = reserved_kb;
  for (const Block& b : blocks_on_disk) used += b.size_kb;
  return disk.size_kb > used ? disk.size_kb - used : 0;
}

QX_FREE_SPACE free_space_record(const Disk& disk, uint64_t usable) {
  QX_FREE_SPACE r{};
  r.pd_id = disk.id;
  r.block_size = static_cast<uint16_t>(disk.sector_size);
  r.usable_kb = usable;
  return r;
}

QX_PD_BGA_STATUS pd_bga_status_record(uint16_t pd, const std::optional<Activity>& activity, int64_t now_ms) {
  QX_PD_BGA_STATUS r{};
  r.pd_id = pd;
  if (activity && is_disk_activity(activity->kind)) {
    r.percent = static_cast<uint16_t>(progress_at(*activity, now_ms) / 100);
    r.activity = reported_bga_type(*activity);
    r.state = reported_bga_state(*activity);
  }
  return r;
}

bool disk_carries_os(const Session& s, const Disk& disk) {
  if (disk.has_os) return true;
  const std::vector<Block> blocks = blocks_on_disk(s, disk.id);
  if (blocks.empty()) return false;
  const std::set<uint16_t> os_vds = vds_with_os(s);
  for (const Block& b : blocks)
    if (b.vd != kNoId && os_vds.count(b.vd) != 0) return true;
  return false;
}

std::set<uint16_t> vds_with_os(const Session& s) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  return memoized<std::set<uint16_t>>(db, memo_key("os_vds", adapter), [&] {
    std::set<uint16_t> ids;
    for (const Vd& v : select_fields(db, vd_model(), adapter, {"id"}, "has_os <> 0")) ids.insert(v.id);
    return ids;
  });
}

}  // namespace qx::sim
