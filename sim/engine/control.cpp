#include "sim/engine/control.h"

#include <algorithm>

#include "api/status.h"
#include "sim/engine/call_registry.h"
#include "sim/engine/copy_back.h"
#include "sim/engine/enclosure_control.h"
#include "sim/engine/events.h"
#include "sim/engine/media.h"
#include "sim/engine/spares.h"
#include "sim/engine/vd_health.h"
#include "sim/model/adapter.h"
#include "sim/model/disk.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

Disk existing_disk(const Session& s, uint16_t pd) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  if (!select_by_id(db, adapter_model(), kAnyAdapter, adapter))
    throw ControlError("no adapter " + std::to_string(adapter));
  std::optional<Disk> disk = select_by_id(db, disk_model(), adapter, pd);
  if (!disk) throw ControlError("adapter " + std::to_string(adapter) + " has no disk " + std::to_string(pd));
  return *disk;
}

}  // namespace

void pull_disk(const Session& s, uint16_t pd) {
  ElementWatch slots(s);  // the disk's enclosure slot follows it
  Disk disk = existing_disk(s, pd);
  if (!disk.present) throw ControlError("disk " + std::to_string(pd) + " is already pulled");
  disk.present = false;
  update_row(s.db(), disk_model(), s.adapter_id(), disk);
  log_event(s, NewEvent(events::kPdRemoved, pd));
  slots.log_changes();
  lose_disk(s, pd, false);
}

void insert_disk(const Session& s, uint16_t pd) {
  ElementWatch slots(s);  // the disk's enclosure slot follows it
  Disk disk = existing_disk(s, pd);
  if (disk.present) throw ControlError("disk " + std::to_string(pd) + " is not pulled");
  disk.present = true;
  disk.offline = false;
  update_row(s.db(), disk_model(), s.adapter_id(), disk);
  log_event(s, NewEvent(events::kPdInserted, pd));
  slots.log_changes();
  if (disk.spare != SpareKind::kNone)
    rebuild_onto_spares(s);
  else
    start_copy_back(s, pd);
}

void add_disk_error(const Session& s, uint16_t pd, uint64_t lba, uint32_t sectors, uint8_t kinds) {
  Disk disk = existing_disk(s, pd);
  if (sectors == 0 || lba >= disk_sectors(disk) || sectors > disk_sectors(disk) - lba)
    throw ControlError("the range passes the end of disk " + std::to_string(pd));
  const size_t before = error_table(s, pd).size();
  record_error(s, pd, lba, sectors, kinds);
  if (before == s.adapter().rct_capacity) throw ControlError("the error table of disk " + std::to_string(pd) + " is full");
}

void add_ecc_error(const Session& s, uint16_t pd, uint32_t lba) {
  Disk disk = existing_disk(s, pd);
  if (lba >= disk_sectors(disk)) throw ControlError("disk " + std::to_string(pd) + " has no sector " + std::to_string(lba));
  if (!mark_ecc(s, disk, lba))
    throw ControlError("disk " + std::to_string(pd) + " already has " + std::to_string(kMaxEccMarks) + " ECC errors");
}

void set_spare(const Session& s, uint16_t pd, SpareKind kind, uint16_t array) {
  existing_disk(s, pd);
  switch (make_spare(s, pd, kind, array)) {
    case kOk: return;
    case kPdMissing: throw ControlError("disk " + std::to_string(pd) + " is pulled");
    default: throw ControlError("disk " + std::to_string(pd) + " holds blocks and cannot be a spare");
  }
}

void fail_disk(const Session& s, uint16_t pd) { take_disk_offline(s, pd, events::kPdOffline); }

void take_disk_offline(const Session& s, uint16_t pd, const EventKind& why) {
  ElementWatch slots(s);  // the disk's enclosure slot follows it
  Disk disk = existing_disk(s, pd);
  if (disk.offline) throw ControlError("disk " + std::to_string(pd) + " is already offline");
  disk.offline = true;
  update_row(s.db(), disk_model(), s.adapter_id(), disk);
  log_event(s, NewEvent(why, pd));
  slots.log_changes();
  lose_disk(s, pd, true);
}

uint32_t add_fault(Db& db, const FaultRequest& request) {
  if (const char* refusal = fault_refusal(request.function))
    throw ControlError("'" + request.function + "' " + refusal);
  uint32_t last = 0;
  for (const Fault& f : list_faults(db)) last = std::max(last, f.id);
  Fault f;
  f.id = last + 1;
  f.function = request.function;
  f.adapter = static_cast<int8_t>(request.adapter.value_or(kAnyAdapter));
  f.status = request.status;
  f.remaining = request.times.value_or(kAlways);
  insert_row(db, fault_model(), kAnyAdapter, f);
  return f.id;
}

void clear_faults(Db& db, std::optional<int64_t> id) {
  if (!id) {
    for (const Fault& f : list_faults(db)) delete_row(db, fault_model(), kAnyAdapter, f);
    return;
  }
  std::optional<Fault> fault = select_by_id(db, fault_model(), kAnyAdapter, *id);
  if (!fault) throw ControlError("no fault " + std::to_string(*id));
  delete_row(db, fault_model(), kAnyAdapter, *fault);
}

}  // namespace qx::sim
