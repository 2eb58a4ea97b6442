#include "sim/engine/vd_create.h"

#include <algorithm>
#include <set>

#include "api/device_generations.h"
#include "api/status.h"
#include "sim/engine/bga_control.h"
#include "sim/engine/capacity.h"
#include "sim/engine/copy_back.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/smart_records.h"
#include "sim/engine/vd_events.h"
#include "sim/engine/wipe.h"
#include "sim/model/disk.h"
#include "sim/model/vd.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

constexpr int64_t kQuickInitSeconds = 5;        // a fast initialization clears the start and end of the VD
constexpr uint16_t kVdIdLimit = 0xFF;           // the records mark "no VD" with 0xFF
constexpr uint8_t kCacheBits = QX_CACHE_WRITE_THROUGH | QX_CACHE_READ_AHEAD;


// On arrays a VD may also leave its write cache to the battery (automatic).
uint8_t check_cache(const Adapter& a, uint8_t level, uint8_t policy) {
  const bool on_array = a.max_arrays != 0;
  const uint8_t allowed = on_array ? kCacheBits | QX_CACHE_AUTO : kCacheBits;
  if ((policy & ~allowed) != 0) return kInvalidParameter;
  if ((policy & QX_CACHE_AUTO) && !(a.adv_features & QX_ADV_BBU)) return kNotSupported;
  // With the hybrid switch the write-through bit of a hybrid VD means restore, not cache.
  bool switch_bit = level == QX_TIER_HYBRID && (a.adv_features & QX_ADV_HYBRID_SWITCH) != 0;
  if ((a.adv_features & QX_ADV_NO_VD_WRITE_CACHE) && !(policy & QX_CACHE_WRITE_THROUGH) && !switch_bit)
    return kNotSupported;
  if ((a.adv_features & QX_ADV_NO_VD_READ_CACHE) && (policy & QX_CACHE_READ_AHEAD)) return kNotSupported;
  return kOk;
}

// A foreground initialization exists only for VDs on arrays.
uint8_t check_init(const Adapter& a, uint8_t level, uint8_t init_mode) {
  switch (init_mode) {
    case QX_INIT_QUICK:
    case QX_INIT_NONE: return kOk;
    case QX_INIT_FOREGROUND:
      if (a.max_arrays == 0) return kInvalidParameter;
      if (!(a.features & QX_FEATURE_FOREGROUND_INIT)) return kNotSupported;
      return kOk;
    case QX_INIT_BACKGROUND:
      if (!(a.features & QX_FEATURE_BACKGROUND_INIT) || !find_raid_level(level)->redundant) return kNotSupported;
      return kOk;
    case QX_INIT_INTELLIGENT:
      if (!is_tier_level(level) || !(a.adv_features & QX_ADV_TIER_INTELLIGENT_INIT)) return kNotSupported;
      return kOk;
    default: return kInvalidParameter;
  }
}

// The disks of the request, checked one by one in order.
uint8_t read_members(const Session& s, const QX_CREATE_VD_REQUEST& r, std::vector<Disk>& members) {
  const Adapter& a = s.adapter();
  for (int i = 0; i < r.pd_count; ++i) {
    std::optional<Disk> d = present_disk(s, r.pd_ids[i]);
    if (!d) return kPdMissing;
    if (!is_data_disk(*d)) return kAtapiInVd;
    if (wipe_running(s, d->id)) return kBgaRunning;
    if (d->offline || d->foreign) return kInvalidPdId;
    if (!smart_healthy(disk_smart(s, d->id))) return kSmartOverThreshold;
    if (d->spare != SpareKind::kNone) return kPdIsSpare;
    if (!(a.adv_features & QX_ADV_MULTI_VD) && holds_vd_block(s, d->id)) return kPdAssigned;
    if (is_copy_back_target(s, d->id)) return kPdAssigned;
    members.push_back(*d);
  }
  return kOk;
}

// The disks must match where the adapter demands it.
uint8_t check_mix(const Adapter& a, uint8_t level, const std::vector<Disk>& members) {
  const Disk& first = members.front();
  int ssds = 0;
  for (const Disk& d : members) {
    if ((a.features & QX_FEATURE_SAME_TYPE_ONLY) && !same_disk_type(d, first, is_tier_level(level)))
      return kPdTypeMismatch;
    if (d.sector_size != first.sector_size) return kPdBlockSizeMismatch;
    ssds += d.ssd ? 1 : 0;
  }
  if (is_tier_level(level)) return check_tier_members(ssds, static_cast<int>(members.size()) - ssds, a.max_tier_ssds);
  return kOk;
}

uint8_t check_request(const Adapter& a, const QX_CREATE_VD_REQUEST& r, uint8_t parity) {
  if (a.max_arrays != 0) return kNotSupportedOnAdapter;  // VDs there live on arrays
  const RaidLevel* level = find_raid_level(r.raid_level);
  if (level == nullptr) return kInvalidRaidMode;
  if (!(a.raid_modes & level->mode_bit)) return kNotSupported;
  if (r.pd_count == 0 || r.pd_count > QX_MAX_CREATE_PDS) return kInvalidPdCount;
  if (a.max_disks_per_vd != 0 && r.pd_count > a.max_disks_per_vd) return kInvalidPdCount;
  std::set<uint16_t> ids(r.pd_ids, r.pd_ids + r.pd_count);
  if (ids.size() != r.pd_count) return kInvalidParameter;
  if (uint8_t s = check_members(r.raid_level, r.pd_count, parity, a.max_raid6_parity)) return s;
  if (!stripe_supported(a, r.stripe_kb)) return kInvalidBlockSize;
  return check_vd_settings(a, r.raid_level, r.rounding, r.cache_policy, r.init_mode, r.name);
}

// The size the request asks for, in KB (0: all). Adapters with a newer
// device id take a size only when it is forced, except for the tier levels.
uint64_t requested_kb(const Adapter& a, const QX_CREATE_VD_REQUEST& r) {
  if (size_needs_force(a.device_id) && r.force_size == 0 && !is_tier_level(r.raid_level)) return 0;
  return r.size_mb;
}

}  // namespace

std::optional<uint16_t> next_vd_id(const Session& s) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  const Adapter& a = s.adapter();
  int64_t limit = a.max_vds != 0 ? std::min<int64_t>(a.max_vds, kVdIdLimit) : kVdIdLimit;
  Stmt stmt = db.prepare("SELECT id FROM vds WHERE adapter = ?1 ORDER BY id");
  stmt.bind(1, int64_t{adapter});
  int64_t expected = 0;
  int64_t count = 0;
  std::optional<int64_t> gap;
  while (stmt.step()) {
    int64_t id = stmt.column_int(0);
    if (!gap && id != expected) gap = expected;
    expected = id + 1;
    ++count;
  }
  if (count >= limit) return std::nullopt;
  int64_t id = gap.value_or(expected);
  if (id >= kVdIdLimit) return std::nullopt;
  return static_cast<uint16_t>(id);
}

bool valid_name(const char (&name)[QX_NAME_SIZE], bool may_fill) {
  size_t length = std::find(name, name + QX_NAME_SIZE, '\0') - name;
  if (length == 0 || (length == QX_NAME_SIZE && !may_fill)) return false;
  for (size_t i = 0; i < length; ++i) {
    unsigned char c = static_cast<unsigned char>(name[i]);
    bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!letter && !(c >= '0' && c <= '9') && c != ' ' && c != '_') return false;
  }
  return true;
}

bool same_disk_type(const Disk& x, const Disk& y, bool ssds_mix) {
  constexpr uint8_t kTransport = QX_PD_TYPE_SATA | QX_PD_TYPE_PATA | QX_PD_TYPE_SAS;
  return (x.type_bits & kTransport) == (y.type_bits & kTransport) && (ssds_mix || x.ssd == y.ssd);
}

bool stripe_supported(const Adapter& a, uint16_t stripe_kb) {
  uint16_t mask = a.stripe_sizes != 0 ? a.stripe_sizes : default_stripe_sizes(a.adv_features);
  for (int bit = 0; bit < 7; ++bit)
    if (stripe_kb == (16u << bit)) return (mask >> bit) & 1u;
  return false;
}

VdPlan plan_vd(const Session& s, const QX_CREATE_VD_REQUEST& r) {
  const Adapter& a = s.adapter();
  VdPlan plan;
  plan.parity = r.parity_disks != 0 ? r.parity_disks : default_parity(r.raid_level);
  if ((plan.status = check_request(a, r, plan.parity)) != kOk) return plan;

  std::vector<Disk> members;
  if ((plan.status = read_members(s, r, members)) != kOk) return plan;
  if ((plan.status = check_mix(a, r.raid_level, members)) != kOk) return plan;

  CapacityRequest want;
  want.level = r.raid_level;
  want.parity = plan.parity;
  want.stripe_kb = r.stripe_kb;
  want.rounding = r.rounding;
  uint64_t size_mb = requested_kb(a, r);
  if (size_mb > UINT64_MAX / kMbKb) {
    plan.status = kNoResource;
    return plan;
  }
  want.requested_kb = size_mb * kMbKb;
  std::vector<std::vector<Extent>> free;
  for (const Disk& d : members) {
    free.push_back(disk_free_extents(s, d));
    want.members.push_back({largest_extent_kb(free.back()), d.ssd});
  }
  CapacityPlan space = plan_capacity(want);
  plan.largest_kb = space.largest_kb;
  if ((plan.status = space.status) != kOk) return plan;
  plan.capacity_kb = space.capacity_kb;
  for (size_t i = 0; i < members.size(); ++i) {
    // A block is never larger than the disk's largest stretch, so it fits.
    uint64_t start = first_fit(free[i], space.block_kb[i]).value();
    plan.placements.push_back({members[i].id, start, space.block_kb[i]});
  }
  return plan;
}

uint8_t max_vd_size(const Session& s, const QX_CREATE_VD_REQUEST& request, uint64_t* size_kb) {
  QX_CREATE_VD_REQUEST all = request;
  all.size_mb = 0;
  VdPlan plan = plan_vd(s, all);
  if (plan.status != kOk) return plan.status;
  *size_kb = plan.capacity_kb;
  return kOk;
}

uint8_t check_vd_settings(const Adapter& a, uint8_t level, uint8_t rounding, uint8_t cache_policy, uint8_t init_mode,
                          const char (&name)[QX_NAME_SIZE]) {
  if (rounding_unit_kb(rounding) == 0) return kInvalidParameter;
  if (rounding != QX_ROUNDING_NONE && (a.adv_features & QX_ADV_NO_ROUNDING)) return kNotSupported;
  if (uint8_t s = check_cache(a, level, cache_policy)) return s;
  if (uint8_t s = check_init(a, level, init_mode)) return s;
  if (!valid_name(name, a.max_arrays != 0)) return kVdNameInvalid;
  return kOk;
}

uint8_t record_new_vd(const Session& s, Vd vd, const std::vector<Placement>& placements, uint8_t init_mode,
                      uint16_t* new_id) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  const Adapter& a = s.adapter();
  std::optional<uint16_t> id = next_vd_id(s);
  if (!id) return kNoVdId;
  std::optional<std::vector<uint16_t>> block_ids = free_block_ids(s, placements.size());
  if (!block_ids) return kNoResource;
  vd.id = *id;
  vd.last_write_time = s.now_ms() / 1000;
  insert_row(db, vd_model(), adapter, vd);
  carve_blocks(s, vd.id, placements, *block_ids);
  log_vd_event(s, vd, events::kVdCreated);

  if (init_mode != QX_INIT_NONE) {
    // Initialization overwrites what the disks held.
    Stmt wipe = db.prepare("UPDATE disks SET has_file_system = 0 WHERE adapter = ?1 AND id = ?2 AND has_file_system <> 0");
    for (const Placement& p : placements) {
      wipe.bind(1, int64_t{adapter}).bind(2, int64_t{p.pd});
      wipe.run();
      wipe.reset();
    }
    if (init_mode == QX_INIT_QUICK)
      start_vd_activity(s, vd.id, ActivityKind::kInitQuick, kQuickInitSeconds);
    else if (init_mode == QX_INIT_FOREGROUND)
      start_vd_activity(s, vd.id, ActivityKind::kInitForeground, activity_duration_s(a, vd.size_kb));
    else
      start_vd_activity(s, vd.id, ActivityKind::kInitBackground, activity_duration_s(a, vd.size_kb));
  }
  *new_id = vd.id;
  return kOk;
}

uint8_t create_vd(const Session& s, const QX_CREATE_VD_REQUEST& r, uint16_t* new_id) {
  VdPlan plan = plan_vd(s, r);
  if (plan.status != kOk) return plan.status;
  Vd vd;
  vd.name = std::string(r.name, std::find(r.name, r.name + QX_NAME_SIZE, '\0'));
  vd.state = QX_VD_FUNCTIONAL;
  vd.raid_level = r.raid_level;
  vd.stripe_kb = r.stripe_kb;
  vd.cache_flags = r.cache_policy;
  vd.size_kb = plan.capacity_kb;
  const RaidLevel& level = *find_raid_level(r.raid_level);
  vd.parity_disks = level.default_parity != 0 ? plan.parity : 0;
  vd.sub_vd_count = level.sub_vds;
  vd.members = r.pd_count;
  return record_new_vd(s, vd, plan.placements, r.init_mode, new_id);
}

}  // namespace qx::sim
