#include "tools/qxsim/actions.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <stdexcept>

#include <CLI/CLI.hpp>

#include "api/output_check.h"
#include "sim/engine/activities.h"
#include "sim/engine/clock.h"
#include "sim/engine/events.h"
#include "sim/engine/vd_health.h"
#include "sim/model/adapter.h"
#include "sim/model/disk.h"
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

// Runs `work` in one transaction on the state, after the adapter's
// activities are brought up to date.
void with_state(Transaction::Kind kind, int adapter, const std::function<void(Db&, int64_t now)>& work) {
  std::unique_ptr<Db> db = open_state(state_directory());
  Transaction txn(*db, kind);
  int64_t now = read_clock(*db).now_ms();
  if (adapter >= 0 && kind == Transaction::Kind::kWrite) complete_due_activities(*db, adapter, now);
  work(*db, now);
  if (kind == Transaction::Kind::kWrite) txn.commit();
}

std::string utc_text(int64_t ms) {
  std::time_t seconds = static_cast<std::time_t>(ms / 1000);
  std::tm tm{};
  gmtime_r(&seconds, &tm);
  char text[64];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &tm);
  return text;
}

int init(const Options& o) {
  init_state(state_directory(), o.scenario, o.force);
  std::printf("Loaded scenario %s into %s\n", o.scenario.c_str(), state_file(state_directory()).c_str());
  return 0;
}

// Writes a long text to standard output; a failed write is noted for the
// check at the end of the run.
void print_long(const std::string& text) {
  if (std::fputs(text.c_str(), stdout) < 0) qx::note_write_failure();
}

int show() {
  with_state(Transaction::Kind::kRead, -1,
             [](Db& db, int64_t) { print_long(export_scenario(db).dump(2) + "\n"); });
  return 0;
}

int scenarios() {
  for (const auto& [name, description] : builtin_scenario_list())
    std::printf("%-10s %s\n", name.c_str(), description.c_str());
  return 0;
}

int clock(const CLI::App& sub, const Options& o) {
  // Not a number passes every range check; it has no time to convert to.
  if (sub.got_subcommand("advance") && !std::isfinite(o.seconds))
    throw std::runtime_error("clock advance: '" + std::to_string(o.seconds) + "' is not a number of seconds");
  if (sub.got_subcommand("set") && !std::isfinite(o.time))
    throw std::runtime_error("clock set: '" + std::to_string(o.time) + "' is not a number of seconds");
  with_state(Transaction::Kind::kWrite, -1, [&](Db& db, int64_t) {
    Clock c = read_clock(db);
    if (sub.got_subcommand("advance")) c.advance(static_cast<int64_t>(o.seconds * 1000));
    if (sub.got_subcommand("freeze")) c.freeze();
    if (sub.got_subcommand("resume")) c.resume();
    if (sub.got_subcommand("set")) c.set(static_cast<int64_t>(o.time * 1000));
    if (!c.in_range())
      throw std::runtime_error("clock: the simulated time would leave the range the state keeps (about 35,000 years "
                               "either side of 1970)");
    write_clock(db, c);
    // Moving time on completes what is due on every adapter.
    for (const Adapter& a : select_rows(db, adapter_model(), kAnyAdapter))
      complete_due_activities(db, a.id, c.now_ms());
    std::printf("%s (%s)\n", utc_text(c.now_ms()).c_str(), c.frozen ? "frozen" : "running");
  });
  return 0;
}

int fault(const CLI::App& sub, const Options& o) {
  if (sub.got_subcommand("add")) {
    if (o.function.rfind("QX_", 0) != 0 && o.function.rfind("qx_", 0) != 0)
      throw std::runtime_error("'" + o.function + "' is not the name of a library function");
    with_state(Transaction::Kind::kWrite, -1, [&](Db& db, int64_t) {
      Stmt next = db.prepare("SELECT COALESCE(MAX(id), 0) + 1 FROM faults");
      next.step();
      Fault f;
      f.id = static_cast<uint32_t>(next.column_int(0));
      f.function = o.function;
      f.adapter = static_cast<int8_t>(o.adapter.value_or(kAnyAdapter));
      f.status = static_cast<uint8_t>(o.status);
      f.remaining = o.times ? *o.times : kAlways;
      insert_row(db, fault_model(), kAnyAdapter, f);
      std::printf("fault %u added\n", f.id);
    });
  } else if (sub.got_subcommand("list")) {
    with_state(Transaction::Kind::kRead, -1, [](Db& db, int64_t) {
      std::vector<Fault> faults = select_rows(db, fault_model(), kAnyAdapter);
      if (faults.empty()) std::printf("no faults\n");
      for (const Fault& f : faults)
        std::printf("%u: %s on %s answers %u, %s\n", f.id, f.function.c_str(),
                    f.adapter == kAnyAdapter ? "any adapter" : ("adapter " + std::to_string(f.adapter)).c_str(),
                    f.status,
                    f.remaining == kAlways ? "always" : (std::to_string(f.remaining) + " more time(s)").c_str());
    });
  } else {
    with_state(Transaction::Kind::kWrite, -1, [&](Db& db, int64_t) {
      Stmt stmt = db.prepare(o.fault_id ? "DELETE FROM faults WHERE id = ?1" : "DELETE FROM faults");
      if (o.fault_id) stmt.bind(1, *o.fault_id);
      stmt.run();
      if (o.fault_id && db.changes() == 0) throw std::runtime_error("no fault " + std::to_string(*o.fault_id));
    });
  }
  return 0;
}

int pd(const CLI::App& sub, const Options& o) {
  with_state(Transaction::Kind::kWrite, o.pd_adapter, [&](Db& db, int64_t now) {
    if (!select_by_id(db, adapter_model(), kAnyAdapter, o.pd_adapter))
      throw std::runtime_error("no adapter " + std::to_string(o.pd_adapter));
    std::optional<Disk> disk = select_by_id(db, disk_model(), o.pd_adapter, o.pd);
    if (!disk)
      throw std::runtime_error("adapter " + std::to_string(o.pd_adapter) + " has no disk " + std::to_string(o.pd));
    uint16_t id = disk->id;
    if (sub.got_subcommand("pull")) {
      if (!disk->present) throw std::runtime_error("disk " + std::to_string(id) + " is already pulled");
      disk->present = false;
      update_row(db, disk_model(), o.pd_adapter, *disk);
      log_event(db, o.pd_adapter, {QX_EVT_CLASS_PD, 8, id, kSeverityWarning, {}}, now);
      detach_disk(db, o.pd_adapter, id, now);
    } else if (sub.got_subcommand("insert")) {
      if (disk->present) throw std::runtime_error("disk " + std::to_string(id) + " is not pulled");
      disk->present = true;
      disk->offline = false;
      update_row(db, disk_model(), o.pd_adapter, *disk);
      log_event(db, o.pd_adapter, {QX_EVT_CLASS_PD, 7, id, kSeverityInfo, {}}, now);
    } else {
      if (disk->offline) throw std::runtime_error("disk " + std::to_string(id) + " is already offline");
      disk->offline = true;
      update_row(db, disk_model(), o.pd_adapter, *disk);
      log_event(db, o.pd_adapter, {QX_EVT_CLASS_PD, 2, id, kSeverityMajor, {}}, now);
      detach_disk(db, o.pd_adapter, id, now);
    }
  });
  return 0;
}

int events(const Options& o) {
  with_state(Transaction::Kind::kRead, -1, [&](Db& db, int64_t) {
    for (const Event& e : select_rows(db, event_model(), o.pd_adapter))
      std::printf("%u  %s  class %u code %u device %u severity %u params %u %u %u %u\n", e.seq,
                  utc_text(int64_t{e.time} * 1000).c_str(), e.event_class, e.code, e.device_id, e.severity, e.params[0],
                  e.params[1], e.params[2], e.params[3]);
  });
  return 0;
}

}  // namespace

int run(const CLI::App& app, const Options& o) {
  if (app.got_subcommand("init")) return init(o);
  if (app.got_subcommand("show")) return show();
  if (app.got_subcommand("scenarios")) return scenarios();
  if (app.got_subcommand("schema")) {
    print_long(schema_markdown());
    return 0;
  }
  if (app.got_subcommand("where")) {
    std::printf("%s\n", state_file(state_directory()).c_str());
    return 0;
  }
  if (app.got_subcommand("clock")) return clock(*app.get_subcommand("clock"), o);
  if (app.got_subcommand("fault")) return fault(*app.get_subcommand("fault"), o);
  if (app.got_subcommand("pd")) return pd(*app.get_subcommand("pd"), o);
  if (app.got_subcommand("events")) return events(o);
  return 1;
}

}  // namespace qxsim
