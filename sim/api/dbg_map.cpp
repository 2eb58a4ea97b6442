// QX_DBG_Map: translates a sector address between a PD and the VD whose data
// it holds, from the VD's layout (sim/engine/vd_geometry.h).
#include <optional>
#include <vector>

#include "api/qx_api.h"
#include "api/raid_levels.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/block_records.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/vd_geometry.h"
#include "sim/engine/vd_records.h"

using qx::sim::Call;
using qx::sim::Session;

namespace qx::sim {
namespace {

uint64_t join(uint32_t high, uint32_t low) { return (uint64_t{high} << 32) | low; }

// The layout of a listed VD with its member slots as they stand.
VdGeometry geometry_of(const Session& s, const VdView& view) {
  const RaidLevel& level = *find_raid_level(view.vd.raid_level);
  std::vector<MemberExtent> members(member_slots(view));
  for (const Block& b : view.blocks) {
    if (static_cast<size_t>(b.member) >= members.size()) continue;
    MemberExtent& m = members[b.member];
    m.present = true;
    m.start = b.start_kb * kSectorsPerKb;
    m.sectors = b.size_kb * kSectorsPerKb;
    if (level.ssds_whole) {
      const std::optional<Disk> disk = present_disk(s, b.pd);
      m.holds_data = !(disk && disk->ssd);
    }
  }
  return make_geometry(level, view.vd.stripe_kb, view.vd.parity_disks, view.vd.sub_vd_count, view.vd.size_kb,
                       std::move(members));
}

// The member slot the VD's block on `pd` fills; -1 when the disk holds no block of it.
int member_on(const VdView& view, uint16_t pd) {
  for (const Block& b : view.blocks)
    if (b.pd == pd) return b.member;
  return -1;
}

uint8_t map_vd_to_pd(const Session& s, QX_MAP_RECORD& r) {
  const std::optional<VdView> view = listed_vd(s, r.vd_id);
  if (!view || find_raid_level(view->vd.raid_level) == nullptr) return kVdMissing;
  if (!present_disk(s, r.pd_id)) return kPdMissing;
  const uint64_t vd_lba = join(r.vd_lba_high, r.vd_lba_low);
  if (vd_lba >= view->vd.size_kb * kSectorsPerKb) return kOutOfRange;
  const std::optional<uint64_t> pd_lba = vd_to_member(geometry_of(s, *view), vd_lba, member_on(*view, r.pd_id));
  r.pd_lba_low = pd_lba ? static_cast<uint32_t>(*pd_lba) : QX_MAP_NO_LBA;
  r.pd_lba_high = pd_lba ? static_cast<uint32_t>(*pd_lba >> 32) : QX_MAP_NO_LBA;
  r.parity = 0;
  return kOk;
}

uint8_t map_pd_to_vd(const Session& s, QX_MAP_RECORD& r) {
  const std::optional<Disk> disk = present_disk(s, r.pd_id);
  if (!disk) return kPdMissing;
  const uint64_t pd_lba = join(r.pd_lba_high, r.pd_lba_low);
  if (pd_lba >= disk->size_kb * kSectorsPerKb) return kOutOfRange;
  r.vd_id = QX_MAP_NO_VD;
  r.vd_lba_low = r.vd_lba_high = 0;
  r.parity = 0;
  for (const Block& b : blocks_on_disk(s, r.pd_id)) {
    const uint64_t start = b.start_kb * kSectorsPerKb;
    if (b.vd == kNoId || pd_lba < start || pd_lba - start >= b.size_kb * kSectorsPerKb) continue;
    const std::optional<VdView> view = listed_vd(s, b.vd);
    if (!view || find_raid_level(view->vd.raid_level) == nullptr) break;
    const std::optional<VdAddress> at = member_to_vd(geometry_of(s, *view), b.member, pd_lba);
    if (!at) break;
    r.vd_id = b.vd;
    r.vd_lba_low = static_cast<uint32_t>(at->lba);
    r.vd_lba_high = static_cast<uint32_t>(at->lba >> 32);
    r.parity = at->parity ? 1 : 0;
    break;
  }
  return kOk;
}

}  // namespace
}  // namespace qx::sim

extern "C" {

QX_API_EXPORT uint8_t QX_DBG_Map(uint8_t adapter, QX_MAP_RECORD* map) {
  return qx::sim::api_call(Call::QX_DBG_Map, adapter, [&](Session& s) -> uint8_t {
    if (map == nullptr) return qx::kInvalidParameter;
    QX_MAP_RECORD r = *map;
    uint8_t status = qx::kInvalidParameter;
    if (r.direction == QX_MAP_VD_TO_PD) status = qx::sim::map_vd_to_pd(s, r);
    if (r.direction == QX_MAP_PD_TO_VD) status = qx::sim::map_pd_to_vd(s, r);
    if (status == qx::kOk) *map = r;
    return status;
  });
}

}  // extern "C"
