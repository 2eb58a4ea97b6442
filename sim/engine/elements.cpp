#include "sim/engine/elements.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "sim/store/read_memo.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

// Bits of the sensors' status bytes.
constexpr uint8_t kTempOverFailure = 1u << 0, kTempOverWarning = 1u << 1, kTempUnderFailure = 1u << 2,
                  kTempUnderWarning = 1u << 3;
constexpr uint8_t kVoltOverWarning = 1u << 0, kVoltUnderWarning = 1u << 1, kVoltOverCritical = 1u << 2,
                  kVoltUnderCritical = 1u << 3;
constexpr uint8_t kPsuFaults = 0x07;       // DC over voltage, under voltage, over current
constexpr uint8_t kPsuOverTemperature = 1u << 4;
constexpr uint8_t kSlotLocate = 1u << 1;   // second status byte
constexpr uint8_t kSlotHotSpare = 1u << 5;  // first status byte of an array device
constexpr uint16_t kVoltageSign = 0x8000;

struct SensorVerdict {
  uint8_t status = QX_ELEMENT_OK;
  bool over = false;  // which side of the range the value is on
  bool critical = false;
};

// Where a value stands against its thresholds (0 = none): at or past a
// critical one is Critical, past a warning one Non-Critical.
SensorVerdict judge(int32_t value, const Element& e) {
  SensorVerdict v;
  if (e.high_critical != 0 && value >= e.high_critical) return {QX_ELEMENT_CRITICAL, true, true};
  if (e.low_critical != 0 && value <= e.low_critical) return {QX_ELEMENT_CRITICAL, false, true};
  if (e.high_warning != 0 && value > e.high_warning) return {QX_ELEMENT_NON_CRITICAL, true, false};
  if (e.low_warning != 0 && value < e.low_warning) return {QX_ELEMENT_NON_CRITICAL, false, false};
  return v;
}

uint8_t sensor_bits(const SensorVerdict& v, uint8_t over_fail, uint8_t over_warn, uint8_t under_fail,
                    uint8_t under_warn) {
  if (v.status == QX_ELEMENT_OK) return 0;
  if (v.over) return v.critical ? over_fail : over_warn;
  return v.critical ? under_fail : under_warn;
}

uint8_t slot_status(const std::optional<Disk>& disk) {
  if (!disk || !disk->present) return QX_ELEMENT_NOT_INSTALLED;
  return disk->offline ? QX_ELEMENT_CRITICAL : QX_ELEMENT_OK;
}

// A threshold in the byte that carries it: degrees + 20, tens of millivolts
// or raw; 0 stays "none".
uint8_t threshold_byte(const Element& e, int32_t value) {
  if (value == 0) return 0;
  switch (e.kind) {
    case ElementKind::kTemperature: return static_cast<uint8_t>(value + 20);
    case ElementKind::kVoltage: return static_cast<uint8_t>(value / 10);
    default: return static_cast<uint8_t>(value);
  }
}

}  // namespace

uint8_t fan_speed_code(uint16_t rpm, uint16_t max_rpm) {
  if (rpm == 0) return 0;
  if (max_rpm == 0 || rpm >= max_rpm) return 7;
  // Seven speed steps share the range; any turning fan is at least step 1.
  const uint32_t code = (uint32_t{rpm} * 7 + max_rpm - 1) / max_rpm;
  return static_cast<uint8_t>(std::clamp<uint32_t>(code, 1, 7));
}

bool makes_enclosure_unstable(uint8_t status_code) {
  return status_code == QX_ELEMENT_CRITICAL || status_code == QX_ELEMENT_UNRECOVERABLE;
}

QX_ENC_ELEMENT element_status_record(const Element& e, const std::optional<Disk>& slot_disk) {
  QX_ENC_ELEMENT r{};
  r.enclosure_id = e.enclosure;
  r.element_type = type_code(e.kind);
  r.element_number = e.number;
  uint8_t status = QX_ELEMENT_OK;
  switch (e.kind) {
    case ElementKind::kDevice:
    case ElementKind::kArrayDevice:
      status = slot_status(slot_disk);
      r.status[0] = e.kind == ElementKind::kDevice ? e.number : 0;
      if (slot_disk && slot_disk->present) {
        if (slot_disk->locate_led) r.status[1] |= kSlotLocate;
        if (e.kind == ElementKind::kArrayDevice && slot_disk->spare != SpareKind::kNone) r.status[0] |= kSlotHotSpare;
      }
      break;
    case ElementKind::kPowerSupply:
      r.status[0] = e.flags;
      if (e.flags & kPsuFaults)
        status = QX_ELEMENT_CRITICAL;
      else if (e.flags & kPsuOverTemperature)
        status = QX_ELEMENT_NON_CRITICAL;
      break;
    case ElementKind::kCooling:
      r.value = e.rpm;
      r.status[2] = fan_speed_code(e.rpm, e.max_rpm);
      if (e.rpm == 0) status = QX_ELEMENT_CRITICAL;
      break;
    case ElementKind::kTemperature: {
      if (!e.has_reading) break;
      r.status[0] = static_cast<uint8_t>(e.celsius + 20);
      SensorVerdict v = judge(e.celsius, e);
      status = v.status;
      r.status[1] = sensor_bits(v, kTempOverFailure, kTempOverWarning, kTempUnderFailure, kTempUnderWarning);
      break;
    }
    case ElementKind::kVoltage: {
      const uint16_t tens = static_cast<uint16_t>((e.millivolts < 0 ? -e.millivolts : e.millivolts) / 10);
      r.value = static_cast<uint16_t>(e.millivolts < 0 ? (tens | kVoltageSign) : tens);
      SensorVerdict v = judge(e.millivolts, e);
      status = v.status;
      r.status[2] = sensor_bits(v, kVoltOverCritical, kVoltOverWarning, kVoltUnderCritical, kVoltUnderWarning);
      break;
    }
    case ElementKind::kDoorLock:
    case ElementKind::kAlarm: r.status[0] = e.flags; break;
    case ElementKind::kDisplay:
      r.status[0] = e.character;
      r.status[2] = e.mode;
      break;
  }
  r.status_code = e.status != kStatusFromReadings ? e.status : status;
  return r;
}

QX_ENC_ELEMENT_CONFIG element_config_record(const Element& e, uint8_t status_code) {
  QX_ENC_ELEMENT_CONFIG r{};
  r.enclosure_id = e.enclosure;
  r.element_type = type_code(e.kind);
  r.status_code = status_code;
  r.element_number = e.number;
  r.high_critical = threshold_byte(e, e.high_critical);
  r.high_warning = threshold_byte(e, e.high_warning);
  r.low_critical = threshold_byte(e, e.low_critical);
  r.low_warning = threshold_byte(e, e.low_warning);
  return r;
}

namespace {

// The disks that stand in an enclosure's slot: SQL over the disks table,
// named `table` in the statement.
std::string in_slot(const std::string& table) {
  return table + ".present = 1 AND " + table + ".link_kind != " + std::to_string(QX_LINK_HBA_PORT);
}
// What a slot element shows of its disk.
const std::vector<std::string> kSlotStatusFields = {"enclosure_id", "slot", "present", "offline", "locate_led", "spare"};

json kind_value(ElementKind kind) {
  Element e;
  e.kind = kind;
  return element_model().find("type")->get(e);
}

std::vector<ElementState> read_element_states(const Session& s, uint16_t enclosure) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  const bool all = enclosure == QX_ALL_ENCLOSURES;
  std::vector<Element> elements = all ? select_rows(db, element_model(), adapter)
                                      : select_rows(db, element_model(), adapter, "enclosure = ?1", {json(enclosure)});
  std::sort(elements.begin(), elements.end(), [](const Element& a, const Element& b) {
    return std::make_tuple(a.enclosure, type_code(a.kind), a.number) <
           std::make_tuple(b.enclosure, type_code(b.kind), b.number);
  });
  // The disks in the enclosures' slots, read in one query, with only what a
  // slot's status shows of them.
  std::map<std::pair<uint16_t, uint8_t>, std::optional<Disk>> slot_disks;
  if (!elements.empty()) {
    std::vector<Disk> disks =
        select_fields(db, disk_model(), adapter, kSlotStatusFields, in_slot("disks") + (all ? "" : " AND enclosure_id = ?1"),
                      all ? std::vector<json>{} : std::vector<json>{json(enclosure)});
    for (Disk& d : disks) slot_disks.emplace(std::make_pair(d.enclosure_id, d.slot), std::move(d));
  }
  const std::optional<Disk> empty_slot;
  std::vector<ElementState> out;
  out.reserve(elements.size());
  for (Element& e : elements) {
    auto it = slot_disks.find({e.enclosure, e.number});
    QX_ENC_ELEMENT record = element_status_record(e, it != slot_disks.end() ? it->second : empty_slot);
    out.push_back({std::move(e), record});
  }
  return out;
}

}  // namespace

std::vector<ElementState> element_states(const Session& s, uint16_t enclosure) {
  // A listing asks for the elements of each enclosure in turn. Each answer
  // would otherwise read the elements and disks tables through, so a
  // read-only call reads every enclosure's once per state and picks one
  // enclosure's out of that.
  Db& db = s.db();
  if (!db.memo().active()) return read_element_states(s, enclosure);
  std::optional<std::vector<ElementState>> local;
  const std::vector<ElementState>& all = memoized_in_place(
      db, memo_key("elements", s.adapter_id()), local, [&] { return read_element_states(s, QX_ALL_ENCLOSURES); });
  if (enclosure == QX_ALL_ENCLOSURES) return all;
  std::vector<ElementState> out;
  for (const ElementState& e : all)
    if (e.element.enclosure == enclosure) out.push_back(e);
  return out;
}

std::set<uint16_t> unstable_enclosures(const Session& s) {
  // Only the elements whose status can make an enclosure unstable are read:
  // a slot element that follows its disk is Critical only while the disk
  // the slot shows is offline, so of the slot elements only those at an
  // offline disk's slot are looked at (with the disk) besides the ones
  // whose status is set outright; every other element is read whole.
  Db& db = s.db();
  const int adapter = s.adapter_id();
  const json device = kind_value(ElementKind::kDevice), array_device = kind_value(ElementKind::kArrayDevice);
  const json from_readings = json(int{kStatusFromReadings});
  std::set<uint16_t> out;
  auto judge = [&out](const Element& e, const std::optional<Disk>& disk) {
    if (makes_enclosure_unstable(element_status_record(e, disk).status_code)) out.insert(e.enclosure);
  };
  for (const Element& e : select_rows(db, element_model(), adapter, "NOT (type IN (?1, ?2) AND status = ?3)",
                                      {device, array_device, from_readings}))
    judge(e, std::nullopt);
  // The disk a slot shows is the first present one in it.
  const std::string first_offline_in_slot = in_slot("disks") +
                                            " AND disks.offline = 1 AND NOT EXISTS (SELECT 1 FROM disks AS o WHERE " +
                                            in_slot("o") +
                                            " AND o.adapter = disks.adapter AND o.enclosure_id = disks.enclosure_id"
                                            " AND o.slot = disks.slot AND o.id < disks.id)";
  for (const Disk& d : select_fields(db, disk_model(), adapter, kSlotStatusFields, first_offline_in_slot))
    for (const Element& e : select_rows(db, element_model(), adapter,
                                        "enclosure = ?1 AND number = ?2 AND type IN (?3, ?4) AND status = ?5",
                                        {json(d.enclosure_id), json(d.slot), device, array_device, from_readings}))
      judge(e, d);
  return out;
}

}  // namespace qx::sim
