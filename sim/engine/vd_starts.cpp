#include "sim/engine/vd_starts.h"

#include "api/raid_levels.h"
#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/bga_control.h"
#include "sim/engine/disk_activities.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/events.h"
#include "sim/engine/vd_records.h"
#include "sim/model/disk.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

bool is_functional(uint8_t state) { return state == QX_VD_FUNCTIONAL || state == QX_VD_FUNCTIONAL_INITIALIZED; }

bool is_redundant(uint8_t raid_level) {
  const RaidLevel* level = find_raid_level(raid_level);
  return level != nullptr && level->redundant;
}

// The disks that hold the VD's blocks.
std::vector<uint16_t> member_disks(const Session& s, uint16_t vd) {
  std::vector<uint16_t> pds;
  for (const Block& b : select_rows(s.db(), block_model(), s.adapter_id(), "vd = ?1", {json(vd)}, "member"))
    pds.push_back(b.pd);
  return pds;
}

void stop_member_patrols(const Session& s, uint16_t vd) {
  for (uint16_t pd : member_disks(s, vd)) end_disk_activity(s, pd);
}

}  // namespace

uint8_t check_vd_start(const Session& s, uint16_t id, uint8_t feature_bit, Vd& vd) {
  std::optional<VdView> view = listed_vd(s, id);
  if (!view) return kVdMissing;
  if ((s.adapter().features & feature_bit) == 0) return kNotSupported;
  if (view->activity && is_active(*view->activity)) return kVdHasBga;
  vd = view->vd;
  return kOk;
}

void begin_vd_activity(const Session& s, const Vd& vd, ActivityKind kind, int64_t duration_s) {
  if (std::optional<Activity> ended = vd_activity(s, vd.id))
    delete_row(s.db(), activity_model(), s.adapter_id(), *ended);
  stop_member_patrols(s, vd.id);
  start_vd_activity(s, vd.id, kind, duration_s);
}

uint8_t start_init(const Session& s, uint16_t id, uint8_t mode) {
  Vd vd;
  if (uint8_t status = check_vd_start(s, id, QX_FEATURE_BACKGROUND_INIT, vd)) return status;
  if (mode != QX_INIT_FULL) return kInvalidParameter;
  if (!is_redundant(vd.raid_level)) return kNotSupported;
  if (!is_functional(vd.state)) return kVdStateWrong;
  if (vds_with_os(s).count(id) != 0) return kVdHasOs;
  // A full initialization writes over whatever the members held.
  for (uint16_t pd : member_disks(s, id)) {
    std::optional<Disk> disk = select_by_id(s.db(), disk_model(), s.adapter_id(), pd);
    if (!disk || !disk->has_file_system) continue;
    disk->has_file_system = false;
    update_row(s.db(), disk_model(), s.adapter_id(), *disk);
  }
  begin_vd_activity(s, vd, ActivityKind::kInitBackground, activity_duration_s(s.adapter(), vd.size_kb));
  return kOk;
}

uint8_t start_consistency_check(const Session& s, uint16_t id, uint8_t fix) {
  Vd vd;
  if (uint8_t status = check_vd_start(s, id, QX_FEATURE_SYNCHRONIZE, vd)) return status;
  if (fix != QX_CHECK_ONLY && fix != QX_CHECK_AND_FIX) return kInvalidParameter;
  if (!is_redundant(vd.raid_level)) return kNotSupported;
  if (!is_functional(vd.state)) return kVdStateWrong;
  const ActivityKind kind = fix == QX_CHECK_AND_FIX ? ActivityKind::kSynchronize : ActivityKind::kRedundancyCheck;
  begin_vd_activity(s, vd, kind, activity_duration_s(s.adapter(), vd.size_kb));
  return kOk;
}

}  // namespace qx::sim
