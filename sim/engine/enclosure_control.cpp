#include "sim/engine/enclosure_control.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "sim/engine/control.h"
#include "sim/engine/events.h"
#include "sim/engine/smart_records.h"
#include "sim/model/adapter.h"
#include "sim/model/smart.h"
#include "sim/model/topology.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

const EventKind* const kElementEvents[] = {
    &events::kEnclosureElementUnsupported,  &events::kEnclosureElementOk,
    &events::kEnclosureElementCritical,     &events::kEnclosureElementNonCritical,
    &events::kEnclosureElementUnrecoverable, &events::kEnclosureElementNotInstalled,
    &events::kEnclosureElementUnknown,      &events::kEnclosureElementNotAvailable,
    &events::kEnclosureElementNoAccess};

void expect_adapter(const Session& s) {
  if (!select_by_id(s.db(), adapter_model(), kAnyAdapter, s.adapter_id()))
    throw ControlError("no adapter " + std::to_string(s.adapter_id()));
}

// A value within [min, max], or ControlError naming the option.
template <class T>
T checked(int64_t value, int64_t min, int64_t max, const char* what) {
  if (value < min || value > max)
    throw ControlError(std::string(what) + " " + std::to_string(value) + " is out of range (" + std::to_string(min) +
                       " to " + std::to_string(max) + ")");
  return static_cast<T>(value);
}

Expander existing_expander(const Session& s, uint16_t id) {
  expect_adapter(s);
  std::optional<Expander> x = select_by_id(s.db(), expander_model(), s.adapter_id(), id);
  if (!x) throw ControlError("adapter " + std::to_string(s.adapter_id()) + " has no expander " + std::to_string(id));
  return *x;
}

std::vector<Disk> disks_on(const Session& s, uint16_t expander) {
  return select_rows(s.db(), disk_model(), s.adapter_id(), "link_kind = ?1 AND parent_id = ?2",
                     {json(int{QX_LINK_EXPANDER}), json(expander)});
}

}  // namespace

ElementWatch::ElementWatch(const Session& s)
    : session_(s), before_(element_states(s, QX_ALL_ENCLOSURES)) {}

void ElementWatch::log_changes() const {
  std::map<std::tuple<uint16_t, uint8_t, uint8_t>, uint8_t> old;
  for (const ElementState& e : before_)
    old[{e.record.enclosure_id, e.record.element_type, e.record.element_number}] = e.record.status_code;
  for (const ElementState& e : element_states(session_, QX_ALL_ENCLOSURES)) {
    const QX_ENC_ELEMENT& r = e.record;
    auto it = old.find({r.enclosure_id, r.element_type, r.element_number});
    if (it == old.end() || it->second == r.status_code || r.status_code > QX_ELEMENT_NO_ACCESS) continue;
    NewEvent event(*kElementEvents[r.status_code], r.enclosure_id);
    event.params = {r.element_type, r.element_number, it->second, 0};
    log_event(session_, event);
  }
}

void change_element(const Session& s, uint16_t enclosure, const std::string& type, uint8_t number,
                    const ElementChange& change) {
  expect_adapter(s);
  std::vector<Element> rows = select_rows(s.db(), element_model(), s.adapter_id(),
                                          "enclosure = ?1 AND type = ?2 AND number = ?3",
                                          {json(enclosure), json(type), json(number)});
  if (rows.empty())
    throw ControlError("enclosure " + std::to_string(enclosure) + " of adapter " + std::to_string(s.adapter_id()) +
                       " has no element " + type + " " + std::to_string(number));
  Element e = rows.front();
  if (change.celsius) {
    e.celsius = checked<int16_t>(*change.celsius, -19, 235, "--celsius");
    e.has_reading = true;
  }
  if (change.millivolts) e.millivolts = checked<int32_t>(*change.millivolts, -327670, 327670, "--millivolts");
  if (change.rpm) e.rpm = checked<uint16_t>(*change.rpm, 0, 65535, "--rpm");
  if (change.flags) e.flags = checked<uint8_t>(*change.flags, 0, 255, "--flag");
  if (change.status) {
    e.status = checked<uint8_t>(*change.status, 0, kStatusFromReadings, "--status");
    if (e.status > QX_ELEMENT_NO_ACCESS && e.status != kStatusFromReadings)
      throw ControlError("--status is 0 to 8, or 255 to follow the readings");
  }
  ElementWatch watch(s);
  update_row(s.db(), element_model(), s.adapter_id(), e);
  watch.log_changes();
}

void pull_expander(const Session& s, uint16_t id) {
  Expander x = existing_expander(s, id);
  if (!x.present) throw ControlError("expander " + std::to_string(id) + " is already pulled");
  x.present = false;
  update_row(s.db(), expander_model(), s.adapter_id(), x);
  log_event(s, NewEvent(events::kExpanderPluggedOut, id));
  for (const Disk& d : disks_on(s, id))
    if (d.present) pull_disk(s, d.id);
}

void insert_expander(const Session& s, uint16_t id) {
  Expander x = existing_expander(s, id);
  if (x.present) throw ControlError("expander " + std::to_string(id) + " is not pulled");
  x.present = true;
  update_row(s.db(), expander_model(), s.adapter_id(), x);
  log_event(s, NewEvent(events::kExpanderPluggedIn, id));
  for (const Disk& d : disks_on(s, id))
    if (!d.present) insert_disk(s, d.id);
}

void change_smart(const Session& s, uint16_t pd, uint8_t attribute, const SmartChange& change) {
  expect_adapter(s);
  const int adapter = s.adapter_id();
  std::vector<SmartAttribute> all = disk_smart(s, pd);
  auto it = std::find_if(all.begin(), all.end(), [&](const SmartAttribute& a) { return a.id == attribute; });
  if (it == all.end())
    throw ControlError("disk " + std::to_string(pd) + " of adapter " + std::to_string(adapter) +
                       " has no SMART attribute " + std::to_string(attribute));
  const bool was_healthy = smart_healthy(all);
  SmartAttribute& a = *it;
  if (change.current) {
    a.current = checked<uint8_t>(*change.current, 0, 255, "--current");
    a.worst = std::min(a.worst, a.current);
  }
  if (change.worst) a.worst = checked<uint8_t>(*change.worst, 0, 255, "--worst");
  if (change.threshold) a.threshold = checked<uint8_t>(*change.threshold, 0, 255, "--threshold");
  if (change.raw) {
    a.raw = checked<uint64_t>(*change.raw, 0, (int64_t{1} << 48) - 1, "--raw");
    a.since_ms = s.now_ms();
  }
  update_row(s.db(), smart_model(), adapter, a);
  if (was_healthy && !smart_healthy(all)) log_event(s, NewEvent(events::kPdSmartOverThreshold, pd));
}

}  // namespace qx::sim
