#include "tools/qxsim/actions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <stdexcept>

#include "api/event_catalogue.h"
#include "api/output_check.h"
#include "platform/clock_text.h"
#include "sim/engine/activities.h"
#include "sim/engine/battery_power.h"
#include "sim/engine/clock.h"
#include "sim/engine/control.h"
#include "sim/engine/due_moments.h"
#include "sim/engine/enclosure_control.h"
#include "sim/engine/events.h"
#include "sim/engine/host_disks.h"
#include "sim/engine/session.h"
#include "sim/engine/vd_import.h"
#include "sim/model/adapter.h"
#include "sim/model/event.h"
#include "sim/model/fault.h"
#include "sim/scenario/builtin.h"
#include "sim/scenario/scenario.h"
#include "sim/scenario/schema_doc.h"
#include "sim/store/state_dir.h"
#include "sim/store/table.h"

namespace qxsim {

using namespace qx::sim;

namespace {

// Runs `work` in one transaction on the state, on `adapter` (-1: none) at the
// current simulated time, after what happened by itself on the adapter is
// brought up to date.
void with_state(Transaction::Kind kind, int adapter, const std::function<void(const Session&)>& work) {
  std::unique_ptr<Db> db = open_state(state_directory());
  Transaction txn(*db, kind);
  const Session session(*db, adapter, read_clock(*db).now_ms());
  if (adapter >= 0 && kind == Transaction::Kind::kWrite && select_by_id(*db, adapter_model(), kAnyAdapter, adapter))
    bring_up_to_date(session);
  work(session);
  if (kind == Transaction::Kind::kWrite) {
    refresh_host(*db, session.now_ms());
    txn.commit();
  }
}

std::string utc_text(int64_t ms) {
  std::time_t seconds = static_cast<std::time_t>(ms / 1000);
  std::tm tm{};
  qx::platform::utc_time(seconds, &tm);
  // Formatted by hand: the Windows runtime's strftime refuses years past 9999.
  char text[64];
  std::snprintf(text, sizeof text, "%04ld-%02d-%02d %02d:%02d:%02d UTC", static_cast<long>(tm.tm_year) + 1900,
                tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
  return text;
}

// Writes a long text to standard output; a failed write is noted for the
// check at the end of the run.
void print_long(const std::string& text) {
  if (std::fputs(text.c_str(), stdout) < 0) qx::note_write_failure();
}

}  // namespace

int init(const Options& o) {
  init_state(state_directory(), o.scenario, o.force);
  std::printf("Loaded scenario %s into %s\n", o.scenario.c_str(), state_file(state_directory()).c_str());
  return 0;
}

int show() {
  with_state(Transaction::Kind::kRead, -1,
             [](const Session& s) { print_long(export_scenario(s.db()).dump(2) + "\n"); });
  return 0;
}

int scenarios() {
  for (const auto& [name, description] : builtin_scenario_list())
    std::printf("%-10s %s\n", name.c_str(), description.c_str());
  return 0;
}

int where() {
  std::printf("%s\n", state_file(state_directory()).c_str());
  return 0;
}

int schema() {
  print_long(schema_markdown());
  return 0;
}

int clock(ClockStep step, const Options& o) {
  // Not a number passes every range check; it has no time to convert to.
  if (step == ClockStep::kAdvance && !std::isfinite(o.seconds))
    throw std::runtime_error("clock advance: '" + std::to_string(o.seconds) + "' is not a number of seconds");
  if (step == ClockStep::kSet && !std::isfinite(o.time))
    throw std::runtime_error("clock set: '" + std::to_string(o.time) + "' is not a number of seconds");
  with_state(Transaction::Kind::kWrite, -1, [&](const Session& s) {
    Db& db = s.db();
    Clock c = read_clock(db);
    switch (step) {
      case ClockStep::kAdvance: c.advance(static_cast<int64_t>(o.seconds * 1000)); break;
      case ClockStep::kFreeze: c.freeze(); break;
      case ClockStep::kResume: c.resume(); break;
      case ClockStep::kSet: c.set(static_cast<int64_t>(o.time * 1000)); break;
      case ClockStep::kShow: break;
    }
    if (!c.in_range())
      throw std::runtime_error("clock: the simulated time would leave the range the state keeps (about 35,000 years "
                               "either side of 1970)");
    write_clock(db, c);
    // Moving time on applies what is due on every adapter.
    for (const Adapter& a : select_rows(db, adapter_model(), kAnyAdapter))
      bring_up_to_date(Session(db, a.id, c.now_ms(), a));
    std::printf("%s (%s)\n", utc_text(c.now_ms()).c_str(), c.frozen ? "frozen" : "running");
  });
  return 0;
}

int fault_add(const Options& o) {
  with_state(Transaction::Kind::kWrite, -1, [&](const Session& s) {
    FaultRequest request;
    request.function = o.function;
    request.adapter = o.adapter;
    request.status = static_cast<uint8_t>(o.status);
    if (o.times) request.times = *o.times;
    std::printf("fault %u added\n", add_fault(s.db(), request));
  });
  return 0;
}

int fault_list() {
  with_state(Transaction::Kind::kRead, -1, [](const Session& s) {
    std::vector<Fault> faults = list_faults(s.db());
    if (faults.empty()) std::printf("no faults\n");
    for (const Fault& f : faults)
      std::printf("%u: %s on %s answers %u, %s\n", f.id, f.function.c_str(),
                  f.adapter == kAnyAdapter ? "any adapter" : ("adapter " + std::to_string(f.adapter)).c_str(),
                  f.status,
                  f.remaining == kAlways ? "always" : (std::to_string(f.remaining) + " more time(s)").c_str());
  });
  return 0;
}

int fault_clear(const Options& o) {
  with_state(Transaction::Kind::kWrite, -1, [&](const Session& s) { clear_faults(s.db(), o.fault_id); });
  return 0;
}

int pd(DiskStep step, const Options& o) {
  with_state(Transaction::Kind::kWrite, o.pd_adapter, [&](const Session& s) {
    const uint16_t id = static_cast<uint16_t>(o.pd);
    switch (step) {
      case DiskStep::kPull: pull_disk(s, id); break;
      case DiskStep::kInsert: insert_disk(s, id); break;
      case DiskStep::kFail: fail_disk(s, id); break;
    }
  });
  return 0;
}

int enc_element(const Options& o) {
  with_state(Transaction::Kind::kWrite, o.pd_adapter, [&](const Session& s) {
    change_element(s, static_cast<uint16_t>(o.enclosure), o.element_type, static_cast<uint8_t>(o.element_number),
                   ElementChange{o.celsius, o.millivolts, o.rpm, o.element_status, o.flags});
  });
  return 0;
}

int enc_expander(ExpanderStep step, const Options& o) {
  with_state(Transaction::Kind::kWrite, o.pd_adapter, [&](const Session& s) {
    const uint16_t id = static_cast<uint16_t>(o.expander);
    if (step == ExpanderStep::kPull)
      pull_expander(s, id);
    else
      insert_expander(s, id);
  });
  return 0;
}

int pd_smart(const Options& o) {
  with_state(Transaction::Kind::kWrite, o.pd_adapter, [&](const Session& s) {
    change_smart(s, static_cast<uint16_t>(o.pd), static_cast<uint8_t>(o.attribute),
                 SmartChange{o.current, o.raw, o.worst, o.threshold});
  });
  return 0;
}

int pd_error_add(const Options& o) {
  static const std::pair<const char*, uint8_t> kKinds[] = {
      {"read", QX_RCT_READ_ERROR}, {"write", QX_RCT_WRITE_ERROR}, {"media", QX_RCT_MEDIA_ERROR}, {"logical", QX_RCT_LOGICAL_ERROR}};
  uint8_t kinds = 0;
  for (const std::string& name : o.error_kinds) {
    auto it = std::find_if(std::begin(kKinds), std::end(kKinds), [&](const auto& k) { return name == k.first; });
    if (it == std::end(kKinds)) throw std::runtime_error("unknown error kind '" + name + "': read, write, media or logical");
    kinds = static_cast<uint8_t>(kinds | it->second);
  }
  with_state(Transaction::Kind::kWrite, o.pd_adapter, [&](const Session& s) {
    add_disk_error(s, static_cast<uint16_t>(o.pd), static_cast<uint64_t>(o.lba), static_cast<uint32_t>(o.sectors), kinds);
  });
  return 0;
}

int pd_ecc(const Options& o) {
  with_state(Transaction::Kind::kWrite, o.pd_adapter, [&](const Session& s) {
    add_ecc_error(s, static_cast<uint16_t>(o.pd), static_cast<uint32_t>(o.lba));
  });
  return 0;
}

int battery_set(const Options& o) {
  if (!o.battery_present && !o.battery_charge) throw std::runtime_error("say what changes: --present or --charge");
  with_state(Transaction::Kind::kWrite, o.pd_adapter, [&](const Session& s) {
    BatteryChange change;
    change.present = o.battery_present;
    if (o.battery_charge) change.charge_percent = static_cast<uint8_t>(*o.battery_charge);
    change_stored_battery(s, change);
  });
  return 0;
}

int pd_spare(const Options& o) {
  if (!o.spare_global && !o.spare_array && !o.spare_none)
    throw std::runtime_error("say which spare: --global, --array N or --none");
  with_state(Transaction::Kind::kWrite, o.pd_adapter, [&](const Session& s) {
    const uint16_t id = static_cast<uint16_t>(o.pd);
    if (o.spare_array)
      set_spare(s, id, SpareKind::kDedicated, static_cast<uint16_t>(*o.spare_array));
    else
      set_spare(s, id, o.spare_global ? SpareKind::kGlobal : SpareKind::kNone, 0);
  });
  return 0;
}

// A VD (with its array) as if its disks came from another adapter.
int foreign(const Options& o) {
  uint8_t state = 0;
  if (o.foreign_state == "importable")
    state = QX_VD_IMPORTABLE_FOREIGN;
  else if (o.foreign_state == "not-importable")
    state = QX_VD_NOT_IMPORTABLE_FOREIGN;
  else if (o.foreign_state == "conflicted")
    state = QX_VD_CONFLICTED;
  else
    throw std::runtime_error("--state is importable, not-importable or conflicted");
  with_state(Transaction::Kind::kWrite, o.pd_adapter,
             [&](const Session& s) { make_foreign(s, static_cast<uint16_t>(o.vd), state); });
  return 0;
}

int events(const Options& o) {
  with_state(Transaction::Kind::kRead, -1, [&](const Session& s) {
    for (const Event& e : select_rows(s.db(), event_model(), o.pd_adapter))
      std::printf("%u  %s  class %u code %u device %u severity %u params %u %u %u %u\n", e.seq,
                  utc_text(int64_t{e.time} * 1000).c_str(), e.event_class, e.code, e.device_id, e.severity, e.params[0],
                  e.params[1], e.params[2], e.params[3]);
  });
  return 0;
}

// An event of any class and code, for what nothing models yet (fans, the
// battery, ECC): a catalogued one takes its severity from the catalogue
// unless one is given, and the time of now unless one is given.
int event_add(const Options& o) {
  if (o.event_params.size() > 4) throw std::runtime_error("--params takes at most 4 values");
  if (o.event_sense.size() % 2 != 0 || o.event_sense.size() > 2 * 30)
    throw std::runtime_error("--sense takes up to 30 bytes as pairs of hexadecimal digits");
  with_state(Transaction::Kind::kWrite, o.pd_adapter, [&](const Session& s) {
    Event row;
    row.event_class = static_cast<uint16_t>(o.event_class);
    row.code = static_cast<uint16_t>(o.event_code);
    row.device_id = static_cast<uint16_t>(o.event_device);
    const qx::EventKind* kind = qx::find_event(row.event_class, row.code);
    const int catalogued = kind ? int{kind->severity} : int{QX_SEVERITY_INFO};
    row.severity = static_cast<uint8_t>(o.event_severity.value_or(catalogued));
    std::copy(o.event_params.begin(), o.event_params.end(), row.params.begin());
    const std::vector<uint8_t> sense = parse_hex(o.event_sense, row.sense.size());
    std::copy(sense.begin(), sense.end(), row.sense.begin());
    row.sense_length = static_cast<uint8_t>(o.event_sense.size() / 2);
    row.time = o.event_time ? static_cast<uint32_t>(*o.event_time) : event_time(s, s.now_ms());
    std::printf("event %u added\n", append_event(s, row));
  });
  return 0;
}

int host(HostStep step, const Options& o) {
  with_state(Transaction::Kind::kWrite, -1, [&](const Session& s) {
    switch (step) {
      case HostStep::kPresent: {
        // Kept absolute: qxcli may run from another folder.
        const std::string root = std::filesystem::absolute(o.host_root).lexically_normal().string();
        present_host(s.db(), s.now_ms(), root);
        std::printf("host disks presented in %s\n", root.c_str());
        break;
      }
      case HostStep::kRescan:
        if (!rescan_host(s.db(), s.now_ms())) throw std::runtime_error("host rescan: no host is presented");
        break;
      case HostStep::kForget: forget_host(s.db()); break;
    }
  });
  return 0;
}

}  // namespace qxsim
