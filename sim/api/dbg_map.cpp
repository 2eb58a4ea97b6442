// QX_DBG_Map: translates a sector address between a PD and the VD whose data
// it holds, from the VD's layout (sim/engine/vd_geometry.h). It reads only
// the columns the layout needs, a few narrow queries per call.
#include <algorithm>
#include <optional>
#include <vector>

#include "api/qx_api.h"
#include "api/raid_levels.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/vd_geometry.h"
#include "sim/model/vd.h"

using qx::sim::Call;
using qx::sim::Session;

namespace qx::sim {
namespace {

uint64_t join(uint32_t high, uint32_t low) { return (uint64_t{high} << 32) | low; }

struct Layout {
  VdGeometry geometry;
  std::vector<uint16_t> member_pd;  // by slot; kNoId for a missing member
};

// The layout of a listed VD (not a migration's target) with its members as
// they stand; nothing when there is no such VD of a known level.
std::optional<Layout> layout_of(const Session& s, uint16_t vd) {
  Db& db = s.db();
  const int64_t adapter = s.adapter_id();
  Stmt row = db.prepare(
      "SELECT raid_level, stripe_kb, parity_disks, sub_vd_count, size_kb, members FROM vds "
      "WHERE adapter = ?1 AND id = ?2 AND target_of = ?3");
  row.bind(1, adapter).bind(2, int64_t{vd}).bind(3, int64_t{kNoId});
  if (!row.step()) return std::nullopt;
  const RaidLevel* level = find_raid_level(static_cast<uint8_t>(row.column_int(0)));
  if (level == nullptr) return std::nullopt;
  const auto stripe_kb = static_cast<uint16_t>(row.column_int(1));
  const auto parity = static_cast<uint8_t>(row.column_int(2));
  const auto sub_vds = static_cast<uint8_t>(row.column_int(3));
  const auto size_kb = static_cast<uint64_t>(row.column_int(4));
  int slots = static_cast<int>(row.column_int(5));

  Stmt blocks = db.prepare(
      "SELECT b.member, b.pd, b.start_kb, b.size_kb, d.ssd FROM blocks b JOIN disks d "
      "ON d.adapter = b.adapter AND d.id = b.pd WHERE b.adapter = ?1 AND b.vd = ?2");
  blocks.bind(1, adapter).bind(2, int64_t{vd});
  struct Member {
    int slot;
    uint16_t pd;
    MemberExtent extent;
  };
  std::vector<Member> found;
  while (blocks.step()) {
    const int slot = static_cast<int>(blocks.column_int(0));
    const bool ssd = blocks.column_int(4) != 0;
    found.push_back({slot, static_cast<uint16_t>(blocks.column_int(1)),
                     {true, static_cast<uint64_t>(blocks.column_int(2)) * kSectorsPerKb,
                      static_cast<uint64_t>(blocks.column_int(3)) * kSectorsPerKb, !(ssd && level->ssds_whole)}});
    slots = std::max(slots, slot + 1);
  }
  Layout layout;
  std::vector<MemberExtent> members(static_cast<size_t>(slots));
  layout.member_pd.assign(members.size(), kNoId);
  for (const Member& m : found) {
    members[static_cast<size_t>(m.slot)] = m.extent;
    layout.member_pd[static_cast<size_t>(m.slot)] = m.pd;
  }
  layout.geometry = make_geometry(*level, stripe_kb, parity, sub_vds, size_kb, std::move(members));
  return layout;
}

// The size of a disk the adapter sees, in sectors.
std::optional<uint64_t> disk_sectors(const Session& s, uint16_t pd) {
  Stmt row = s.db().prepare("SELECT size_kb FROM disks WHERE adapter = ?1 AND id = ?2 AND present = 1");
  row.bind(1, int64_t{s.adapter_id()}).bind(2, int64_t{pd});
  if (!row.step()) return std::nullopt;
  return static_cast<uint64_t>(row.column_int(0)) * kSectorsPerKb;
}

uint8_t map_vd_to_pd(const Session& s, QX_MAP_RECORD& r) {
  const std::optional<Layout> layout = layout_of(s, r.vd_id);
  if (!layout) return kVdMissing;
  const auto slot = std::find(layout->member_pd.begin(), layout->member_pd.end(), r.pd_id);
  // A member's disk is there (a pulled disk's blocks leave their VDs); another is looked up.
  if (slot == layout->member_pd.end() && !disk_sectors(s, r.pd_id)) return kPdMissing;
  const uint64_t vd_lba = join(r.vd_lba_high, r.vd_lba_low);
  if (vd_lba >= layout->geometry.vd_sectors) return kOutOfRange;
  const int member = slot == layout->member_pd.end() ? -1 : static_cast<int>(slot - layout->member_pd.begin());
  const std::optional<uint64_t> pd_lba = vd_to_member(layout->geometry, vd_lba, member);
  r.pd_lba_low = pd_lba ? static_cast<uint32_t>(*pd_lba) : QX_MAP_NO_LBA;
  r.pd_lba_high = pd_lba ? static_cast<uint32_t>(*pd_lba >> 32) : QX_MAP_NO_LBA;
  r.parity = 0;
  return kOk;
}

uint8_t map_pd_to_vd(const Session& s, QX_MAP_RECORD& r) {
  const std::optional<uint64_t> sectors = disk_sectors(s, r.pd_id);
  if (!sectors) return kPdMissing;
  const uint64_t pd_lba = join(r.pd_lba_high, r.pd_lba_low);
  if (pd_lba >= *sectors) return kOutOfRange;
  r.vd_id = QX_MAP_NO_VD;
  r.vd_lba_low = r.vd_lba_high = 0;
  r.parity = 0;
  // The VD block that holds the sector, if any.
  Stmt block = s.db().prepare(
      "SELECT vd, member FROM blocks WHERE adapter = ?1 AND pd = ?2 AND vd <> ?3 "
      "AND start_kb * 2 <= ?4 AND (start_kb + size_kb) * 2 > ?4");
  block.bind(1, int64_t{s.adapter_id()}).bind(2, int64_t{r.pd_id}).bind(3, int64_t{kNoId});
  block.bind(4, static_cast<int64_t>(pd_lba));
  if (!block.step()) return kOk;
  const auto vd = static_cast<uint16_t>(block.column_int(0));
  const auto member = static_cast<int>(block.column_int(1));
  const std::optional<Layout> layout = layout_of(s, vd);
  if (!layout) return kOk;
  const std::optional<VdAddress> at = member_to_vd(layout->geometry, member, pd_lba);
  if (!at) return kOk;
  r.vd_id = vd;
  r.vd_lba_low = static_cast<uint32_t>(at->lba);
  r.vd_lba_high = static_cast<uint32_t>(at->lba >> 32);
  r.parity = at->parity ? 1 : 0;
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
