#include "sim/engine/array_migration.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "api/raid_levels.h"
#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/allocate.h"
#include "sim/engine/array_records.h"
#include "sim/engine/bga_control.h"
#include "sim/engine/capacity.h"
#include "sim/engine/migration.h"
#include "sim/engine/migration_capacity.h"
#include "sim/engine/rebuild.h"
#include "sim/engine/vd_create.h"
#include "sim/model/array.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

struct ArrayAsk {
  uint8_t status = 0;
  std::optional<ArrayView> view;
  MigrationAsk ask;
};

ArrayAsk read_ask(const Session& s, const QX_ARRAY_REQUEST& r) {
  ArrayAsk out;
  const Adapter& a = s.adapter();
  if (a.max_arrays == 0) out.status = kNotSupportedOnAdapter;
  else if (!(a.features & QX_FEATURE_MIGRATION)) out.status = kMigrationNotSupported;
  else if (!(out.view = array_view(s, r.array_id))) out.status = kInvalidArrayId;
  if (out.status != kOk) return out;
  const Array& array = out.view->array;
  MigrationAsk& ask = out.ask;
  ask.array_rules = true;
  ask.level = r.raid_level;
  ask.parity = r.parity_disks;
  ask.targets.assign(r.pd_ids, r.pd_ids + std::min<size_t>(r.pd_count, QX_ARRAY_REQUEST_MAX_PDS));
  ask.members = array.pds;
  for (const Vd& vd : select_rows(s.db(), vd_model(), s.adapter_id(), "array_id = ?1", {json(array.id)}))
    ask.own_vds.insert(vd.id);
  for (uint16_t vd : ask.own_vds)
    for (const Block& b : select_rows(s.db(), block_model(), s.adapter_id(), "vd = ?1", {json(vd)}))
      ask.member_blocks.push_back(b);
  const std::vector<uint64_t>& used = out.view->member_used_kb;
  ask.block_kb = used.empty() ? 0 : *std::max_element(used.begin(), used.end());
  ask.stripe_kb = array.stripe_kb;
  const uint8_t parity_now = array.parity_disks != 0 ? array.parity_disks : default_parity(array.raid_level);
  ask.current_kb = migrated_capacity(array.raid_level, parity_now, array.stripe_kb, ask.block_kb,
                                     static_cast<int>(array.pds.size()), 0)
                       .size_kb;
  return out;
}

bool is_functional(uint8_t state) { return state == QX_VD_FUNCTIONAL || state == QX_VD_FUNCTIONAL_INITIALIZED; }

// Whether a VD outside the array migrates.
bool other_array_migrates(const Session& s, const std::set<uint16_t>& own) {
  for (const Activity& a : select_rows(s.db(), activity_model(), s.adapter_id(), "kind = 'migration'"))
    if (own.count(a.vd) == 0 && is_active(a)) return true;
  return false;
}

// The VDs' own start checks, in the order an array asks them.
uint8_t check_vds(const Session& s, const ArrayView& view) {
  for (const Vd& vd : view.vds)
    if (!is_functional(vd.state)) return kVdStateWrong;
  for (const Vd& vd : view.vds)
    if (std::optional<Activity> a = vd_activity(s, vd.id); a && is_active(*a)) return kArrayHasBga;
  return kOk;
}

}  // namespace

uint8_t array_migration_size(const Session& s, QX_ARRAY_REQUEST& r) {
  const ArrayAsk in = read_ask(s, r);
  if (in.status != kOk) return in.status;
  const MigrationCheck check = check_migration(s, in.ask);
  r.size = check.size_kb;
  return check.status;
}

uint8_t start_array_migration(const Session& s, const QX_ARRAY_REQUEST& r) {
  const ArrayAsk in = read_ask(s, r);
  if (in.status != kOk) return in.status;
  const MigrationCheck check = check_migration(s, in.ask);
  if (check.status != kOk) return check.status;
  Array array = in.view->array;
  const std::vector<uint16_t>& targets = in.ask.targets;
  if (uint8_t status = check_migration_changes(array.raid_level, array.parity_disks, array.pds, r.raid_level,
                                               check.parity, targets))
    return status;
  if (uint8_t status = check_vds(s, *in.view)) return status;
  if (other_array_migrates(s, in.ask.own_vds)) return kArrayMigrating;
  array.pds = targets;
  if (in.view->vds.empty()) {  // nothing to move: the array changes at once
    array.raid_level = r.raid_level;
    array.parity_disks = find_raid_level(r.raid_level)->default_parity != 0 ? check.parity : 0;
  }
  update_row(s.db(), array_model(), s.adapter_id(), array);
  for (const Vd& vd : in.view->vds) {
    // Any status answered here rolls the whole call back.
    if (!next_vd_id(s)) return kNoVdId;
    if (!free_block_ids(s, check.new_disks.size())) return kNoResource;
    std::vector<Block> blocks = select_rows(s.db(), block_model(), s.adapter_id(), "vd = ?1", {json(vd.id)});
    const MigratedSize size = migrated_capacity(r.raid_level, check.parity, vd.stripe_kb, member_block_kb(blocks),
                                                static_cast<int>(targets.size()), 0);
    // A VD whose size is no whole MB keeps it rather than lose the fraction.
    begin_vd_migration(s, vd, r.raid_level, check.parity, std::max(size.size_kb, vd.size_kb), targets);
  }
  return kOk;
}

}  // namespace qx::sim
