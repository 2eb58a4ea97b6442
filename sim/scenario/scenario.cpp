#include "sim/scenario/scenario.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <vector>

#include "api/raid_levels.h"
#include "sim/engine/activities.h"
#include "sim/engine/call_registry.h"
#include "sim/engine/clock.h"
#include "sim/engine/flash_store.h"
#include "sim/engine/image_files.h"
#include "sim/engine/image_format.h"
#include "sim/model/activity.h"
#include "sim/model/adapter.h"
#include "sim/model/aes.h"
#include "sim/model/array.h"
#include "sim/model/battery.h"
#include "sim/model/disk.h"
#include "sim/model/disk_media.h"
#include "sim/model/event.h"
#include "sim/model/element.h"
#include "sim/model/fault.h"
#include "sim/model/flash_image.h"
#include "sim/model/register.h"
#include "sim/model/smart.h"
#include "sim/model/tier.h"
#include "sim/model/topology.h"
#include "sim/model/vd.h"
#include "sim/scenario/builtin.h"
#include "sim/store/schema.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

// Everything a scenario describes, checked and ready to be written.
struct AdapterData {
  Adapter adapter;
  std::vector<Disk> disks;
  std::vector<Vd> vds;
  std::vector<Block> blocks;
  std::vector<Array> arrays;
  std::vector<Activity> activities;
  std::vector<Event> events;
  std::optional<Battery> battery;
  std::vector<Enclosure> enclosures;
  std::vector<Expander> expanders;
  std::vector<PortMultiplier> pms;
  std::vector<Element> elements;
  std::vector<SmartAttribute> smart;
  std::vector<AesEntry> aes_entries;
  std::vector<AesPort> aes_ports;
  std::vector<FlashImage> images;
  std::vector<ErrorEntry> error_table;
  std::vector<WrittenSector> written_sectors;
  std::vector<RegisterValue> registers;
  std::vector<TierEntry> tier_entries;
  std::vector<SsdSegment> ssd_segments;
};

struct ScenarioData {
  std::string description;
  Clock clock;
  std::vector<AdapterData> adapters;
  std::vector<Fault> faults;
};

[[noreturn]] void fail(const std::string& path, const std::string& what) {
  throw ScenarioError(path + ": " + what);
}

void expect_object(const json& value, const std::string& path) {
  if (!value.is_object()) fail(path, "expected an object, got " + describe(value));
}

void check_keys(const json& object, const std::string& path, const std::set<std::string>& allowed) {
  for (auto it = object.begin(); it != object.end(); ++it)
    if (!allowed.count(it.key())) fail(path, "unknown key '" + it.key() + "'");
}

// One object of a model. `position` is the object's index in its list; an
// object of a model keyed by one id and without it takes `position +
// id_base` as id.
template <class T>
T read_object(const Model<T>& model, const json& object, const std::string& path,
              const std::set<std::string>& nested_keys, std::optional<int64_t> position = std::nullopt) {
  expect_object(object, path);
  std::set<std::string> allowed = nested_keys;
  for (const Field<T>& f : model.fields)
    if (f.in_scenario) allowed.insert(f.name);
  check_keys(object, path, allowed);

  T row = model.defaults();
  if (position && model.key.size() == 1) {
    if (const Field<T>* id = model.find(model.key.front())) {
      try {
        id->set(row, json(*position));
      } catch (const FieldError&) {
        fail(path, "too many entries");
      }
    }
  }
  for (const Field<T>& f : model.fields) {
    if (!f.in_scenario || !object.contains(f.name)) continue;
    try {
      f.set(row, object.at(f.name));
    } catch (const FieldError& e) {
      fail(path + "." + f.name, e.what());
    }
  }
  return row;
}

template <class T>
json write_object(const Model<T>& model, const T& row) {
  json object = json::object();
  for (const Field<T>& f : model.fields)
    if (f.in_scenario) object[f.name] = f.get(row);
  return object;
}

template <class T>
std::vector<T> read_list(const Model<T>& model, const json& parent, const std::string& key, const std::string& path,
                         int64_t id_base = 0) {
  std::vector<T> rows;
  if (!parent.contains(key)) return rows;
  const json& list = parent.at(key);
  if (!list.is_array()) fail(path + "." + key, "expected a list, got " + describe(list));
  for (size_t i = 0; i < list.size(); ++i)
    rows.push_back(read_object(model, list[i], path + "." + key + "[" + std::to_string(i) + "]", {},
                               static_cast<int64_t>(i) + id_base));
  return rows;
}

std::string entry(const std::string& path, const std::string& key, size_t index) {
  return path + "." + key + "[" + std::to_string(index) + "]";
}

// Ids of a list must be unique; returns id -> index.
template <class T, class F>
std::map<int64_t, size_t> unique_ids(const std::vector<T>& rows, F id_of, const std::string& path,
                                     const std::string& key, const std::string& id_name = "id") {
  std::map<int64_t, size_t> index;
  for (size_t i = 0; i < rows.size(); ++i) {
    int64_t id = id_of(rows[i]);
    if (!index.emplace(id, i).second)
      fail(entry(path, key, i) + "." + id_name, "value " + std::to_string(id) + " is used twice");
  }
  return index;
}

void check_adapter(const AdapterData& a, const std::string& path) {
  std::map<int64_t, size_t> disks = unique_ids(
      a.disks, [](const Disk& d) { return d.id; }, path, "disks");
  std::map<int64_t, size_t> vds = unique_ids(
      a.vds, [](const Vd& v) { return v.id; }, path, "vds");
  unique_ids(
      a.blocks, [](const Block& b) { return b.id; }, path, "blocks");
  unique_ids(
      a.activities, [](const Activity& x) { return x.id; }, path, "activities");
  unique_ids(
      a.events, [](const Event& e) { return e.seq; }, path, "events", "seq");

  for (size_t i = 0; i < a.vds.size(); ++i) {
    const Vd& v = a.vds[i];
    if (find_raid_level(v.raid_level) == nullptr)
      fail(entry(path, "vds", i) + ".raid_level", "value " + std::to_string(v.raid_level) + " is not a RAID level");
    if (v.target_of != kNoId && (!vds.count(v.target_of) || v.target_of == v.id))
      fail(entry(path, "vds", i) + ".target_of", "value " + std::to_string(v.target_of) + " names no other VD");
  }
  // Following the migration targets from any VD must come to an end.
  for (size_t i = 0; i < a.vds.size(); ++i) {
    size_t steps = 0;
    for (int64_t at = a.vds[i].target_of; at != kNoId; at = a.vds[vds.at(at)].target_of)
      if (++steps > a.vds.size())
        fail(entry(path, "vds", i) + ".target_of",
             "value " + std::to_string(a.vds[i].target_of) + " leads round a cycle of migration targets");
  }

  std::set<std::pair<int64_t, int64_t>> members;  // (vd, member)
  std::map<int64_t, std::vector<const Block*>> by_disk;
  for (size_t i = 0; i < a.blocks.size(); ++i) {
    const Block& b = a.blocks[i];
    std::string at = entry(path, "blocks", i);
    auto disk = disks.find(b.pd);
    if (disk == disks.end()) fail(at + ".pd", "value " + std::to_string(b.pd) + " names no disk");
    if (b.vd != kNoId && !vds.count(b.vd)) fail(at + ".vd", "value " + std::to_string(b.vd) + " names no VD");
    if (b.vd != kNoId && !members.emplace(b.vd, b.member).second)
      fail(at + ".member", "value " + std::to_string(b.member) + " is used twice in VD " + std::to_string(b.vd));
    const Disk& d = a.disks[disk->second];
    if (b.size_kb == 0) fail(at + ".size_kb", "value 0: a block needs a size");
    if (b.start_kb + b.size_kb > d.size_kb)
      fail(at + ".size_kb",
           "value " + std::to_string(b.size_kb) + " runs past the end of disk " + std::to_string(d.id));
    for (const Block* other : by_disk[b.pd])
      if (b.start_kb < other->start_kb + other->size_kb && other->start_kb < b.start_kb + b.size_kb)
        fail(at + ".start_kb", "value " + std::to_string(b.start_kb) + " overlaps block " + std::to_string(other->id));
    by_disk[b.pd].push_back(&b);
  }
  for (size_t i = 0; i < a.vds.size(); ++i) {
    int64_t highest_member = -1;
    for (const Block& b : a.blocks) {
      if (b.vd != a.vds[i].id) continue;
      highest_member = std::max<int64_t>(highest_member, b.member);
    }
    if (a.vds[i].members != 0 && highest_member >= a.vds[i].members)
      fail(entry(path, "vds", i) + ".members",
           "value " + std::to_string(a.vds[i].members) + " is too small for member " + std::to_string(highest_member));
  }

  std::map<int64_t, size_t> arrays = unique_ids(
      a.arrays, [](const Array& r) { return r.id; }, path, "arrays");
  for (size_t i = 0; i < a.arrays.size(); ++i) {
    std::set<uint16_t> seen;
    for (uint16_t pd : a.arrays[i].pds) {
      if (!disks.count(pd)) fail(entry(path, "arrays", i) + ".pds", "value " + std::to_string(pd) + " names no disk");
      if (!seen.insert(pd).second)
        fail(entry(path, "arrays", i) + ".pds", "value " + std::to_string(pd) + " is listed twice");
    }
  }
  // On an adapter that keeps arrays, every VD lies on one and a dedicated
  // spare serves one.
  if (a.adapter.max_arrays != 0) {
    for (size_t i = 0; i < a.vds.size(); ++i)
      if (!arrays.count(a.vds[i].array_id))
        fail(entry(path, "vds", i) + ".array_id", "value " + std::to_string(a.vds[i].array_id) + " names no array");
    for (size_t i = 0; i < a.disks.size(); ++i)
      if (a.disks[i].spare == SpareKind::kDedicated && !arrays.count(a.disks[i].spare_array))
        fail(entry(path, "disks", i) + ".spare_array",
             "value " + std::to_string(a.disks[i].spare_array) + " names no array");
  }

  std::set<std::pair<bool, int64_t>> busy;  // (is disk, id)
  for (size_t i = 0; i < a.activities.size(); ++i) {
    const Activity& x = a.activities[i];
    std::string at = entry(path, "activities", i);
    if (is_disk_activity(x.kind)) {
      if (x.vd != kNoId) fail(at + ".vd", "a disk activity has no VD");
      if (!disks.count(x.pd)) fail(at + ".pd", "value " + std::to_string(x.pd) + " names no disk");
    } else {
      if (x.pd != kNoId) fail(at + ".pd", "a VD activity has no disk");
      if (!vds.count(x.vd)) fail(at + ".vd", "value " + std::to_string(x.vd) + " names no VD");
      const bool ended = x.state == ActivityState::kAborted || x.state == ActivityState::kInterrupted;
      if (x.kind == ActivityKind::kMigration && !ended &&
          std::none_of(a.vds.begin(), a.vds.end(), [&](const Vd& v) { return v.target_of == x.vd; }))
        fail(at + ".vd", "value " + std::to_string(x.vd) + " has no VD for its migration to build (target_of)");
    }
    if (x.target_pd != kNoId) {
      if (x.kind != ActivityKind::kCopyBack) fail(at + ".target_pd", "only a copy back has a target disk");
      auto target = disks.find(x.target_pd);
      if (target == disks.end() || !a.disks[target->second].present)
        fail(at + ".target_pd", "value " + std::to_string(x.target_pd) + " names no present disk");
      for (const Block& b : a.blocks)
        if (b.pd == x.target_pd) fail(at + ".target_pd", "disk " + std::to_string(x.target_pd) + " holds a block");
    }
    bool on_disk = is_disk_activity(x.kind);
    if (!busy.emplace(on_disk, on_disk ? x.pd : x.vd).second)
      fail(at,
           std::string("a second activity on ") + (on_disk ? "disk " : "VD ") + std::to_string(on_disk ? x.pd : x.vd));
  }
}

// Follows the parent links of a chain of devices of one kind (expanders on
// expanders, port multipliers on port multipliers): each parent must exist,
// and no chain may come back to where it started.
template <class T>
void check_chain(const std::vector<T>& rows, uint8_t chain_kind, const std::string& path, const std::string& key,
                 const char* noun) {
  std::map<int64_t, size_t> ids = unique_ids(
      rows, [](const T& r) { return r.id; }, path, key);
  for (size_t i = 0; i < rows.size(); ++i) {
    const T& r = rows[i];
    std::string at = entry(path, key, i);
    if (r.parent_kind != QX_NODE_ADAPTER_PORT && r.parent_kind != chain_kind)
      fail(at + ".parent_kind", "value " + std::to_string(r.parent_kind) + ": a " + noun + " hangs on 255 (a port) or " +
                                    std::to_string(chain_kind) + " (another " + noun + ")");
    if (r.parent_phys.empty()) fail(at + ".parent_phys", "a cable needs at least one PHY of the parent");
    if (r.parent_kind == chain_kind && !ids.count(r.parent_id))
      fail(at + ".parent_id", "value " + std::to_string(r.parent_id) + " names no " + noun);
  }
  for (size_t i = 0; i < rows.size(); ++i) {
    size_t steps = 0;
    for (const T* at = &rows[i]; at->parent_kind == chain_kind; at = &rows[ids.at(at->parent_id)])
      if (++steps > rows.size())
        fail(entry(path, key, i) + ".parent_id",
             "value " + std::to_string(rows[i].parent_id) + " leads round a cycle of " + noun + "s");
  }
}

void check_devices(const AdapterData& a, const std::string& path) {
  std::map<int64_t, size_t> enclosures = unique_ids(
      a.enclosures, [](const Enclosure& e) { return e.id; }, path, "enclosures");
  if (!a.expanders.empty() && a.adapter.expander_support == 0)
    fail(path + ".expanders", "the adapter does not support expanders (expander_support is 0)");
  if (!a.pms.empty() && a.adapter.pm_support == 0)
    fail(path + ".pms", "the adapter does not support port multipliers (pm_support is 0)");
  check_chain(a.expanders, QX_NODE_EXPANDER, path, "expanders", "expander");
  check_chain(a.pms, QX_NODE_PM, path, "pms", "port multiplier");
  std::map<int64_t, int> per_enclosure;
  for (size_t i = 0; i < a.expanders.size(); ++i) {
    const Expander& x = a.expanders[i];
    if (!enclosures.count(x.enclosure_id))
      fail(entry(path, "expanders", i) + ".enclosure_id", "value " + std::to_string(x.enclosure_id) + " names no enclosure");
    if (++per_enclosure[x.enclosure_id] > QX_ENCLOSURE_MAX_EXPANDERS)
      fail(entry(path, "expanders", i) + ".enclosure_id",
           "enclosure " + std::to_string(x.enclosure_id) + " holds at most " +
               std::to_string(int{QX_ENCLOSURE_MAX_EXPANDERS}) + " expanders");
  }
  std::set<int64_t> expanders, pms;
  for (const Expander& x : a.expanders) expanders.insert(x.id);
  for (const PortMultiplier& p : a.pms) pms.insert(p.id);
  std::map<int64_t, size_t> disks;
  for (size_t i = 0; i < a.disks.size(); ++i) {
    const Disk& d = a.disks[i];
    disks.emplace(d.id, i);
    if ((d.link_kind == QX_LINK_EXPANDER && !expanders.count(d.parent_id)) ||
        (d.link_kind == QX_LINK_PM && !pms.count(d.parent_id)))
      fail(entry(path, "disks", i) + ".parent_id",
           "value " + std::to_string(d.parent_id) + " names no " +
               (d.link_kind == QX_LINK_EXPANDER ? "expander" : "port multiplier"));
  }
  std::set<std::tuple<int64_t, uint8_t, int64_t>> elements;
  for (size_t i = 0; i < a.elements.size(); ++i) {
    const Element& e = a.elements[i];
    std::string at = entry(path, "elements", i);
    if (!enclosures.count(e.enclosure))
      fail(at + ".enclosure", "value " + std::to_string(e.enclosure) + " names no enclosure");
    if (!elements.emplace(e.enclosure, type_code(e.kind), e.number).second)
      fail(at + ".number", "value " + std::to_string(e.number) + " is used twice for this type in the enclosure");
    if (e.status != kStatusFromReadings && e.status > QX_ELEMENT_NO_ACCESS)
      fail(at + ".status", "value " + std::to_string(e.status) + ": a status is 0 to 8, or 255 to follow the readings");
  }
  std::map<int64_t, int> attributes;
  std::set<std::pair<int64_t, int64_t>> attribute_ids;
  for (size_t i = 0; i < a.smart.size(); ++i) {
    const SmartAttribute& m = a.smart[i];
    std::string at = entry(path, "smart_attributes", i);
    auto disk = disks.find(m.pd);
    if (disk == disks.end()) fail(at + ".pd", "value " + std::to_string(m.pd) + " names no disk");
    if ((a.disks[disk->second].type_bits & QX_PD_TYPE_SATA) == 0)
      fail(at + ".pd", "disk " + std::to_string(m.pd) + " is no SATA disk: only SATA disks report SMART attributes");
    if (!attribute_ids.emplace(m.pd, m.id).second)
      fail(at + ".id", "value " + std::to_string(m.id) + " is used twice on disk " + std::to_string(m.pd));
    if (++attributes[m.pd] > QX_SMART_MAX_ATTRIBUTES)
      fail(at, "disk " + std::to_string(m.pd) + " has more than " + std::to_string(int{QX_SMART_MAX_ATTRIBUTES}) +
                   " attributes");
    if (m.worst > m.current)
      fail(at + ".worst", "value " + std::to_string(m.worst) + " is above the current value " + std::to_string(m.current));
  }
}

// Error entries and written sectors lie on a disk of the adapter, within its
// size; a disk's table fits the adapter's capacity; registers sit where the
// adapter has writable ones.
void check_diagnostics(const AdapterData& a, const std::string& path) {
  std::map<int64_t, const Disk*> disks;
  for (const Disk& d : a.disks) disks[d.id] = &d;
  auto disk_of = [&](const std::string& at, uint16_t pd) -> const Disk& {
    auto it = disks.find(pd);
    if (it == disks.end()) fail(at + ".pd", "value " + std::to_string(pd) + " names no disk");
    return *it->second;
  };
  auto sectors_of = [](const Disk& d) { return d.sector_size == 0 ? 0 : d.size_kb * 1024 / d.sector_size; };
  std::map<int64_t, int> per_disk;
  for (size_t i = 0; i < a.error_table.size(); ++i) {
    const ErrorEntry& e = a.error_table[i];
    std::string at = entry(path, "error_table", i);
    if (e.lba + e.sectors > sectors_of(disk_of(at, e.pd)))
      fail(at + ".sectors", "the range passes the end of disk " + std::to_string(e.pd));
    if (++per_disk[e.pd] > a.adapter.rct_capacity)
      fail(at, "disk " + std::to_string(e.pd) + " has more entries than rct_capacity " +
                   std::to_string(a.adapter.rct_capacity));
  }
  for (size_t i = 0; i < a.written_sectors.size(); ++i) {
    const WrittenSector& w = a.written_sectors[i];
    std::string at = entry(path, "written_sectors", i);
    const Disk& d = disk_of(at, w.pd);
    if (w.lba >= sectors_of(d)) fail(at + ".lba", "value " + std::to_string(w.lba) + " passes the end of the disk");
    if (w.data.size() != d.sector_size)
      fail(at + ".data", "holds " + std::to_string(w.data.size()) + " bytes, the disk's sectors " +
                             std::to_string(d.sector_size));
  }
  for (size_t i = 0; i < a.registers.size(); ++i) {
    const RegisterValue& r = a.registers[i];
    const bool fits = r.space == RegisterSpace::kMailbox
                          ? r.address < kMailboxRegisters
                          : r.address % 4 == 0 && r.address >= kFirstWritableRegister;
    if (!fits) fail(entry(path, "registers", i) + ".address", "value " + std::to_string(r.address) + " is no writable register");
  }
}

// Entries and ports below the adapter's counts exist; those a scenario
// leaves out are fresh (no key; unlinked and off).
// Tier entries and segments belong to hybrid-tier VDs of the adapter; a
// segment number is given once.
void check_tier_tables(const AdapterData& a, const std::string& path) {
  unique_ids(
      a.ssd_segments, [](const SsdSegment& g) { return g.number; }, path, "ssd_segments");
  auto tier_vd = [&](const std::string& at, uint16_t vd) {
    for (const Vd& v : a.vds)
      if (v.id == vd && is_tier_level(v.raid_level)) return;
    fail(at, "value " + std::to_string(vd) + " is not a hybrid-tier VD of the adapter");
  };
  for (size_t i = 0; i < a.tier_entries.size(); ++i)
    tier_vd(entry(path, "tier_entries", i) + ".vd", a.tier_entries[i].vd);
  for (size_t i = 0; i < a.ssd_segments.size(); ++i)
    tier_vd(entry(path, "ssd_segments", i) + ".vd", a.ssd_segments[i].vd);
}

void check_aes(const AdapterData& a, const std::string& path) {
  std::map<int64_t, size_t> entries = unique_ids(
      a.aes_entries, [](const AesEntry& e) { return e.id; }, path, "aes_entries");
  unique_ids(
      a.aes_ports, [](const AesPort& p) { return p.id; }, path, "aes_ports");
  const uint8_t entry_count = a.adapter.aes_entry_count, port_count = a.adapter.aes_port_count;
  auto below = [](const std::string& at, int64_t value, uint8_t count, const char* what) {
    if (value >= count)
      fail(at, "value " + std::to_string(value) + " is not below " + what + " " + std::to_string(count));
  };
  for (size_t i = 0; i < a.aes_entries.size(); ++i)
    below(entry(path, "aes_entries", i) + ".id", a.aes_entries[i].id, entry_count, "aes_entry_count");
  for (size_t i = 0; i < a.aes_ports.size(); ++i) {
    const AesPort& p = a.aes_ports[i];
    std::string at = entry(path, "aes_ports", i);
    below(at + ".id", p.id, port_count, "aes_port_count");
    if (p.entry != QX_AES_NO_ENTRY) below(at + ".entry", p.entry, entry_count, "aes_entry_count");
    const bool keyed = p.entry != QX_AES_NO_ENTRY && entries.count(p.entry) &&
                       !a.aes_entries[entries.at(p.entry)].key.empty();
    if (p.enabled && !keyed) fail(at + ".enabled", "AES is on only on a port linked to an entry with a key");
  }
  for (size_t i = 0; i < a.disks.size(); ++i) {
    const Disk& d = a.disks[i];
    if (d.aes_port != kNoAesPort) below(entry(path, "disks", i) + ".aes_port", d.aes_port, port_count, "aes_port_count");
    if (d.key_entry != QX_AES_NO_ENTRY)
      below(entry(path, "disks", i) + ".key_entry", d.key_entry, entry_count, "aes_entry_count");
  }
}

// What a disk's entry leaves out and its other fields decide: the slot is
// the port, the port is the first parent PHY, and a named SMART set gives
// the disk every attribute of the set that the scenario does not list for it.
// Flash regions and the PD page an adapter starts with when the scenario
// leaves them out: the adapter's own images, and an entry for every disk.
void complete_flash(AdapterData& a, const json& object, const std::string& path) {
  if (!object.contains("pd_page"))
    for (const Disk& d : a.disks) a.adapter.pd_page.push_back(d.id);
  if (!object.contains("images")) {
    a.images = default_images(a.adapter);
    return;
  }
  a.images = read_list(flash_image_scenario_model(), object, "images", path);
  unique_ids(
      a.images, [](const FlashImage& f) { return int64_t{f.code()}; }, path, "images", "type");
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < a.images.size(); ++i) {
    const FlashImage& f = a.images[i];
    if (!f.content.empty() && !from_base64(f.content, bytes))
      fail(entry(path, "images", i) + ".content", "is not base64");
    if (!f.content.empty() && bytes.size() > f.capacity)
      fail(entry(path, "images", i) + ".content", "is larger than the region's capacity");
  }
}

void complete_disks(AdapterData& a, const json& object) {
  const json& list = object.contains("disks") ? object.at("disks") : json::array();
  for (size_t i = 0; i < a.disks.size(); ++i) {
    Disk& d = a.disks[i];
    if (!d.parent_phys.empty()) d.port = d.parent_phys.front();
    if (!list[i].contains("slot")) d.slot = d.port;
  }
  std::set<std::pair<uint16_t, uint8_t>> listed;
  for (const SmartAttribute& m : a.smart) listed.emplace(m.pd, m.id);
  for (const Disk& d : a.disks) {
    if (d.smart_set == SmartSet::kNone) continue;
    for (SmartAttribute& m : smart_set(disk_model().find("smart_set")->get(d).get<std::string>(), d.id))
      if (!listed.count({m.pd, m.id})) a.smart.push_back(std::move(m));
  }
}

Clock read_clock_object(const json& doc) {
  Clock clock;
  if (!doc.contains("clock")) return clock;
  const json& c = doc.at("clock");
  expect_object(c, "clock");
  check_keys(c, "clock", {"frozen", "time_ms", "offset_ms"});
  try {
    if (c.contains("frozen")) clock.frozen = expect_bool(c.at("frozen"));
  } catch (const FieldError& e) {
    fail("clock.frozen", e.what());
  }
  auto integer = [&](const char* key) {
    try {
      return expect_integer(c.at(key), -kClockLimitMs, kClockLimitMs);
    } catch (const FieldError& e) {
      fail(std::string("clock.") + key, e.what());
    }
  };
  if (c.contains("offset_ms") && c.contains("time_ms")) fail("clock", "give either time_ms or offset_ms, not both");
  if (clock.frozen && c.contains("offset_ms")) fail("clock.offset_ms", "a frozen clock takes time_ms");
  if (c.contains("offset_ms")) clock.offset_ms = integer("offset_ms");
  if (clock.frozen) {
    clock.frozen_at_ms = c.contains("time_ms") ? integer("time_ms") : real_time_ms();
  } else if (c.contains("time_ms")) {
    clock.set(integer("time_ms"));
  }
  return clock;
}

ScenarioData read_document(const json& doc) {
  expect_object(doc, "scenario");
  check_keys(doc, "scenario", {"description", "clock", "adapters", "faults"});
  ScenarioData data;
  if (doc.contains("description")) {
    if (!doc.at("description").is_string())
      fail("description", "expected a string, got " + describe(doc.at("description")));
    data.description = doc.at("description").get<std::string>();
  }
  data.clock = read_clock_object(doc);

  if (doc.contains("adapters")) {
    const json& list = doc.at("adapters");
    if (!list.is_array()) fail("adapters", "expected a list, got " + describe(list));
    if (list.size() > 16) fail("adapters", "at most 16 adapters, got " + std::to_string(list.size()));
    for (size_t i = 0; i < list.size(); ++i) {
      std::string path = "adapters[" + std::to_string(i) + "]";
      const json& object = list[i];
      AdapterData a;
      a.adapter =
          read_object(adapter_model(), object, path,
                      {"disks", "vds", "blocks", "arrays", "activities", "events", "battery", "enclosures", "expanders",
                       "pms", "elements", "smart_attributes", "aes_entries", "aes_ports", "images", "error_table",
                       "written_sectors", "registers", "tier_entries", "ssd_segments"},
                      static_cast<int64_t>(i));
      if (a.adapter.id != i)
        fail(path + ".id", "value " + std::to_string(a.adapter.id) + ", expected " + std::to_string(i) +
                               " (adapters are numbered in order)");
      a.disks = read_list(disk_model(), object, "disks", path);
      a.vds = read_list(vd_model(), object, "vds", path);
      a.blocks = read_list(block_model(), object, "blocks", path);
      for (Vd& v : a.vds) {  // without "members", every member slot has its block
        if (v.members != 0) continue;
        for (const Block& b : a.blocks)
          if (b.vd == v.id) v.members = static_cast<uint8_t>(std::max<int>(v.members, b.member + 1));
      }
      a.arrays = read_list(array_model(), object, "arrays", path);
      a.activities = read_list(activity_model(), object, "activities", path);
      a.events = read_list(event_model(), object, "events", path, 1);
      if (object.contains("battery"))
        a.battery = read_object(battery_model(), object.at("battery"), path + ".battery", {});
      a.enclosures = read_list(enclosure_model(), object, "enclosures", path);
      a.expanders = read_list(expander_model(), object, "expanders", path);
      a.pms = read_list(pm_model(), object, "pms", path);
      a.elements = read_list(element_model(), object, "elements", path);
      a.smart = read_list(smart_model(), object, "smart_attributes", path);
      a.aes_entries = read_list(aes_entry_model(), object, "aes_entries", path);
      a.aes_ports = read_list(aes_port_model(), object, "aes_ports", path);
      a.error_table = read_list(error_entry_model(), object, "error_table", path);
      a.written_sectors = read_list(written_sector_model(), object, "written_sectors", path);
      a.registers = read_list(register_model(), object, "registers", path);
      a.tier_entries = read_list(tier_entry_model(), object, "tier_entries", path);
      a.ssd_segments = read_list(ssd_segment_model(), object, "ssd_segments", path);
      check_tier_tables(a, path);
      complete_disks(a, object);
      complete_flash(a, object, path);
      check_adapter(a, path);
      check_devices(a, path);
      check_aes(a, path);
      check_diagnostics(a, path);
      data.adapters.push_back(std::move(a));
    }
  }
  data.faults = read_list(fault_model(), doc, "faults", "scenario", 1);
  unique_ids(
      data.faults, [](const Fault& f) { return f.id; }, "scenario", "faults");
  for (size_t i = 0; i < data.faults.size(); ++i) {
    if (const char* refusal = fault_refusal(data.faults[i].function))
      fail(entry("scenario", "faults", i) + ".function", "value \"" + data.faults[i].function + "\" " + refusal);
    if (data.faults[i].adapter >= static_cast<int>(data.adapters.size()))
      fail(entry("scenario", "faults", i) + ".adapter",
           "value " + std::to_string(data.faults[i].adapter) + " names no adapter");
    if (data.faults[i].remaining == 0)
      fail(entry("scenario", "faults", i) + ".remaining", "value 0: the fault would never apply");
  }
  return data;
}

template <class T>
void insert_all(Db& db, const Model<T>& model, int adapter, const std::vector<T>& rows) {
  for (const T& row : rows) insert_row(db, model, adapter, row);
}

}  // namespace

namespace {

// Watches the parser: refuses a key given twice in one object and nesting
// deeper than kMaxScenarioDepth, naming the path where it happens. The
// parser builds nothing deeper than that, and no later step has to cope
// with values of unbounded depth.
class ParseWatch {
 public:
  bool operator()(int, json::parse_event_t event, json& parsed) {
    switch (event) {
      case json::parse_event_t::object_start:
      case json::parse_event_t::array_start: {
        std::string path = next_path();
        if (frames_.size() >= kMaxScenarioDepth)
          throw ScenarioError((path.empty() ? "scenario" : path) + ": nested deeper than " +
                              std::to_string(kMaxScenarioDepth) + " levels");
        frames_.push_back({event == json::parse_event_t::array_start, 0, {}, {}, std::move(path)});
        break;
      }
      case json::parse_event_t::object_end:
      case json::parse_event_t::array_end:
        frames_.pop_back();
        break;
      case json::parse_event_t::key: {
        Frame& object = frames_.back();
        object.key = parsed.get<std::string>();
        if (!object.keys.insert(object.key).second)
          throw ScenarioError(child_path(object) + ": the key is given twice");
        break;
      }
      case json::parse_event_t::value:
        next_path();
        break;
    }
    return true;
  }

 private:
  struct Frame {
    bool array;
    size_t index;
    std::string key;  // the object's key being read
    std::set<std::string> keys;
    std::string path;
  };

  static std::string child_path(const Frame& parent) {
    if (parent.array) return parent.path + "[" + std::to_string(parent.index) + "]";
    return parent.path.empty() ? parent.key : parent.path + "." + parent.key;
  }

  // The path of the value that starts now; moves a list on to its next entry.
  std::string next_path() {
    if (frames_.empty()) return {};
    std::string path = child_path(frames_.back());
    if (frames_.back().array) ++frames_.back().index;
    return path;
  }

  std::vector<Frame> frames_;
};

}  // namespace

json parse_scenario(const std::string& text) {
  try {
    return json::parse(text, ParseWatch());
  } catch (const json::parse_error& e) {
    // The library's message names the byte offset; say it as line and column.
    size_t line = 1, column = 1;
    for (size_t i = 0; i + 1 < e.byte && i < text.size(); ++i) {
      if (text[i] == '\n') {
        ++line;
        column = 1;
      } else {
        ++column;
      }
    }
    throw ScenarioError("line " + std::to_string(line) + ", column " + std::to_string(column) + ": not valid JSON");
  } catch (const json::out_of_range&) {
    // A number beyond what a double holds; the parser says no more than that.
    throw ScenarioError("not valid JSON: a number is too large");
  }
}

namespace {

// A written image goes to a content file of its own; the row names it.
void insert_images(Db& db, int adapter, std::vector<FlashImage> images) {
  std::vector<uint8_t> bytes;
  for (FlashImage& image : images) {
    if (!image.content.empty() && from_base64(image.content, bytes))
      image.file = write_image_file(db, adapter, image.code(), bytes);
    insert_row(db, flash_image_model(), adapter, image);
  }
}

json export_images(Db& db, int adapter) {
  json list = json::array();
  for (FlashImage image : select_rows(db, flash_image_model(), adapter)) {
    if (!image.file.empty()) image.content = to_base64(image_bytes(db, image));
    list.push_back(write_object(flash_image_scenario_model(), image));
  }
  return list;
}

}  // namespace

void load_scenario(Db& db, const json& doc) {
  ScenarioData data = read_document(doc);
  clear_state(db);
  write_clock(db, data.clock);
  int64_t now = data.clock.now_ms();
  for (const AdapterData& a : data.adapters) {
    int id = a.adapter.id;
    insert_row(db, adapter_model(), id, a.adapter);
    insert_all(db, disk_model(), id, a.disks);
    insert_all(db, vd_model(), id, a.vds);
    insert_all(db, block_model(), id, a.blocks);
    insert_all(db, array_model(), id, a.arrays);
    for (Activity x : a.activities) {
      x.since_ms = now;
      insert_row(db, activity_model(), id, x);
    }
    insert_all(db, event_model(), id, a.events);
    if (a.battery) insert_row(db, battery_model(), id, *a.battery);
    insert_all(db, enclosure_model(), id, a.enclosures);
    insert_all(db, expander_model(), id, a.expanders);
    insert_all(db, pm_model(), id, a.pms);
    insert_all(db, element_model(), id, a.elements);
    insert_all(db, aes_entry_model(), id, a.aes_entries);
    insert_all(db, aes_port_model(), id, a.aes_ports);
    insert_images(db, id, a.images);
    insert_all(db, error_entry_model(), id, a.error_table);
    insert_all(db, written_sector_model(), id, a.written_sectors);
    insert_all(db, register_model(), id, a.registers);
    insert_all(db, tier_entry_model(), id, a.tier_entries);
    insert_all(db, ssd_segment_model(), id, a.ssd_segments);
    for (SmartAttribute m : a.smart) {
      m.since_ms = now;
      insert_row(db, smart_model(), id, m);
    }
  }
  insert_all(db, fault_model(), kAnyAdapter, data.faults);
}

json export_scenario(Db& db) {
  Clock clock = read_clock(db);
  int64_t now = clock.now_ms();
  json doc = json::object();
  doc["clock"] = clock.frozen ? json{{"frozen", true}, {"time_ms", clock.frozen_at_ms}}
                              : json{{"frozen", false}, {"offset_ms", clock.offset_ms}};
  json adapters = json::array();
  for (const Adapter& a : select_rows(db, adapter_model(), kAnyAdapter)) {
    int id = a.id;
    json object = write_object(adapter_model(), a);
    auto put_list = [&](const char* key, const auto& model) {
      json list = json::array();
      for (const auto& row : select_rows(db, model, id)) list.push_back(write_object(model, row));
      object[key] = list;
    };
    put_list("disks", disk_model());
    put_list("vds", vd_model());
    put_list("blocks", block_model());
    put_list("arrays", array_model());
    json activities = json::array();
    for (const Activity& x : select_rows(db, activity_model(), id))
      activities.push_back(write_object(activity_model(), settled(x, now)));
    object["activities"] = activities;
    put_list("events", event_model());
    std::vector<Battery> battery = select_rows(db, battery_model(), id);
    if (!battery.empty()) object["battery"] = write_object(battery_model(), battery.front());
    put_list("enclosures", enclosure_model());
    put_list("expanders", expander_model());
    put_list("pms", pm_model());
    put_list("elements", element_model());
    put_list("aes_entries", aes_entry_model());
    put_list("aes_ports", aes_port_model());
    object["images"] = export_images(db, id);
    put_list("error_table", error_entry_model());
    put_list("written_sectors", written_sector_model());
    put_list("registers", register_model());
    put_list("tier_entries", tier_entry_model());
    put_list("ssd_segments", ssd_segment_model());
    json smart = json::array();
    for (SmartAttribute m : select_rows(db, smart_model(), id)) {
      m.raw = raw_now(m, now);
      smart.push_back(write_object(smart_model(), m));
    }
    object["smart_attributes"] = smart;
    adapters.push_back(object);
  }
  doc["adapters"] = adapters;
  json faults = json::array();
  for (const Fault& f : select_rows(db, fault_model(), kAnyAdapter)) faults.push_back(write_object(fault_model(), f));
  doc["faults"] = faults;
  return doc;
}

json read_scenario(const std::string& name_or_path) {
  if (std::optional<json> builtin = builtin_scenario(name_or_path)) return *builtin;
  if (name_or_path.find('/') == std::string::npos && name_or_path.find('.') == std::string::npos)
    throw ScenarioError("no built-in scenario is named '" + name_or_path + "' (see 'qxsim scenarios')");
  // Only a regular file of bounded size is read: a device or a pipe could
  // go on without end.
  std::error_code ec;
  std::filesystem::file_status status = std::filesystem::status(name_or_path, ec);
  if (ec) throw ScenarioError(name_or_path + ": cannot be read: " + ec.message());
  if (!std::filesystem::is_regular_file(status)) throw ScenarioError(name_or_path + ": not a regular file");
  std::ifstream in(name_or_path, std::ios::binary);
  if (!in) throw ScenarioError(name_or_path + ": cannot be read");
  std::string text;
  char chunk[1 << 16];
  while (text.size() <= kMaxScenarioBytes && in.read(chunk, sizeof chunk).gcount() > 0)
    text.append(chunk, static_cast<size_t>(in.gcount()));
  if (in.bad()) throw ScenarioError(name_or_path + ": cannot be read");
  if (text.size() > kMaxScenarioBytes)
    throw ScenarioError(name_or_path + ": larger than " + std::to_string(kMaxScenarioBytes >> 20) +
                        " MiB, the most a scenario may hold");
  try {
    return parse_scenario(text);
  } catch (const ScenarioError& e) {
    throw ScenarioError(name_or_path + ": " + e.what());
  }
}

}  // namespace qx::sim
