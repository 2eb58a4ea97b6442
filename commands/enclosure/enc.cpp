// `enc`: enclosures, the status of their elements and the elements'
// thresholds.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "api/element_types.h"
#include "api/qx_api.h"
#include "api/status.h"
#include "commands/enclosure/element_display.h"
#include "commands/handlers.h"
#include "shell/handler_support.h"
#include "shell/list_query.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

const shell::OptionTable kOptions{
    {'o', "object", shell::Arg::kRequired, shell::kOnce, shell::kMustGive},
    {'i', "enclosureid", shell::Arg::kRequired, shell::kOnce},
    {'e', "elementid", shell::Arg::kRequired, shell::kOnce},
    {'t', "elementtype", shell::Arg::kRequired, shell::kOnce},
    {'a', "adapterid", shell::Arg::kRequired, shell::kRepeats},
    shell::kOutputEntry,
    shell::kHelpEntry};

enum class Operation { kNone, kEnclosures, kElements, kElementConfig };

struct Selection {
  uint16_t enclosure = QX_ALL_ENCLOSURES;
  uint8_t type = kAnyElement;
  uint8_t element_id = kAnyElement;
};

using EnclosureBuffer = shell::ListBuffer<QX_ENCLOSURE_INFO>;

bool allocate_enclosures(EnclosureBuffer& buffer) {
  return buffer.allocate(EnclosureBuffer::page_size(shell::current_adapter_info().max_buffer_kb));
}

uint8_t show_enclosures(const Selection& sel) {
  const uint8_t adapter = shell::state().current_adapter;
  const bool all = sel.enclosure == QX_ALL_ENCLOSURES;
  EnclosureBuffer buffer;
  if (!allocate_enclosures(buffer)) return kNoResource;
  return shell::page_through<QX_ENCLOSURE_INFO>(
      buffer, all ? std::nullopt : std::optional<uint16_t>(sel.enclosure),
      [&](QX_QUERY_HEADER* q) { return QX_ENC_GetEnclosureInfo(adapter, q); },
      [&](const EnclosureBuffer& page, bool first) {
        if (first && page.returned() == 0) {
          if (all) shell::print("\nNo enclosure is found\n");
          return shell::stop_listing(kOk);
        }
        for (uint16_t i = 0; i < page.returned(); ++i) show_enclosure(page.record(i));
        return shell::kNextPage;
      });
}

uint8_t show_elements(const Selection& sel) {
  std::vector<QX_ENC_ELEMENT> records(QX_ENC_MAX_ELEMENTS);
  uint16_t count = 0;
  const uint8_t status =
      QX_ENC_GetElementInfo(shell::state().current_adapter, sel.enclosure, records.data(), &count);
  if (status != kOk) return status;
  select_elements<QX_ENC_ELEMENT>(records.data(), std::min<size_t>(count, QX_ENC_MAX_ELEMENTS), sel.type,
                                  sel.element_id, show_element_status);
  return kOk;
}

// The enclosures `-o elecfg` goes through: the one asked for, or those of
// one answer for all.
uint8_t enclosure_ids(const Selection& sel, std::vector<uint16_t>& ids) {
  if (sel.enclosure != QX_ALL_ENCLOSURES) {
    ids.push_back(sel.enclosure);
    return kOk;
  }
  EnclosureBuffer buffer;
  if (!allocate_enclosures(buffer)) return kNoResource;
  buffer.ask_list(0);
  const uint8_t status = QX_ENC_GetEnclosureInfo(shell::state().current_adapter, buffer.header());
  if (status != kOk) return status;
  for (uint16_t i = 0; i < buffer.returned(); ++i) ids.push_back(buffer.record(i).link.id);
  return kOk;
}

uint8_t show_element_configs(const Selection& sel) {
  std::vector<uint16_t> ids;
  if (const uint8_t status = enclosure_ids(sel, ids); status != kOk) return status;
  std::vector<QX_ENC_ELEMENT_CONFIG> records(QX_ENC_MAX_ELEMENTS);
  for (uint16_t id : ids) {
    uint8_t count = 0;
    const uint8_t status = QX_ENC_GetElementConfig(shell::state().current_adapter, id, records.data(), &count);
    if (status != kOk) {
      shell::print("\nUnable to get configuration of enclosure %d %s\n", id, error_report(status).c_str());
      continue;
    }
    select_elements<QX_ENC_ELEMENT_CONFIG>(records.data(), count, sel.type, sel.element_id, show_element_config);
  }
  return kOk;
}

std::optional<uint8_t> element_type_code(const char* keyword) {
  for (const ElementType& t : kElementTypes)
    if (shell::equals_ignoring_case(keyword, t.keyword)) return t.code;
  return std::nullopt;
}

}  // namespace

uint32_t cmd_enc(int argc, char** argv, const CommandEntry& self) {
  Operation operation = Operation::kNone;
  int32_t enclosure = 0;
  Selection sel;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int code; (code = scan.next()) != -1;) {
    const char* arg = scan.arg();
    switch (code) {
      case 'o':
        if (shell::equals_ignoring_case(arg, "enc"))
          operation = Operation::kEnclosures;
        else if (shell::equals_ignoring_case(arg, "ele"))
          operation = Operation::kElements;
        else if (shell::equals_ignoring_case(arg, "elecfg"))
          operation = Operation::kElementConfig;
        else
          shell::print("-o: invalid option '%s'\n", arg);
        break;
      case 'i':
        if (!shell::require_decimal(arg, "-i: invalid enclosure id '%s'\n", arg)) return 1;
        enclosure = shell::decimal_value(arg);
        break;
      case 'e': {
        if (!shell::require_decimal(arg, "-e: invalid element id '%s'\n", arg)) return 1;
        const int32_t id = shell::decimal_value(arg);
        if (id >= kAnyElement) {
          shell::print("-e: element id should be less than 255\n");
          return 1;
        }
        sel.element_id = static_cast<uint8_t>(id);
        break;
      }
      case 't': {
        const std::optional<uint8_t> type = element_type_code(arg);
        if (!type) {
          shell::print("-t: element type error:'%s'\n", arg);
          return 1;
        }
        sel.type = *type;
        break;
      }
      case shell::kOutputOption: break;
      case '?': return 1;
      default: return shell::print_command_help(self);  // -a, -h
    }
  }
  if (scan.given('i') && (enclosure < 0 || enclosure >= static_cast<int32_t>(QX_ALL_ENCLOSURES))) {
    shell::print("-i : invalid id %d\n", enclosure);
    return 1;
  }
  if (scan.duplicated()) return shell::duplicated_option();
  if (scan.report_missing(self)) return 1;
  if (scan.given('e') && !scan.given('t')) {
    shell::print("Missing -t: please specify the type of the given element id\n");
    return 1;
  }
  sel.enclosure = scan.given('i') ? static_cast<uint16_t>(enclosure) : QX_ALL_ENCLOSURES;

  uint8_t status = kOk;
  switch (operation) {
    case Operation::kEnclosures: status = show_enclosures(sel); break;
    case Operation::kElements: status = show_elements(sel); break;
    case Operation::kElementConfig: status = show_element_configs(sel); break;
    case Operation::kNone: break;
  }
  if (status != kOk) shell::print("\nUnable to get enclosure info %s\n", error_report(status).c_str());
  return status;
}

}  // namespace qx::commands
