// qxsim: load, show and steer the simulated controller's state.
#include <cstdio>
#include <ctime>
#include <exception>
#include <functional>
#include <string>

#include <CLI/CLI.hpp>

#include "api/output_check.h"
#include "tools/qxsim/actions.h"

int main(int argc, char** argv) {
  CLI::App app{
      "qxsim: control tool of the simulated RAID controller.\n"
      "The state lives in $QX_SIM_HOME (else $XDG_STATE_HOME/qxraid, else ~/.local/state/qxraid)."};
  app.require_subcommand(1);
  app.set_help_all_flag("--help-all", "Show the help of every subcommand");

  qxsim::Options opt;
  // The subcommand given on the command line chooses the action to run
  // once the whole line is parsed.
  std::function<int()> action;
  auto bind = [&action](CLI::App* sub, std::function<int()> run) {
    sub->callback([&action, run] { action = run; });
    return sub;
  };

  CLI::App* init = bind(app.add_subcommand("init", "Load a scenario into the state"), [&] { return qxsim::init(opt); });
  init->add_option("-s,--scenario", opt.scenario, "Built-in scenario name or JSON file")->capture_default_str();
  init->add_flag("-f,--force", opt.force, "Replace an existing state");

  bind(app.add_subcommand("show", "Print the state as a scenario (JSON)"), qxsim::show);
  bind(app.add_subcommand("scenarios", "List the built-in scenarios"), qxsim::scenarios);
  bind(app.add_subcommand("where", "Print the state file's path"), qxsim::where);
  bind(app.add_subcommand("schema", "Print the reference of every scenario key (Markdown)"), qxsim::schema);

  CLI::App* clock = app.add_subcommand("clock", "Simulated time");
  clock->require_subcommand(1);
  auto clock_step = [&](qxsim::ClockStep step) { return [&opt, step] { return qxsim::clock(step, opt); }; };
  CLI::App* advance = bind(clock->add_subcommand("advance", "Move simulated time forward"), clock_step(qxsim::ClockStep::kAdvance));
  advance->add_option("seconds", opt.seconds, "Seconds to advance")->required()->check(CLI::Range(0.0, 1e12));
  bind(clock->add_subcommand("freeze", "Stop simulated time"), clock_step(qxsim::ClockStep::kFreeze));
  bind(clock->add_subcommand("resume", "Let simulated time run again"), clock_step(qxsim::ClockStep::kResume));
  bind(clock->add_subcommand("show", "Print simulated time"), clock_step(qxsim::ClockStep::kShow));
  CLI::App* set = bind(clock->add_subcommand("set", "Jump to a simulated time"), clock_step(qxsim::ClockStep::kSet));
  set->add_option("time", opt.time, "Seconds since 1970-01-01 00:00 UTC")->required()->check(CLI::Range(0.0, 4e9));

  CLI::App* fault = app.add_subcommand("fault", "Injected failures of QX_ calls");
  fault->require_subcommand(1);
  CLI::App* fault_add = bind(fault->add_subcommand("add", "Make a call fail"), [&] { return qxsim::fault_add(opt); });
  fault_add->add_option("function", opt.function, "QX_ function name")->required();
  fault_add->add_option("-s,--status", opt.status, "Status the call answers")
      ->check(CLI::Range(1, 255))
      ->capture_default_str();
  fault_add->add_option("-a,--adapter", opt.adapter, "Adapter id (default: any adapter)")->check(CLI::Range(0, 15));
  CLI::Option* times =
      fault_add->add_option("-n,--times", opt.times, "Fail this many calls")->check(CLI::Range(1, 1000000));
  fault_add->add_flag("--always", opt.always, "Fail every call (the default)")->excludes(times);
  bind(fault->add_subcommand("list", "List the injected failures"), qxsim::fault_list);
  CLI::App* fault_clear =
      bind(fault->add_subcommand("clear", "Remove one failure, or all"), [&] { return qxsim::fault_clear(opt); });
  fault_clear->add_option("id", opt.fault_id, "Fault id (default: all)");

  CLI::App* pd = app.add_subcommand("pd", "Physical disks");
  pd->require_subcommand(1);
  struct DiskCommand {
    const char* name;
    const char* description;
    qxsim::DiskStep step;
  };
  for (const DiskCommand& command : {DiskCommand{"pull", "Pull a disk out", qxsim::DiskStep::kPull},
                                     DiskCommand{"insert", "Put a pulled disk back", qxsim::DiskStep::kInsert},
                                     DiskCommand{"fail", "Make a disk fail", qxsim::DiskStep::kFail}}) {
    const qxsim::DiskStep step = command.step;
    CLI::App* sub = bind(pd->add_subcommand(command.name, command.description), [&opt, step] { return qxsim::pd(step, opt); });
    sub->add_option("id", opt.pd, "PD id")->required()->check(CLI::Range(0, 65534));
    sub->add_option("-a,--adapter", opt.pd_adapter, "Adapter id")->check(CLI::Range(0, 15))->capture_default_str();
  }

  CLI::App* spare = bind(pd->add_subcommand("spare", "Make a disk without blocks a spare, or no spare"),
                         [&] { return qxsim::pd_spare(opt); });
  spare->add_option("id", opt.pd, "PD id")->required()->check(CLI::Range(0, 65534));
  spare->add_option("-a,--adapter", opt.pd_adapter, "Adapter id")->check(CLI::Range(0, 15))->capture_default_str();
  CLI::Option* global = spare->add_flag("--global", opt.spare_global, "A spare for every VD");
  CLI::Option* array = spare->add_option("--array", opt.spare_array, "A spare for one array")->check(CLI::Range(0, 65534));
  CLI::Option* none = spare->add_flag("--none", opt.spare_none, "No spare any more");
  global->excludes(array)->excludes(none);
  array->excludes(none);

  CLI::App* smart = bind(pd->add_subcommand("smart", "Change a SATA disk's SMART attribute"), [&] { return qxsim::pd_smart(opt); });
  smart->add_option("id", opt.pd, "PD id")->required()->check(CLI::Range(0, 65534));
  smart->add_option("--attribute", opt.attribute, "Attribute id")->required()->check(CLI::Range(0, 255));
  smart->add_option("--current", opt.current, "Current value (the worst follows it down)");
  smart->add_option("--raw", opt.raw, "Raw value");
  smart->add_option("--worst", opt.worst, "Worst value");
  smart->add_option("--threshold", opt.threshold, "Threshold (0: none)");
  smart->add_option("-a,--adapter", opt.pd_adapter, "Adapter id")->check(CLI::Range(0, 15))->capture_default_str();

  CLI::App* error = pd->add_subcommand("error", "A disk's error table");
  error->require_subcommand(1);
  CLI::App* error_add =
      bind(error->add_subcommand("add", "Record a bad range in a disk's error table"), [&] { return qxsim::pd_error_add(opt); });
  error_add->add_option("id", opt.pd, "PD id")->required()->check(CLI::Range(0, 65534));
  error_add->add_option("--lba", opt.lba, "First sector")->required()->check(CLI::Range(int64_t{0}, (int64_t{1} << 48) - 1));
  error_add->add_option("--sectors", opt.sectors, "Number of sectors")
      ->check(CLI::Range(int64_t{1}, int64_t{2147483647}))
      ->capture_default_str();
  error_add->add_option("--kind", opt.error_kinds, "Error kinds: read, write, media, logical (default: read,media)")
      ->delimiter(',');
  error_add->add_option("-a,--adapter", opt.pd_adapter, "Adapter id")->check(CLI::Range(0, 15))->capture_default_str();
  CLI::App* ecc = bind(pd->add_subcommand("ecc", "Make a sector's ECC wrong, so that reading it fails"),
                       [&] { return qxsim::pd_ecc(opt); });
  ecc->add_option("id", opt.pd, "PD id")->required()->check(CLI::Range(0, 65534));
  ecc->add_option("--lba", opt.lba, "The sector")->required()->check(CLI::Range(int64_t{0}, int64_t{4294967295}));
  ecc->add_option("-a,--adapter", opt.pd_adapter, "Adapter id")->check(CLI::Range(0, 15))->capture_default_str();
  CLI::App* foreign = bind(app.add_subcommand("foreign", "Make a VD (and its array) a foreign configuration"),
                           [&] { return qxsim::foreign(opt); });
  foreign->add_option("vd", opt.vd, "VD id")->required()->check(CLI::Range(0, 65534));
  foreign->add_option("-a,--adapter", opt.pd_adapter, "Adapter id")->check(CLI::Range(0, 15))->capture_default_str();
  foreign->add_option("--state", opt.foreign_state, "importable, not-importable or conflicted")->capture_default_str();

  CLI::App* enc = app.add_subcommand("enc", "Enclosures and expanders");
  enc->require_subcommand(1);
  CLI::App* element =
      bind(enc->add_subcommand("element", "Change an element's reading or status"), [&] { return qxsim::enc_element(opt); });
  element->add_option("enclosure", opt.enclosure, "Enclosure id")->required()->check(CLI::Range(0, 254));
  element->add_option("type", opt.element_type, "Element type: dev, pow, fan, tpr, dor, alm, dpl, vlt, arydev")
      ->required();
  element->add_option("number", opt.element_number, "Element number")->required()->check(CLI::Range(0, 255));
  element->add_option("--celsius", opt.celsius, "Temperature reading");
  element->add_option("--millivolts", opt.millivolts, "Voltage reading");
  element->add_option("--rpm", opt.rpm, "Fan speed");
  element->add_option("--status", opt.element_status, "Status code 0-8, or 255 to follow the readings");
  element->add_option("--flag", opt.flags, "Status bits of a power supply, door lock or alarm");
  element->add_option("-a,--adapter", opt.pd_adapter, "Adapter id")->check(CLI::Range(0, 15))->capture_default_str();
  CLI::App* expander = enc->add_subcommand("expander", "Pull an expander out or put it back");
  expander->require_subcommand(1);
  struct ExpanderCommand {
    const char* name;
    const char* description;
    qxsim::ExpanderStep step;
  };
  for (const ExpanderCommand& command :
       {ExpanderCommand{"pull", "Pull an expander out, with its disks", qxsim::ExpanderStep::kPull},
        ExpanderCommand{"insert", "Put a pulled expander back", qxsim::ExpanderStep::kInsert}}) {
    const qxsim::ExpanderStep step = command.step;
    CLI::App* sub = bind(expander->add_subcommand(command.name, command.description),
                         [&opt, step] { return qxsim::enc_expander(step, opt); });
    sub->add_option("id", opt.expander, "Expander id")->required()->check(CLI::Range(0, 65534));
    sub->add_option("-a,--adapter", opt.pd_adapter, "Adapter id")->check(CLI::Range(0, 15))->capture_default_str();
  }

  CLI::App* battery = app.add_subcommand("battery", "The battery backup unit");
  battery->require_subcommand(1);
  CLI::App* battery_set =
      bind(battery->add_subcommand("set", "Fit, remove or recharge a battery"), [&] { return qxsim::battery_set(opt); });
  battery_set->add_option("--present", opt.battery_present, "true: fitted, false: removed");
  battery_set->add_option("--charge", opt.battery_charge, "Charge in percent")->check(CLI::Range(0, 100));
  battery_set->add_option("-a,--adapter", opt.pd_adapter, "Adapter id")->check(CLI::Range(0, 15))->capture_default_str();

  CLI::App* events =
      bind(app.add_subcommand("events", "Print an adapter's event log"), [&] { return qxsim::events(opt); });
  events->add_option("-a,--adapter", opt.pd_adapter, "Adapter id")->check(CLI::Range(0, 15))->capture_default_str();

  CLI::App* event = app.add_subcommand("event", "The event log");
  event->require_subcommand(1);
  CLI::App* event_add =
      bind(event->add_subcommand("add", "Log an event of any class and code"), [&] { return qxsim::event_add(opt); });
  event_add->add_option("-a,--adapter", opt.pd_adapter, "Adapter id")->check(CLI::Range(0, 15))->capture_default_str();
  event_add->add_option("--class", opt.event_class, "Event class")->required()->check(CLI::Range(0, 65535));
  event_add->add_option("--code", opt.event_code, "Event code")->required()->check(CLI::Range(0, 65535));
  event_add->add_option("--device", opt.event_device, "Device id")->check(CLI::Range(0, 65535))->capture_default_str();
  event_add->add_option("--severity", opt.event_severity, "Severity (default: the catalogue's, else 2)")
      ->check(CLI::Range(0, 255));
  event_add->add_option("--params", opt.event_params, "Up to four parameters")->delimiter(',');
  event_add->add_option("--sense", opt.event_sense, "Sense bytes in hexadecimal (at most 30)");
  event_add->add_option("--time", opt.event_time, "Time in seconds (default: now, as the adapter stamps it)")
      ->check(CLI::Range(int64_t{0}, int64_t{4294967295}));

  CLI::App* image = app.add_subcommand("image", "Image files for the flash command");
  image->require_subcommand(1);
  CLI::App* image_make = bind(image->add_subcommand("make", "Write an image file"), [&] { return qxsim::image_make(opt); });
  image_make->add_option("file", opt.image_file, "File to write")->required();
  image_make->add_option("--type", opt.image_type, "Image type name or code")->required();
  image_make->add_option("--adapter", opt.image_adapter, "Adapter whose identity and version the image takes")
      ->check(CLI::Range(0, 15));
  image_make->add_option("--version", opt.image_version, "Version A.B.C.D");
  image_make->add_option("--device-id", opt.device_id, "Device id")->check(CLI::Range(0, 65535));
  image_make->add_option("--sub-device-id", opt.sub_device_id, "Sub device id")->check(CLI::Range(0, 65535));
  image_make->add_option("--sub-vendor-id", opt.sub_vendor_id, "Sub vendor id")->check(CLI::Range(0, 65535));
  image_make->add_option("--size", opt.image_size, "Payload bytes")
      ->check(CLI::Range(int64_t{0}, int64_t{32} << 20))->capture_default_str();
  image_make->add_option("--corrupt", opt.corrupt, "Spoil the header or the payload")
      ->check(CLI::IsMember({"header", "payload"}));
  CLI::App* image_show = bind(image->add_subcommand("show", "Print an image file's header"), [&] { return qxsim::image_show(opt); });
  image_show->add_option("file", opt.image_file, "Image file")->required();

  CLI::App* flash = app.add_subcommand("flash", "An adapter's flash regions");
  flash->require_subcommand(1);
  CLI::App* flash_show = bind(flash->add_subcommand("show", "List the regions and the PD page"), [&] { return qxsim::flash_show(opt); });
  flash_show->add_option("--adapter", opt.pd_adapter, "Adapter id")->check(CLI::Range(0, 15))->capture_default_str();
  CLI::App* flash_damage = bind(flash->add_subcommand("damage", "Spoil a region's header or data"), [&] { return qxsim::flash_damage(opt); });
  flash_damage->add_option("type", opt.image_type, "Image type name or code")->required();
  flash_damage->add_option("--adapter", opt.pd_adapter, "Adapter id")->check(CLI::Range(0, 15))->capture_default_str();
  CLI::Option* header_flag = flash_damage->add_flag("--header", opt.damage_header, "Spoil the header");
  flash_damage->add_flag("--data", opt.damage_data, "Spoil the data (the default)")->excludes(header_flag);

  CLI::App* adapter = app.add_subcommand("adapter", "Adapter events");
  adapter->require_subcommand(1);
  CLI::App* reboot = bind(adapter->add_subcommand("reboot", "Restart: written images start to run"), [&] { return qxsim::adapter_reboot(opt); });
  reboot->add_option("--adapter", opt.pd_adapter, "Adapter id")->check(CLI::Range(0, 15))->capture_default_str();
  CLI::App* host = app.add_subcommand("host", "The host's view of the VDs and disks (OS disk numbers)");
  host->require_subcommand(1);
  CLI::App* present = bind(host->add_subcommand("present", "Show the VDs and exposed free disks as OS disks"),
                           [&] { return qxsim::host(qxsim::HostStep::kPresent, opt); });
  present->add_option("dir", opt.host_root, "Folder of the host's disk tree (new, empty or an earlier tree)")
      ->required();
  bind(host->add_subcommand("rescan", "Renumber and rewrite the host's disk tree"),
       [&] { return qxsim::host(qxsim::HostStep::kRescan, opt); });
  bind(host->add_subcommand("forget", "Stop showing disks to the host and remove its tree"),
       [&] { return qxsim::host(qxsim::HostStep::kForget, opt); });

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // --help answers 0; a command line that cannot be parsed answers 2.
    return app.exit(e) == 0 ? 0 : 2;
  }

  int status = 1;
  try {
    status = action ? action() : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "qxsim: %s\n", e.what());
  }
  // Output that did not arrive (a full disk) fails a command that otherwise
  // succeeded: an exported state must never be silently empty.
  if (!qx::output_written(stdout, "qxsim") && status == 0) status = 1;
  return status;
}
