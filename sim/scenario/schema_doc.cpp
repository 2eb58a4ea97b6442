#include "sim/scenario/schema_doc.h"

#include <string>

#include "sim/model/activity.h"
#include "sim/model/adapter.h"
#include "sim/model/aes.h"
#include "sim/model/array.h"
#include "sim/model/battery.h"
#include "sim/model/disk.h"
#include "sim/model/element.h"
#include "sim/model/event.h"
#include "sim/model/fault.h"
#include "sim/model/flash_image.h"
#include "sim/model/smart.h"
#include "sim/model/tier.h"
#include "sim/model/topology.h"
#include "sim/model/vd.h"

namespace qx::sim {

namespace {

std::string kind_text(FieldKind kind, int64_t min, int64_t max, const std::vector<std::string>& choices) {
  switch (kind) {
    case FieldKind::kInteger: return "integer " + std::to_string(min) + ".." + std::to_string(max);
    case FieldKind::kBool: return "true/false";
    case FieldKind::kText: return "text, up to " + std::to_string(max) + " characters";
    case FieldKind::kHex: return "hexadecimal, up to " + std::to_string(max) + " bytes";
    case FieldKind::kVersion: return "version \"a.b.c.d\"";
    case FieldKind::kList: return "list of integers";
    case FieldKind::kEnum: {
      std::string out = "one of";
      for (const std::string& c : choices) out += (out == "one of" ? " " : ", ") + c;
      return out;
    }
  }
  return "";
}

std::string escape_cell(std::string text) {
  std::string out;
  for (char c : text) out += c == '|' ? std::string("\\|") : std::string(1, c);
  return out;
}

template <class T>
std::string table(const Model<T>& model, const std::string& where) {
  std::string out = "### " + model.table + "\n\n" + model.doc + " In a scenario: " + where + ".\n\n";
  out += "| Key | Kind | Default | Feeds | Meaning |\n|---|---|---|---|---|\n";
  for (const Field<T>& f : model.fields) {
    if (!f.in_scenario) continue;
    out += "| `" + f.name + "` | " + kind_text(f.kind, f.min, f.max, f.choices) + " | `" +
           escape_cell(f.default_value.dump()) + "` | " + escape_cell(f.feeds) + " | " + escape_cell(f.doc) + " |\n";
  }
  return out + "\n";
}

}  // namespace

std::string schema_markdown() {
  std::string out;
  out += table(adapter_model(), "the list `adapters`, in id order");
  out += table(disk_model(), "`adapters[i].disks`");
  out += table(vd_model(), "`adapters[i].vds`");
  out += table(block_model(), "`adapters[i].blocks`");
  out += table(array_model(), "`adapters[i].arrays`");
  out += table(activity_model(), "`adapters[i].activities`");
  out += table(event_model(), "`adapters[i].events`");
  out += table(battery_model(), "the object `adapters[i].battery`");
  out += table(enclosure_model(), "`adapters[i].enclosures`");
  out += table(expander_model(), "`adapters[i].expanders`");
  out += table(pm_model(), "`adapters[i].pms`");
  out += table(element_model(), "`adapters[i].elements`");
  out += table(smart_model(), "`adapters[i].smart_attributes`");
  out += table(aes_entry_model(), "`adapters[i].aes_entries`");
  out += table(aes_port_model(), "`adapters[i].aes_ports`");
  out += table(flash_image_scenario_model(), "`adapters[i].images`");
  out += table(tier_entry_model(), "`adapters[i].tier_entries`");
  out += table(ssd_segment_model(), "`adapters[i].ssd_segments`");
  out += table(fault_model(), "the top-level list `faults`");
  return out;
}

}  // namespace qx::sim
