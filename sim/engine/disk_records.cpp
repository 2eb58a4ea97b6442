#include "sim/engine/disk_records.h"

#include "sim/engine/activities.h"
#include "sim/store/table.h"

namespace qx::sim {

std::vector<Disk> present_disks(Db& db, int adapter, int64_t start, int64_t limit) {
  return select_rows(db, disk_model(), adapter, "present = 1 AND id >= ?1", {json(start)}, "id", limit);
}

std::optional<Disk> present_disk(Db& db, int adapter, int64_t id) {
  std::vector<Disk> rows = select_rows(db, disk_model(), adapter, "present = 1 AND id = ?1", {json(id)});
  if (rows.empty()) return std::nullopt;
  return rows.front();
}

QX_PD_INFO pd_info_record(const Disk& disk, uint8_t adapter_id, PdForm form) {
  QX_PD_INFO r = to_record(disk, adapter_id);
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
    r.activity = bga_type(activity->kind);
    r.state = bga_state(activity->state);
  }
  return r;
}

bool disk_carries_os(Db& db, int adapter, const Disk& disk) {
  if (disk.has_os) return true;
  Stmt stmt = db.prepare(
      "SELECT EXISTS (SELECT 1 FROM blocks JOIN vds ON vds.adapter = blocks.adapter AND vds.id = blocks.vd "
      "WHERE blocks.adapter = ?1 AND blocks.pd = ?2 AND vds.has_os <> 0)");
  stmt.bind(1, int64_t{adapter}).bind(2, int64_t{disk.id});
  stmt.step();
  return stmt.column_int(0) != 0;
}

}  // namespace qx::sim
