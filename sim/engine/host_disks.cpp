#include "sim/engine/host_disks.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <map>
#include <set>
#include <tuple>

#include "platform/os_disk_tree.h"
#include "sim/engine/pd_raid_status.h"
#include "sim/model/adapter.h"
#include "sim/model/disk.h"
#include "sim/model/fault.h"
#include "sim/model/vd.h"
#include "sim/store/table.h"

namespace qx::sim {
namespace {

// The boot disk: OS disk 0, on a host adapter of the board, not ours.
constexpr uint32_t kBootDiskNumber = 0;
constexpr uint8_t kFirstAdapterHost = 2;  // host numbers 0 and 1 are the board's
constexpr uint16_t kFirstDiskTarget = 64;  // SCSI targets of disks follow those of VDs

using ObjectKey = std::tuple<uint8_t, uint8_t, uint16_t>;  // adapter, kind, id

struct ShownObject {
  ObjectKey key;
  platform::TreeDisk look;  // number left for the numbering
};

bool vd_is_shown(const Vd& vd) {
  if (vd.target_of != kNoId) return false;
  return vd.state == QX_VD_FUNCTIONAL || vd.state == QX_VD_FUNCTIONAL_INITIALIZED || vd.state == QX_VD_DEGRADED ||
         vd.state == QX_VD_PARTIALLY_OPTIMAL;
}

// A SAS address as world wide name; none when the disk has no address.
std::string wwn_of(const std::array<uint8_t, 8>& address) {
  const bool none = std::all_of(address.begin(), address.end(), [](uint8_t b) { return b == 0; });
  return none ? std::string() : format_hex(address.data(), address.size());
}

// A safe-tier VD shows the model of its first member that is not an SSD.
std::string safe_tier_model(Db& db, uint8_t adapter, const Vd& vd) {
  std::string model;
  for (const Block& b : select_rows(db, block_model(), adapter, "vd = ?1", {json(vd.id)}, "member")) {
    const std::optional<Disk> disk = select_by_id(db, disk_model(), adapter, b.pd);
    if (!disk) continue;
    model = disk->model;
    if (!disk->ssd) break;
  }
  return model;
}

platform::TreeDisk vd_look(Db& db, uint8_t adapter, const Vd& vd) {
  platform::TreeDisk look;
  look.host = static_cast<uint8_t>(kFirstAdapterHost + adapter);
  look.target = vd.id;
  if (vd.raid_level == QX_TIER_CAPACITY) {
    look.vendor = "TALOREX";
    look.model = "TwinTier " + std::to_string(vd.id);
  } else if (vd.raid_level == QX_TIER_SAFE) {
    look.vendor = "TALOREX";
    look.model = safe_tier_model(db, adapter, vd).substr(0, 16);
  } else {
    look.vendor = "QXR";
    look.model = "Virtual Disk " + std::to_string(vd.id);
  }
  char serial[16];
  std::snprintf(serial, sizeof serial, "QXV%u%04u", unsigned{adapter}, unsigned{vd.id});
  look.serial = serial;
  char wwn[17];
  std::snprintf(wwn, sizeof wwn, "60f1e2d0%02x%06x", unsigned{adapter}, unsigned{vd.id});
  look.wwn = wwn;
  return look;
}

platform::TreeDisk disk_look(uint8_t adapter, const Disk& disk) {
  platform::TreeDisk look;
  look.host = static_cast<uint8_t>(kFirstAdapterHost + adapter);
  look.target = static_cast<uint16_t>(kFirstDiskTarget + disk.id);
  look.wwn = wwn_of(disk.sas_address);
  // A disk with no SAS address of its own is a SATA disk, which the OS names
  // by the ATA vendor.
  look.vendor = look.wwn.empty() ? "ATA" : "QXD";
  look.model = disk.model.substr(0, 16);
  look.serial = disk.serial;
  return look;
}

std::vector<ShownObject> shown_objects(Db& db, int64_t now_ms) {
  std::vector<ShownObject> shown;
  for (const Adapter& a : select_rows(db, adapter_model(), kAnyAdapter)) {
    for (const Vd& vd : select_rows(db, vd_model(), a.id))
      if (vd_is_shown(vd)) shown.push_back({{a.id, kHostVd, vd.id}, vd_look(db, a.id, vd)});
    const Session s(db, a.id, now_ms, a);
    for (const PdRaidView& v : pd_raid_views(s, 0, 0xFFFF)) {
      const Disk& d = v.disk;
      const bool free = d.present && !d.offline && !d.foreign && !v.member && d.spare == SpareKind::kNone;
      if (free && d.os_exposed) shown.push_back({{a.id, kHostPd, d.id}, disk_look(a.id, d)});
    }
  }
  return shown;
}

std::optional<Host> read_host(Db& db) {
  std::vector<Host> rows = select_rows(db, host_model(), 0);
  if (rows.empty()) return std::nullopt;
  return rows.front();
}

// Numbers every shown object: a number stays while its object is shown; a
// newly shown object takes the lowest free one. True when the numbers changed.
bool renumber(Db& db, std::vector<ShownObject>& shown) {
  std::map<ObjectKey, uint32_t> before;
  for (const HostDisk& h : select_rows(db, host_disk_model(), 0)) before[{h.adapter, h.kind, h.id}] = h.number;
  std::set<uint32_t> used = {kBootDiskNumber};
  for (ShownObject& o : shown)
    if (auto it = before.find(o.key); it != before.end()) used.insert(o.look.number = it->second);
  uint32_t next = kBootDiskNumber;
  for (ShownObject& o : shown) {
    if (before.count(o.key)) continue;
    while (used.count(next)) ++next;
    used.insert(o.look.number = next);
  }
  bool changed = before.size() != shown.size();
  for (const ShownObject& o : shown) {
    auto it = before.find(o.key);
    changed = changed || it == before.end() || it->second != o.look.number;
  }
  if (!changed) return false;
  db.exec("DELETE FROM " + host_disk_model().table);
  for (const ShownObject& o : shown) {
    const auto& [adapter, kind, id] = o.key;
    insert_row(db, host_disk_model(), 0, HostDisk{adapter, kind, id, o.look.number});
  }
  return true;
}

void write_tree(const std::string& root, const std::vector<ShownObject>& shown) {
  std::vector<platform::TreeDisk> disks;
  platform::TreeDisk boot;
  boot.number = kBootDiskNumber;
  boot.vendor = "ATA";
  boot.model = "QXBOOT SSD 240G";
  boot.serial = "QXB0000000001";
  disks.push_back(boot);
  for (const ShownObject& o : shown) disks.push_back(o.look);
  platform::write_os_disk_tree(root, disks);
}

}  // namespace

void present_host(Db& db, int64_t now_ms, const std::string& root) {
  std::vector<ShownObject> shown = shown_objects(db, now_ms);
  db.exec("DELETE FROM " + host_model().table);
  insert_row(db, host_model(), 0, Host{root});
  renumber(db, shown);
  write_tree(root, shown);
}

bool rescan_host(Db& db, int64_t now_ms) {
  const std::optional<Host> host = read_host(db);
  if (!host) return false;
  std::vector<ShownObject> shown = shown_objects(db, now_ms);
  renumber(db, shown);
  write_tree(host->root, shown);
  return true;
}

void forget_host(Db& db) {
  if (const std::optional<Host> host = read_host(db)) platform::remove_os_disk_tree(host->root);
  db.exec("DELETE FROM " + host_model().table);
  db.exec("DELETE FROM " + host_disk_model().table);
}

void refresh_host(Db& db, int64_t now_ms) {
  const std::optional<Host> host = read_host(db);
  if (!host) return;
  std::vector<ShownObject> shown = shown_objects(db, now_ms);
  if (!renumber(db, shown)) return;
  try {
    write_tree(host->root, shown);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "qx_api: host disk tree: %s\n", e.what());
  }
}

std::optional<uint32_t> host_number(const Session& s, HostDiskKind kind, uint16_t id) {
  std::vector<HostDisk> rows =
      select_rows(s.db(), host_disk_model(), 0, "adapter = ?1 AND kind = ?2 AND id = ?3",
                  {json(s.adapter_id()), json(int{kind}), json(id)}, "", 1);
  if (rows.empty()) return std::nullopt;
  return rows.front().number;
}

std::optional<uint16_t> vd_shown_as(const Session& s, uint32_t number) {
  std::vector<HostDisk> rows = select_rows(s.db(), host_disk_model(), 0, "adapter = ?1 AND kind = ?2 AND number = ?3",
                                           {json(s.adapter_id()), json(int{kHostVd}), json(number)}, "", 1);
  if (rows.empty()) return std::nullopt;
  return rows.front().id;
}

}  // namespace qx::sim
