// `topology`: how enclosures, expanders, port multipliers and disks are
// cabled to the current adapter. Four lists are read, each page into the
// same buffer, so each list shows the records of its last answer.
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/handlers.h"
#include "commands/inventory/pd_lines.h"
#include "shell/handler_support.h"
#include "shell/list_query.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

const shell::OptionTable kOptions{shell::kOutputEntry, shell::kHelpEntry};

// Names of the device type codes of a link descriptor.
const char* const kNodeNames[] = {"none",      "PD",     "PM",    "EXP",           "TAPE",          "PRINTER",
                                  "PROCESSOR", "WRITE_ONCE", "CD/DVD", "OPTICAL_MEMORY", "MEDIA_CHANGER", "ENCLOSURE"};

const char* node_name(uint8_t code) {
  return code < sizeof kNodeNames / sizeof kNodeNames[0] ? kNodeNames[code] : "unknown";
}

std::string phy_list(uint8_t count, const uint8_t (&phys)[QX_LINK_MAX_PHYS]) {
  return shell::number_list_text(phys, std::min<uint8_t>(count, QX_LINK_MAX_PHYS));
}

std::string address(const uint8_t (&bytes)[8]) { return shell::hex_bytes_text(bytes, sizeof bytes); }

std::string parent_phys(const QX_LINK_DESCRIPTOR& l) { return phy_list(l.parent_phy_count, l.parent_phys); }
std::string own_phys(const QX_LINK_DESCRIPTOR& l) { return phy_list(l.phy_count, l.phys); }
std::string parent_address(const QX_LINK_DESCRIPTOR& l) { return address(l.parent_sas_address); }
std::string own_address(const QX_LINK_DESCRIPTOR& l) { return address(l.sas_address); }

// A PD record's first bytes are a link descriptor at the same offsets.
QX_LINK_DESCRIPTOR link_of(const QX_PD_INFO& pd) {
  QX_LINK_DESCRIPTOR l;
  static_assert(sizeof(QX_PD_INFO) >= sizeof l);
  std::memcpy(&l, &pd, sizeof l);
  return l;
}

// The last answer of one list.
template <class Record>
struct LastAnswer {
  shell::ListBuffer<Record> buffer;
  uint16_t count() const { return buffer.returned(); }
  Record at(uint16_t i) const { return buffer.record(i); }
};

// Reads a list into `list`, every page into the same buffer. Returns 0, or
// the status after printing the list's failure message ("Unable to get
// NOUN info").
template <class Record, class Fetch>
uint8_t read_list(LastAnswer<Record>& list, const char* call_name, const char* noun, Fetch fetch) {
  using Buffer = shell::ListBuffer<Record>;
  const uint16_t page_size = Buffer::page_size(shell::current_adapter_info().max_buffer_kb);
  if (!list.buffer.allocate(page_size)) {
    shell::print("\nFailed to allocated space for %s().\n", call_name);
    return kNoResource;
  }
  const uint8_t status = shell::page_through<Record>(
      list.buffer, std::nullopt, fetch, [](const Buffer&, bool) { return shell::kNextPage; });
  if (status != kOk) shell::print("Unable to get %s info, error = %d\n", noun, status);
  return status;
}

struct Lists {
  LastAnswer<QX_ENCLOSURE_INFO> enclosures;
  LastAnswer<QX_EXPANDER_INFO> expanders;
  LastAnswer<QX_PM_INFO> pms;
  LastAnswer<QX_PD_INFO> pds;
  uint8_t pd_form = shell::kExtendedForm;

  // The first expander whose own id is `id`.
  std::optional<QX_EXPANDER_INFO> expander(uint16_t id) const {
    for (uint16_t i = 0; i < expanders.count(); ++i)
      if (expanders.at(i).link.id == id) return expanders.at(i);
    return std::nullopt;
  }
};

uint8_t read_lists(Lists& lists) {
  const uint8_t adapter = shell::state().current_adapter;
  uint8_t status = read_list(lists.enclosures, "QX_ENC_GetEnclosureInfo", "enclosure",
                             [&](QX_QUERY_HEADER* q) { return QX_ENC_GetEnclosureInfo(adapter, q); });
  if (status == kOk)
    status = read_list(lists.expanders, "QX_PD_GetExpanderInfo", "expander",
                       [&](QX_QUERY_HEADER* q) { return QX_PD_GetExpanderInfo(adapter, q); });
  if (status == kOk)
    status = read_list(lists.pms, "QX_PD_GetPMInfo", "port mutiplexer",
                       [&](QX_QUERY_HEADER* q) { return QX_PD_GetPMInfo(adapter, q); });
  // Once an answer had to come in the plain form, the records are read so.
  if (status == kOk)
    status = read_list(lists.pds, "QX_PD_GetHDInfo_Ext", "hard disk",
                       [&](QX_QUERY_HEADER* q) -> uint8_t {
                         if (QX_PD_GetHDInfo_Ext(adapter, q) == kOk) return kOk;
                         lists.pd_form = shell::kPlainForm;
                         return QX_PD_GetHDInfo(adapter, q);
                       });
  return status;
}

// "    HBA port [...]" with the parent's address when the adapter supports expanders.
void print_hba_port(const QX_LINK_DESCRIPTOR& l) {
  if (shell::current_adapter_info().expander_support != 0)
    shell::print("    HBA port [%s], addr [%s]\n", parent_phys(l).c_str(), parent_address(l).c_str());
  else
    shell::print("    HBA port [%s]\n", parent_phys(l).c_str());
}

void print_expander_in_enclosure(const QX_EXPANDER_INFO& x) {
  shell::print("        => Enclosure %d (%s %d), port [%s], addr [%s]\n", x.enclosure_id, node_name(x.link.node_type),
               x.link.id, own_phys(x.link).c_str(), own_address(x.link).c_str());
}

// Calls `each` with the found expander of every id an enclosure lists.
template <class Each>
void for_listed_expanders(const Lists& lists, const QX_ENCLOSURE_INFO& e, Each each) {
  if (e.link.parent_kind != QX_NODE_NONE) return;
  const uint8_t n = std::min<uint8_t>(e.expander_count, QX_ENCLOSURE_MAX_EXPANDERS);
  for (uint8_t k = 0; k < n; ++k)
    if (std::optional<QX_EXPANDER_INFO> x = lists.expander(e.expander_ids[k])) each(*x);
}

void print_hba_links(const Lists& lists) {
  shell::print("\nHBA links:\n\n");
  for (uint16_t i = 0; i < lists.enclosures.count(); ++i)
    for_listed_expanders(lists, lists.enclosures.at(i), [](const QX_EXPANDER_INFO& x) {
      if (x.link.parent_kind != QX_NODE_ADAPTER_PORT) return;
      shell::print("    HBA port [%s], addr [%s]\n", parent_phys(x.link).c_str(), parent_address(x.link).c_str());
      print_expander_in_enclosure(x);
    });
  for (uint16_t i = 0; i < lists.pms.count(); ++i) {
    const QX_LINK_DESCRIPTOR& l = lists.pms.at(i).link;
    if (l.parent_kind != QX_NODE_ADAPTER_PORT) continue;
    print_hba_port(l);
    shell::print("        => %s %d, port [%s]\n", node_name(l.node_type), l.id, own_phys(l).c_str());
  }
  for (uint16_t i = 0; i < lists.pds.count(); ++i) {
    const QX_PD_INFO info = lists.pds.at(i);
    const PdRecord pd{info, lists.pd_form};
    const QX_LINK_DESCRIPTOR l = link_of(info);
    if (l.parent_kind != QX_NODE_ADAPTER_PORT) continue;
    print_hba_port(l);
    const std::string type = shell::disk_type_text(info, lists.pd_form);
    if (pd.is_sas())
      shell::print("        => %s %d (%s), addr [%s]\n", node_name(l.node_type), l.id, type.c_str(),
                   own_address(l).c_str());
    else
      shell::print("        => %s %d (%s)\n", node_name(l.node_type), l.id, type.c_str());
  }
}

void print_enclosure_links(const Lists& lists) {
  if (lists.enclosures.count() == 0) return;
  shell::print("\nEnclosure links:\n\n");
  for (uint16_t i = 0; i < lists.enclosures.count(); ++i) {
    const QX_ENCLOSURE_INFO e = lists.enclosures.at(i);
    for_listed_expanders(lists, e, [&](const QX_EXPANDER_INFO& x) {
      if (x.link.parent_kind != QX_NODE_EXPANDER) return;
      shell::print("    Enclosure %d (%s %d)port [%s], addr [%s]\n", e.link.id, node_name(x.link.parent_kind),
                   x.link.parent_id, parent_phys(x.link).c_str(), parent_address(x.link).c_str());
      print_expander_in_enclosure(x);
    });
    shell::print("\n");
  }
}

void print_expander_links(const Lists& lists) {
  if (lists.expanders.count() == 0) return;
  shell::print("\nExpander links:\n\n");
  for (uint16_t i = 0; i < lists.expanders.count(); ++i) {
    const QX_LINK_DESCRIPTOR x = lists.expanders.at(i).link;
    for (uint16_t j = 0; j < lists.expanders.count(); ++j) {
      const QX_LINK_DESCRIPTOR y = lists.expanders.at(j).link;
      if (j == i || y.parent_kind != QX_NODE_EXPANDER || y.parent_id != x.id) continue;
      shell::print("    EXP %d, port [%s], addr [%s]\n", y.parent_id, parent_phys(y).c_str(), parent_address(y).c_str());
      shell::print("        => %s %d, port [%s], addr [%s]\n", node_name(y.node_type), y.id, own_phys(y).c_str(),
                   own_address(y).c_str());
    }
    for (uint16_t j = 0; j < lists.pds.count(); ++j) {
      const QX_PD_INFO info = lists.pds.at(j);
      const QX_LINK_DESCRIPTOR d = link_of(info);
      if (d.parent_kind != QX_NODE_EXPANDER || d.parent_id != x.id) continue;
      const PdRecord pd{info, lists.pd_form};
      const std::string type = shell::disk_type_text(info, lists.pd_form);
      shell::print("    EXP %d, port [%s], addr [%s]\n", d.parent_id, parent_phys(d).c_str(), parent_address(d).c_str());
      if (pd.has_address())
        shell::print("        => %s %d (%s), addr [%s]\n", node_name(d.node_type), d.id, type.c_str(),
                     own_address(d).c_str());
      else
        shell::print("        => %s %d (%s)\n", node_name(d.node_type), d.id, type.c_str());
    }
    shell::print("\n");
  }
}

void print_pm_links(const Lists& lists) {
  if (lists.pms.count() == 0) return;
  shell::print("\nPM links:\n\n");
  for (uint16_t i = 0; i < lists.pms.count(); ++i) {
    const QX_LINK_DESCRIPTOR p = lists.pms.at(i).link;
    for (uint16_t j = 0; j < lists.pms.count(); ++j) {
      const QX_LINK_DESCRIPTOR q = lists.pms.at(j).link;
      if (j == i || q.parent_kind != QX_NODE_PM || q.parent_id != p.id) continue;
      shell::print("    PM %d, port [%s]\n", q.parent_id, parent_phys(q).c_str());
      shell::print("        => %s %d, port [%s]\n", node_name(q.node_type), q.id, own_phys(q).c_str());
    }
    shell::print("HD to PM connection\n");
    for (uint16_t j = 0; j < lists.pds.count(); ++j) {
      const QX_PD_INFO info = lists.pds.at(j);
      const QX_LINK_DESCRIPTOR d = link_of(info);
      shell::print("HD pType %d, HD pId %d, PM sId %d\n", d.parent_kind, d.parent_id, p.id);
      if (d.parent_kind != QX_NODE_PM || d.parent_id != p.id) continue;
      shell::print("    PM %d, port [%s]\n", d.parent_id, parent_phys(d).c_str());
      shell::print("        => %s %d (%s)\n", node_name(d.node_type), d.id,
                   shell::disk_type_text(info, lists.pd_form).c_str());
    }
    shell::print("\n");
  }
}

}  // namespace

uint32_t cmd_topology(int argc, char** argv, const CommandEntry& self) {
  shell::OptionScan scan(kOptions, argc, argv);
  for (int code; (code = scan.next()) != -1;) {
    switch (code) {
      case shell::kOutputOption: break;
      case '?': return 1;
      default: return shell::print_command_help(self);
    }
  }
  Lists lists;
  if (const uint8_t status = read_lists(lists); status != kOk) return status;
  print_hba_links(lists);
  print_enclosure_links(lists);
  print_expander_links(lists);
  print_pm_links(lists);
  return 0;
}

}  // namespace qx::commands
