#include "sim/engine/spares.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/allocate.h"
#include "sim/engine/array_rebuild.h"
#include "sim/engine/bga_control.h"
#include "sim/engine/copy_back.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/events.h"
#include "sim/engine/rebuild.h"
#include "sim/model/array.h"
#include "sim/model/disk.h"
#include "sim/model/vd.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

void unset_spare(const Session& s, Disk disk) {
  disk.spare = SpareKind::kNone;
  disk.spare_array = 0;
  update_row(s.db(), disk_model(), s.adapter_id(), disk);
  log_event(s, NewEvent(events::kPdSpareUnset, disk.id));
}

bool holds_any_block(const Session& s, uint16_t pd) {
  return !select_rows(s.db(), block_model(), s.adapter_id(), "pd = ?1", {json(pd)}, "id", 1).empty();
}

bool needs_rebuild(uint8_t state) { return state == QX_VD_DEGRADED || state == QX_VD_PARTIALLY_OPTIMAL; }

bool has_active(const Session& s, uint16_t vd) {
  std::optional<Activity> a = vd_activity(s, vd);
  return a && is_active(*a);
}

// The spares a VD of array `array` may take, in the order it takes them:
// dedicated ones of its array first, then global ones, each by id; only
// those that hold no block.
std::vector<Disk> spares_for(const Session& s, uint16_t array) {
  std::vector<Disk> out;
  for (const Disk& d : select_rows(s.db(), disk_model(), s.adapter_id(),
                                   "(spare = 'global' OR (spare = 'dedicated' AND spare_array = ?1))",
                                   {json(array)}, "spare = 'global', id"))
    if (!holds_any_block(s, d.id)) out.push_back(d);
  return out;
}

// On an adapter with arrays each array rebuilds as a whole: every missing
// position takes a spare, and every degraded VD on it rebuilds.
void rebuild_arrays_onto_spares(const Session& s) {
  for (const ArrayView& view : array_views(s, 0, kNoId)) {
    if (std::none_of(view.vds.begin(), view.vds.end(), [](const Vd& v) { return needs_rebuild(v.state); })) continue;
    if (std::any_of(view.vds.begin(), view.vds.end(), [&s](const Vd& v) { return has_active(s, v.id); })) continue;
    const size_t wanted = missing_positions(s, view).size();
    std::vector<uint16_t> chosen;
    for (const Disk& spare : spares_for(s, view.array.id)) {
      if (chosen.size() == wanted) break;
      if (check_array_target(s, view, spare.id) == kOk) chosen.push_back(spare.id);
    }
    if (chosen.empty()) continue;
    for (uint16_t pd : chosen) log_event(s, NewEvent(events::kPdSpareChanged, pd));
    begin_array_rebuild(s, view, chosen);
  }
}

}  // namespace

uint8_t spare_to_free(const Session& s, uint16_t pd) {
  std::optional<Disk> disk = present_disk(s, pd);
  if (!disk) return kPdMissing;
  if (disk->spare == SpareKind::kNone) return kPdNotSpare;
  if (holds_vd_block(s, pd)) return kSpareInUse;  // it stands in for a member
  if (std::optional<Activity> a = pd_activity(s, pd); a && is_active(*a)) abort_activity(s, *a);  // a patrol or scrub
  unset_spare(s, *disk);
  return kOk;
}

uint8_t make_spare(const Session& s, uint16_t pd, SpareKind kind, uint16_t array) {
  std::optional<Disk> disk = present_disk(s, pd);
  if (!disk) return kPdMissing;
  if (holds_any_block(s, pd) || is_copy_back_target(s, pd)) return kPdAssigned;
  if (kind == SpareKind::kNone) {
    if (disk->spare != SpareKind::kNone) unset_spare(s, *disk);
    return kOk;
  }
  disk->spare = kind;
  disk->spare_array = kind == SpareKind::kDedicated ? array : 0;
  update_row(s.db(), disk_model(), s.adapter_id(), *disk);
  log_event(s, NewEvent(events::kPdSpareSet, pd));
  rebuild_onto_spares(s);
  return kOk;
}

uint8_t assign_spare(const Session& s, uint16_t pd, SpareKind kind, uint16_t array) {
  const Adapter& a = s.adapter();
  if (!(a.features & QX_FEATURE_REBUILD) || (a.adv_features & QX_ADV_NO_SPARE)) return kNotSupported;
  if (kind == SpareKind::kDedicated && a.max_arrays == 0) return kNotSupportedOnAdapter;
  std::optional<Disk> disk = present_disk(s, pd);
  if (!disk) return kPdMissing;
  if (!is_data_disk(*disk)) return kAtapiInVd;
  if (disk->offline || disk->foreign) return kInvalidPdId;
  if (disk->spare == SpareKind::kGlobal) return kPdIsSpare;
  if (disk->spare == SpareKind::kDedicated) return kSpareOfOtherArray;
  const std::vector<Array> arrays = select_rows(s.db(), array_model(), s.adapter_id());
  const bool member = std::any_of(arrays.begin(), arrays.end(), [pd](const Array& r) {
    return std::find(r.pds.begin(), r.pds.end(), pd) != r.pds.end();
  });
  if (member || holds_any_block(s, pd) || is_copy_back_target(s, pd)) return kPdAssigned;
  if (kind == SpareKind::kDedicated) {
    std::optional<ArrayView> view = array_view(s, array);
    if (!view) return kInvalidArrayId;
    const uint64_t needed = view->member_used_kb.empty()
                                ? 0
                                : *std::max_element(view->member_used_kb.begin(), view->member_used_kb.end());
    if (largest_extent_kb(disk_free_extents(s, *disk)) < needed) return kSpareTooSmall;
  }
  return make_spare(s, pd, kind, array);
}

void rebuild_onto_spares(const Session& s) {
  const Adapter& a = s.adapter();
  if (!(a.features & QX_FEATURE_REBUILD) || !a.auto_rebuild) return;
  if (a.max_arrays != 0) {
    rebuild_arrays_onto_spares(s);
    return;
  }
  const std::vector<Vd> degraded =
      select_rows(s.db(), vd_model(), s.adapter_id(), "state IN (?1, ?2) AND target_of = ?3",
                  {json(QX_VD_DEGRADED), json(QX_VD_PARTIALLY_OPTIMAL), json(kNoId)}, "id");
  for (const Vd& vd : degraded) {
    if (has_active(s, vd.id)) continue;
    for (const Disk& spare : spares_for(s, vd.array_id)) {
      if (check_rebuild_target(s, vd, spare.id) != kOk) continue;
      log_event(s, NewEvent(events::kPdSpareChanged, spare.id));
      begin_rebuild(s, vd, spare.id);
      break;
    }
  }
}

void free_dedicated_spares(const Session& s, uint16_t array) {
  for (const Disk& d :
       select_rows(s.db(), disk_model(), s.adapter_id(), "spare = 'dedicated' AND spare_array = ?1", {json(array)}))
    unset_spare(s, d);
}

}  // namespace qx::sim
