#include "sim/engine/array_create.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "api/event_catalogue.h"
#include "api/raid_levels.h"
#include "api/status.h"
#include "sim/engine/allocate.h"
#include "sim/engine/array_records.h"
#include "sim/engine/capacity.h"
#include "sim/engine/copy_back.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/events.h"
#include "sim/engine/vd_create.h"
#include "sim/model/array.h"
#include "sim/model/disk.h"
#include "sim/model/record_text.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

constexpr uint16_t kQuickStripeKb = 64;
constexpr int kRequestPds = QX_ARRAY_REQUEST_MAX_PDS;  // room in the array request

// The request's text, which may fill its field.
std::string name_of(const char (&name)[QX_NAME_SIZE]) {
  return std::string(name, std::find(name, name + QX_NAME_SIZE, '\0'));
}

uint8_t parity_of(uint8_t level, uint8_t parity) { return parity != 0 ? parity : default_parity(level); }

bool in_an_array(const std::vector<Array>& arrays, uint16_t pd) {
  return std::any_of(arrays.begin(), arrays.end(), [pd](const Array& r) {
    return std::find(r.pds.begin(), r.pds.end(), pd) != r.pds.end();
  });
}

// The disks of an array request, checked one by one in order.
uint8_t read_array_members(const Session& s, const QX_ARRAY_REQUEST& r, std::vector<Disk>& members) {
  const Adapter& a = s.adapter();
  const std::vector<Array> arrays = select_rows(s.db(), array_model(), s.adapter_id());
  for (int i = 0; i < r.pd_count; ++i) {
    std::optional<Disk> d = present_disk(s, r.pd_ids[i]);
    if (!d) return kPdMissing;
    if (!is_data_disk(*d)) return kAtapiInVd;
    if (d->offline || d->foreign) return kInvalidPdId;
    if (d->spare != SpareKind::kNone) return kPdIsSpare;
    if (in_an_array(arrays, d->id) || holds_vd_block(s, d->id) || is_copy_back_target(s, d->id))
      return kPdAssigned;
    if (d->sector_size != r.sector_size) return kPdBlockSizeMismatch;
    if ((a.features & QX_FEATURE_SAME_TYPE_ONLY) && !members.empty() && !same_disk_type(*d, members.front(), false))
      return kPdTypeMismatch;
    members.push_back(*d);
  }
  return kOk;
}

uint8_t check_array_request(const Adapter& a, const QX_ARRAY_REQUEST& r) {
  const RaidLevel* level = find_raid_level(r.raid_level);
  if (level == nullptr || level->concatenated) return kInvalidRaidMode;
  if (!(a.raid_modes & level->mode_bit)) return kNotSupported;
  const int most = a.max_disks_per_array != 0 ? std::min<int>(a.max_disks_per_array, kRequestPds) : kRequestPds;
  if (r.pd_count == 0 || r.pd_count > most) return kInvalidPdCount;
  if (std::set<uint16_t>(r.pd_ids, r.pd_ids + r.pd_count).size() != r.pd_count) return kInvalidParameter;
  if (uint8_t status = check_array_members(r.raid_level, r.pd_count, parity_of(r.raid_level, r.parity_disks),
                                           a.max_raid6_parity))
    return status;
  if (!stripe_supported(a, r.stripe_kb)) return kInvalidBlockSize;
  if (!valid_name(r.name, true)) return kVdNameInvalid;
  return kOk;
}

std::optional<uint16_t> free_array_id(const Session& s) {
  std::set<uint16_t> used;
  for (const Array& r : select_rows(s.db(), array_model(), s.adapter_id())) used.insert(r.id);
  for (uint16_t id = 0; id < s.adapter().max_arrays; ++id)
    if (!used.count(id)) return id;
  return std::nullopt;
}

// The requested size in KB; none when it cannot be counted in KB.
std::optional<uint64_t> requested_kb(uint64_t size_mb) {
  if (size_mb > UINT64_MAX / kMbKb) return std::nullopt;
  return size_mb * kMbKb;
}

// Whether [start, start + size) is free on a disk.
bool stretch_free(const std::vector<Extent>& free, uint64_t start, uint64_t size) {
  return std::any_of(free.begin(), free.end(),
                     [&](const Extent& e) { return e.start_kb <= start && start + size <= e.start_kb + e.size_kb; });
}

// Disks a quick creation may take: present, online data disks that are no
// spare, in no array and hold no block.
std::vector<Disk> free_disks(const Session& s) {
  const std::vector<Array> arrays = select_rows(s.db(), array_model(), s.adapter_id());
  std::vector<Disk> out;
  for (const Disk& d : select_rows(s.db(), disk_model(), s.adapter_id(), "present = 1", {}, "id")) {
    if (!is_data_disk(d) || d.offline || d.foreign || d.spare != SpareKind::kNone) continue;
    if (in_an_array(arrays, d.id) || holds_vd_block(s, d.id) || is_copy_back_target(s, d.id)) continue;
    out.push_back(d);
  }
  return out;
}

// The largest set of free disks of one type and sector size (the lowest
// first disk among equals).
std::vector<Disk> largest_matching_set(const std::vector<Disk>& disks) {
  std::vector<Disk> best;
  for (const Disk& first : disks) {
    std::vector<Disk> set;
    for (const Disk& d : disks)
      if (d.sector_size == first.sector_size && same_disk_type(d, first, false)) set.push_back(d);
    if (set.size() > best.size()) best = set;
  }
  return best;
}

}  // namespace

uint8_t create_array(const Session& s, QX_ARRAY_REQUEST& r, uint8_t mode) {
  if (mode != QX_DG_CREATE && mode != QX_DG_SIZE_ONLY) return kInvalidParameter;
  if (r.array_id != QX_NEW_ID) return kInvalidParameter;
  const Adapter& a = s.adapter();
  if (uint8_t status = check_array_request(a, r)) return status;
  std::vector<Disk> members;
  if (uint8_t status = read_array_members(s, r, members)) return status;
  std::optional<uint16_t> id;
  if (mode == QX_DG_CREATE && !(id = free_array_id(s))) return kNoResource;

  CapacityRequest want;
  want.level = r.raid_level;
  want.parity = parity_of(r.raid_level, r.parity_disks);
  want.stripe_kb = r.stripe_kb;
  for (const Disk& d : members) want.members.push_back({largest_extent_kb(disk_free_extents(s, d)), false});
  std::optional<uint64_t> asked = requested_kb(r.size);
  want.requested_kb = asked.value_or(UINT64_MAX);
  CapacityPlan plan = plan_capacity(want);
  if (plan.status == kNoResource) r.size = plan.largest_kb;
  if (plan.status != kOk) return plan.status;
  r.size = plan.capacity_kb;
  if (mode == QX_DG_SIZE_ONLY) return kOk;

  Array array;
  array.id = *id;
  array.raid_level = r.raid_level;
  array.parity_disks = static_cast<uint8_t>(want.parity);
  array.stripe_kb = r.stripe_kb;
  array.sector_size = r.sector_size;
  array.size_kb = plan.capacity_kb;
  array.pds.assign(r.pd_ids, r.pd_ids + r.pd_count);
  array.name = name_of(r.name);
  array.write_cache = true;
  insert_row(s.db(), array_model(), s.adapter_id(), array);
  // The members follow the array's write cache from the start.
  for (Disk d : members) {
    if (d.write_cache) continue;
    d.write_cache = true;
    update_row(s.db(), disk_model(), s.adapter_id(), d);
  }
  log_event(s, NewEvent(events::kArrayCreated, array.id));
  r.array_id = array.id;
  return kOk;
}

uint8_t create_array_vd(const Session& s, QX_ARRAY_VD_REQUEST& r) {
  const Adapter& a = s.adapter();
  std::optional<ArrayView> view = array_view(s, r.array_id);
  if (!view) return kInvalidArrayId;
  const Array& array = view->array;
  if (r.raid_level != array.raid_level) return kInvalidRaidMode;
  if (parity_of(r.raid_level, r.parity_disks) != parity_of(array.raid_level, array.parity_disks))
    return kInvalidParameter;
  if (r.sector_size != array.sector_size) return kPdBlockSizeMismatch;
  if (!stripe_supported(a, r.stripe_kb)) return kInvalidBlockSize;
  const std::vector<ArraySlot>& slots = view->slots;
  const bool any_free = std::any_of(slots.begin(), slots.end(), [](const ArraySlot& x) { return x.vd == kNoId; });
  if (r.slot != QX_NO_SLOT && (r.slot >= slots.size() || slots[r.slot].vd != kNoId)) return kInvalidParameter;
  if (!any_free) return kNoResource;
  if (uint8_t status = check_vd_settings(a, r.raid_level, r.rounding, r.cache_policy, r.init_mode, r.name))
    return status;
  std::optional<uint64_t> asked = requested_kb(r.size_mb);
  if (!asked) return kNoResource;

  // The slot: the one asked for, or the first free one whose room holds the size.
  const ArraySlot* slot = r.slot != QX_NO_SLOT ? &slots[r.slot] : nullptr;
  for (size_t i = 0; slot == nullptr && i < slots.size(); ++i)
    if (slots[i].vd == kNoId && slots[i].usable_kb >= *asked) slot = &slots[i];
  if (slot == nullptr) return kNoResource;

  std::vector<Disk> members;
  for (uint16_t pd : array.pds) {
    std::optional<Disk> d = present_disk(s, pd);
    if (!d) return kPdMissing;
    members.push_back(*d);
  }
  CapacityRequest want;
  want.level = array.raid_level;
  want.parity = parity_of(array.raid_level, array.parity_disks);
  want.stripe_kb = r.stripe_kb;
  want.rounding = r.rounding;
  want.requested_kb = *asked;
  want.members.assign(members.size(), MemberSpace{slot->member_kb, false});
  CapacityPlan plan = plan_capacity(want);
  if (plan.status != kOk) return plan.status;

  std::vector<Placement> placements;
  for (size_t i = 0; i < members.size(); ++i) {
    const std::vector<Extent> free = disk_free_extents(s, members[i]);
    const uint64_t size = plan.block_kb[i];
    std::optional<uint64_t> start =
        stretch_free(free, slot->start_kb, size) ? std::optional<uint64_t>(slot->start_kb) : first_fit(free, size);
    if (!start) return kNoResource;
    placements.push_back({members[i].id, *start, size});
  }
  const RaidLevel& level = *find_raid_level(array.raid_level);
  Vd vd;
  vd.name = name_of(r.name);
  vd.raid_level = array.raid_level;
  vd.stripe_kb = r.stripe_kb;
  vd.cache_flags = r.cache_policy;
  vd.size_kb = plan.capacity_kb;
  vd.array_id = array.id;
  vd.parity_disks = level.default_parity != 0 ? static_cast<uint8_t>(want.parity) : 0;
  vd.sub_vd_count = level.sub_vds;
  vd.members = static_cast<uint8_t>(members.size());
  uint16_t id = 0;
  if (uint8_t status = record_new_vd(s, vd, placements, r.init_mode, &id)) return status;
  r.vd_id = id;
  return kOk;
}

uint8_t create_package_vd(const Session& s, QX_PACKAGE_VD_REQUEST& r) {
  if (uint8_t status = create_array(s, r.array, QX_DG_CREATE)) return status;
  Array array = select_by_id(s.db(), array_model(), s.adapter_id(), r.array.array_id).value();
  array.package = true;
  update_row(s.db(), array_model(), s.adapter_id(), array);
  QX_ARRAY_VD_REQUEST vd = r.vd;
  vd.array_id = array.id;
  vd.slot = 0;
  const uint8_t status = create_array_vd(s, vd);
  if (status == kNoResource) r.array.size = array.size_kb;
  if (status != kOk) return status;
  r.vd.vd_id = vd.vd_id;
  return kOk;
}

uint8_t array_max_size(const Session& s, const QX_CREATE_VD_REQUEST& c, uint64_t* size_kb) {
  QX_ARRAY_REQUEST r{};
  r.array_id = QX_NEW_ID;
  std::copy(std::begin(c.name), std::end(c.name), r.name);
  r.raid_level = c.raid_level;
  r.parity_disks = c.parity_disks;
  r.stripe_kb = c.stripe_kb;
  r.pd_count = c.pd_count;
  std::copy(c.pd_ids, c.pd_ids + std::min<int>(c.pd_count, QX_MAX_CREATE_PDS), r.pd_ids);
  if (c.pd_count != 0) {
    if (std::optional<Disk> first = present_disk(s, c.pd_ids[0])) r.sector_size = first->sector_size;
  }
  const uint64_t unit = rounding_unit_kb(c.rounding);
  if (unit == 0) return kInvalidParameter;
  if (uint8_t status = create_array(s, r, QX_DG_SIZE_ONLY)) return status;
  *size_kb = r.size / unit * unit;
  return *size_kb != 0 ? kOk : kOutOfRange;
}

uint8_t quick_create(const Session& s, uint8_t protection) {
  if (protection != QX_QUICK_CREATE_PROTECTED && protection != QX_QUICK_CREATE_UNPROTECTED) return kInvalidParameter;
  const Adapter& a = s.adapter();
  std::vector<Disk> disks = largest_matching_set(free_disks(s));
  const size_t most = static_cast<size_t>(
      a.max_disks_per_array != 0 ? std::min<int>(a.max_disks_per_array, kRequestPds) : kRequestPds);
  if (disks.size() > most) disks.resize(most);
  uint8_t level = QX_RAID0;
  if (protection == QX_QUICK_CREATE_PROTECTED) level = disks.size() == 2 ? QX_RAID1 : QX_RAID5;
  const size_t least = protection == QX_QUICK_CREATE_PROTECTED && disks.size() != 2 ? 3 : 2;
  if (disks.size() < least) return kPdCountForLevel;

  const std::string suffix = std::string(find_raid_level(level)->short_name) + "_" +
                             std::to_string(select_rows(s.db(), array_model(), s.adapter_id()).size() + 1);
  QX_ARRAY_REQUEST array{};
  array.array_id = QX_NEW_ID;
  copy_text(array.name, "DG_" + suffix);
  array.raid_level = level;
  array.stripe_kb = kQuickStripeKb;
  array.sector_size = disks.front().sector_size;
  array.pd_count = static_cast<uint8_t>(disks.size());
  for (size_t i = 0; i < disks.size(); ++i) array.pd_ids[i] = disks[i].id;
  if (uint8_t status = create_array(s, array, QX_DG_CREATE)) return status;

  QX_ARRAY_VD_REQUEST vd{};
  vd.vd_id = QX_NEW_ID;
  vd.array_id = array.array_id;
  copy_text(vd.name, "VD_" + suffix);
  vd.raid_level = level;
  vd.slot = QX_NO_SLOT;
  vd.stripe_kb = kQuickStripeKb;
  vd.cache_policy = static_cast<uint8_t>((a.adv_features & QX_ADV_NO_VD_WRITE_CACHE) ? QX_CACHE_WRITE_THROUGH : 0);
  vd.init_mode = QX_INIT_QUICK;
  vd.always_one = 1;
  vd.sector_size = array.sector_size;
  return create_array_vd(s, vd);
}

}  // namespace qx::sim
