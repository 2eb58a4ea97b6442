// `aesport`: AES ports with their link and switch, switching AES on a port,
// and linking a port to an entry or unlinking it.
#include <cstdint>
#include <optional>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/aes/aes_args.h"
#include "commands/handlers.h"
#include "shell/handler_support.h"
#include "shell/list_query.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

constexpr int kOnFlag = shell::kFirstLongOnlyCode;
constexpr int kOffFlag = shell::kFirstLongOnlyCode + 1;

const shell::OptionTable kOptions{{'i', "portid", shell::Arg::kRequired, shell::kOnce},
                                  {'o', "operation", shell::Arg::kRequired, shell::kOnce, shell::kMustGive},
                                  {'p', "password", shell::Arg::kRequired, shell::kRepeats},
                                  {'e', "entryid", shell::Arg::kRequired, shell::kRepeats},
                                  {kOnFlag, "aeson", shell::Arg::kNone, shell::kRepeats},
                                  {kOffFlag, "aesoff", shell::Arg::kNone, shell::kRepeats},
                                  shell::kOutputEntry,
                                  shell::kHelpEntry};

enum class Operation { kGet, kSet, kMount, kDismount };

void show_port(const QX_AES_PORT_CONFIG& port, std::optional<uint8_t> mounted_entry) {
  shell::print_label_num(kAesLabelWidth, "ID:", port.port_id);
  if (mounted_entry) {
    shell::print_label(kAesLabelWidth, "mount status:", "mounted");
    shell::print_label_num(kAesLabelWidth, "entry id:", *mounted_entry);
  } else {
    shell::print_label(kAesLabelWidth, "mount status:", "dismounted");
  }
  shell::print_label(kAesLabelWidth, "AES enable:", port.aes_enabled != 0 ? "Enabled" : "Disabled");
  shell::print("\n");
}

// Without the entry information, the port is asked for alone, and its entry.
void show_port_alone(const QX_AES_PORT_CONFIG& port) {
  const uint8_t adapter = shell::state().current_adapter;
  QX_AES_PORT_INFO info{};
  const uint8_t status = shell::query_one(QX_AES_OnlyGetPortInfo, adapter, port.port_id, info);
  if (status == kPdMissing) return show_port(port, std::nullopt);
  if (status != kOk) {
    port_query_failed(port.port_id, status);
    return;
  }
  if (info.entry_id == QX_AES_NO_ENTRY) return show_port(port, std::nullopt);
  QX_AES_ENTRY_STATUS entry{};
  if (const uint8_t s = shell::query_one(QX_AES_OnlyGetEntryInfo, adapter, info.entry_id, entry); s != kOk) {
    entry_query_failed(info.entry_id, s);
    return;
  }
  show_port(port, entry.status == QX_AES_ENTRY_LINKED ? std::optional<uint8_t>(info.entry_id) : std::nullopt);
}

uint32_t get_config(std::optional<uint16_t> id) {
  const uint8_t adapter = shell::state().current_adapter;
  // Room for every port the adapter has.
  shell::ListBuffer<QX_AES_PORT_CONFIG> buffer;
  if (!buffer.allocate(shell::current_adapter_info().aes_port_count)) return kNoResource;
  return shell::page_through<QX_AES_PORT_CONFIG>(
      buffer, id,
      [&](QX_QUERY_HEADER* q) {
        const uint8_t status = QX_AES_GetPortConfig(adapter, q);
        return status == kOk ? status : port_query_failed(id.value_or(255), status);
      },
      [&](const shell::ListBuffer<QX_AES_PORT_CONFIG>& page, bool first) {
        if (first && page.returned() == 0) {
          if (!id) shell::print("\nNo port is found\n");
          return shell::stop_listing(kOk);
        }
        // The entry information is read once a page, at its first port.
        std::optional<std::optional<QX_AES_ENTRY_INFO>> links;
        for (uint16_t i = 0; i < page.returned(); ++i) {
          const QX_AES_PORT_CONFIG port = page.record(i);
          if (!links) {
            QX_AES_ENTRY_INFO info{};
            links = QX_AES_GetEntryInfo(adapter, &info) == kOk ? std::optional(info) : std::nullopt;
          }
          if (!*links) {
            show_port_alone(port);
            continue;
          }
          for (const QX_AES_PORT_LINK& link : (*links)->links)
            if (link.port_id == port.port_id)
              show_port(port, link.entry_id < QX_AES_NO_ENTRY ? std::optional(link.entry_id) : std::nullopt);
        }
        return shell::kNextPage;
      });
}

uint32_t set_config(uint16_t id, bool enable) {
  QX_AES_PORT_CONFIG request{};
  request.port_id = static_cast<uint8_t>(id);
  request.aes_enabled = enable ? 1 : 0;
  const uint8_t status = QX_AES_SetPortConfig(shell::state().current_adapter, &request);
  if (status == kOk) {
    shell::print("\nSet configure of AES port %d is returned successfully.\n", id);
    return 0;
  }
  shell::print("\nSet configure of AES port %d failed %s.\n", id, error_report(status).c_str());
  return 1;
}

uint32_t mount(uint16_t id, uint8_t entry, const AesText& password) {
  QX_AES_LINK_REQUEST request{};
  request.port_id = static_cast<uint8_t>(id);
  request.entry_id = entry;
  password.put(request.password);
  const uint8_t status = QX_AES_SetLink(shell::state().current_adapter, &request);
  if (status == kOk) {
    shell::print("\nLink aes port %d to entry %d is returned successfully.\n", id, entry);
    return 0;
  }
  shell::print("\nFailed to link aes port %d to entry %d %s\n", id, entry, error_report(status).c_str());
  return 1;
}

uint32_t dismount(uint16_t id) {
  const uint8_t status = QX_AES_ClearLink(shell::state().current_adapter, static_cast<uint8_t>(id));
  if (status == kOk) {
    shell::print("\nClear AES link of port %d is returned successfully.\n", id);
    return 0;
  }
  shell::print("\nClear AES link of port %d failed %s.\n", id, error_report(status).c_str());
  return status;
}

}  // namespace

uint32_t cmd_aesport(int argc, char** argv, const CommandEntry& self) {
  uint16_t id = 255;
  uint8_t entry = 0;
  std::optional<bool> enable;
  Operation operation = Operation::kGet;
  AesText password;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int code; (code = scan.next()) != -1;) {
    const char* arg = scan.arg();
    switch (code) {
      case 'e':
        if (!shell::require_decimal(arg, "-e : invalid entry id '%s'\n", arg)) return 1;
        entry = static_cast<uint8_t>(shell::decimal_value(arg));
        break;
      case 'i':
        if (!shell::require_decimal(arg, "-i : invalid port id '%s'\n", arg)) return 1;
        id = static_cast<uint16_t>(shell::decimal_value(arg));
        break;
      case 'o':
        if (std::optional<Operation> named = read_operation<Operation>(arg, {{"getCfg", Operation::kGet}, {"set", Operation::kSet}, {"mount", Operation::kMount}, {"dismount", Operation::kDismount}}))
          operation = *named;
        else
          return 1;
        break;
      case 'p':
        if (!read_password(arg, password)) return 1;
        break;
      case kOnFlag: enable = true; break;
      case kOffFlag: enable = false; break;
      case shell::kOutputOption: break;
      case '?': return 1;
      default: return shell::print_command_help(self);
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();
  if (scan.report_missing(self)) return 1;
  switch (operation) {
    case Operation::kGet: return get_config(scan.given('i') ? std::optional<uint16_t>(id) : std::nullopt);
    case Operation::kSet:
      if (!scan.given('i')) return shell::missing_option(self, 'i');
      if (!enable) {
        shell::print("\n --aeson or --aesoff is required for set AES configuration.\n");
        return 1;
      }
      return set_config(id, *enable);
    case Operation::kMount:
      if (!scan.given('i') || !scan.given('e') || !scan.given('p')) {
        shell::print("\n  port id ,entry id, password and mount AES must be set.\n");
        return 1;
      }
      return mount(id, entry, password);
    case Operation::kDismount:
      if (!scan.given('i')) return shell::missing_option(self, 'i');
      return dismount(id);
  }
  return 1;
}

}  // namespace qx::commands
