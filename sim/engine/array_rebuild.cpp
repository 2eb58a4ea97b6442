#include "sim/engine/array_rebuild.h"

#include <algorithm>
#include <set>

#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/bga_control.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/rebuild.h"
#include "sim/engine/vd_health.h"
#include "sim/engine/block_records.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

uint64_t rebuild_kb(const ArrayView& array) {
  if (array.member_used_kb.empty()) return 0;
  return *std::max_element(array.member_used_kb.begin(), array.member_used_kb.end());
}

bool busy(const Session& s, const ArrayView& array) {
  for (const Vd& vd : array.vds) {
    std::optional<Activity> a = vd_activity(s, vd.id);
    if (a && is_active(*a)) return true;
  }
  return false;
}

}  // namespace

std::vector<uint8_t> missing_positions(const Session& s, const ArrayView& array) {
  std::set<uint8_t> positions;
  for (const Vd& vd : array.vds)
    for (uint8_t slot : missing_slots(s, vd))
      if (slot < array.array.pds.size()) positions.insert(slot);
  return {positions.begin(), positions.end()};
}

uint8_t check_array_target(const Session& s, const ArrayView& array, uint16_t pd) {
  for (const Vd& vd : array.vds)
    if (uint8_t status = check_rebuild_target(s, vd, pd)) return status;
  std::optional<Disk> disk = present_disk(s, pd);
  if (!disk) return kPdMissing;
  if (disk->spare == SpareKind::kDedicated && disk->spare_array != array.array.id) return kSpareOfOtherArray;
  if (usable_kb(*disk, s.adapter().disk_reserved_kb, blocks_on_disk(s, pd)) < rebuild_kb(array))
    return kTargetTooSmall;
  return kOk;
}

void begin_array_rebuild(const Session& s, const ArrayView& view, const std::vector<uint16_t>& targets) {
  const std::vector<uint8_t> positions = missing_positions(s, view);
  Array array = view.array;
  std::vector<SlotTarget> assigned;
  for (size_t i = 0; i < targets.size() && i < positions.size(); ++i) {
    assigned.push_back({positions[i], targets[i]});
    array.pds[positions[i]] = targets[i];
  }
  update_row(s.db(), array_model(), s.adapter_id(), array);
  for (const Vd& vd : view.vds) {
    const std::vector<uint8_t> missing = missing_slots(s, vd);
    std::vector<SlotTarget> mine;
    for (const SlotTarget& t : assigned)
      if (std::find(missing.begin(), missing.end(), t.slot) != missing.end()) mine.push_back(t);
    if (!mine.empty()) begin_rebuild(s, vd, mine);
  }
}

uint8_t start_array_rebuild(const Session& s, const QX_REBUILD_REQUEST& r) {
  if (s.adapter().max_arrays == 0) return kNotSupportedOnAdapter;
  std::optional<ArrayView> view = array_view(s, r.array_id);
  if (!view) return kInvalidArrayId;
  if (r.kind != QX_REBUILD_ARRAY) return kInvalidParameter;
  const std::vector<uint8_t> positions = missing_positions(s, *view);
  if (r.pd_count == 0 || r.pd_count > QX_REBUILD_MAX_PDS) return kInvalidPdCount;
  if (!positions.empty() && r.pd_count > positions.size()) return kInvalidPdCount;
  const std::vector<uint16_t> targets(r.pd_ids, r.pd_ids + r.pd_count);
  if (std::set<uint16_t>(targets.begin(), targets.end()).size() != targets.size()) return kInvalidParameter;
  for (uint16_t pd : targets)
    if (uint8_t status = check_array_target(s, *view, pd)) return status;
  if (view->vds.empty()) return kNoVdOnArray;
  if (positions.empty()) return kVdFunctional;
  if (busy(s, *view)) return kArrayHasBga;
  begin_array_rebuild(s, *view, targets);
  return kOk;
}

uint8_t control_array_activity(const Session& s, uint16_t id, uint8_t action) {
  if (s.adapter().max_arrays == 0) return kNotSupportedOnAdapter;
  std::optional<ArrayView> view = array_view(s, id);
  if (!view) return kInvalidArrayId;
  bool steered = false;
  for (const Vd& vd : view->vds) {
    std::optional<Activity> a = vd_activity(s, vd.id);
    if (!a || (a->kind != ActivityKind::kRebuild && a->kind != ActivityKind::kCopyBack &&
               a->kind != ActivityKind::kMigration))
      continue;
    if (uint8_t status = control_vd_activity(s, vd.id, action)) return status;
    steered = true;
  }
  return steered ? kOk : kInvalidBgaAction;
}

}  // namespace qx::sim
