// `aesentry`: an AES entry's key length, which entries have keys, and
// setting an entry's key.
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

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

const shell::OptionTable kOptions{{'i', "id", shell::Arg::kRequired, shell::kOnce},
                                  {'o', "operation", shell::Arg::kRequired, shell::kOnce, shell::kMustGive},
                                  {'p', "password", shell::Arg::kRequired, shell::kRepeats},
                                  {'k', "key", shell::Arg::kRequired, shell::kRepeats},
                                  shell::kOutputEntry,
                                  shell::kHelpEntry};

enum class Operation { kNone, kSet, kGet, kInfo };

uint32_t get_config(uint16_t id, const AesText& password) {
  shell::OneQuery<QX_AES_ENTRY_CONFIG> query{};
  query.header.query_type = QX_QUERY_ONE;
  query.header.start_id = id;
  query.header.requested = 1;
  query.header.next_id = QX_NO_NEXT_ID;
  password.put(query.record.password);
  const uint8_t status = QX_AES_GetEntryConfig(shell::state().current_adapter, &query.header);
  if (status != kOk) return entry_query_failed(id, status);
  shell::print_label_num(kAesLabelWidth, "Entry ID:", query.record.entry_id);
  shell::print_label_num(kAesLabelWidth, "AES key length:", query.record.key_length);
  shell::print("\n");
  return 0;
}

// A list query of `count` records of `Record` in a buffer of the adapter's
// query buffer size.
template <class Record>
struct ListArea {
  std::unique_ptr<unsigned char[]> bytes;
  size_t size = 0;
  bool allocate(size_t n) {
    bytes.reset(new (std::nothrow) unsigned char[n]());
    size = bytes ? n : 0;
    return bytes != nullptr;
  }
  QX_QUERY_HEADER* header() { return reinterpret_cast<QX_QUERY_HEADER*>(bytes.get()); }
  void ask(uint16_t count) {
    *header() = QX_QUERY_HEADER{};
    header()->query_type = QX_QUERY_LIST;
    header()->requested = count;
    header()->next_id = QX_NO_NEXT_ID;
  }
  // The returned records that fit the buffer.
  uint16_t returned() const {
    const size_t room = size < sizeof(QX_QUERY_HEADER) ? 0 : (size - sizeof(QX_QUERY_HEADER)) / sizeof(Record);
    const uint16_t n = reinterpret_cast<const QX_QUERY_HEADER*>(bytes.get())->returned;
    return n < room ? n : static_cast<uint16_t>(room);
  }
  Record at(uint16_t i) const {
    Record r;
    std::memcpy(&r, bytes.get() + sizeof(QX_QUERY_HEADER) + i * sizeof(Record), sizeof r);
    return r;
  }
};

// Without the entry information, the port and entry lists say the same.
uint32_t list_ports_and_entries(uint16_t id) {
  const QX_ADAPTER_INFO& info = shell::current_adapter_info();
  const size_t size = size_t{info.max_buffer_kb} * 1024;
  ListArea<QX_AES_PORT_INFO> ports;
  ListArea<QX_AES_ENTRY_STATUS> entries;
  // A buffer too small for even the header counts as not allocated.
  if (size < sizeof(QX_QUERY_HEADER) || !ports.allocate(size) || !entries.allocate(size))
    return entry_query_failed(id, kBufferTooBig);
  ports.ask(info.aes_port_count);
  entries.ask(info.aes_entry_count);
  const uint8_t adapter = shell::state().current_adapter;
  uint8_t status = QX_AES_OnlyGetEntryInfo(adapter, entries.header());
  if (status == kOk) status = QX_AES_OnlyGetPortInfo(adapter, ports.header());
  if (status != kOk) return entry_query_failed(id, status);
  for (uint16_t i = 0; i < ports.returned(); ++i) {
    const QX_AES_PORT_INFO p = ports.at(i);
    shell::print_label_num(kAesLabelWidth, "Port ID:", p.port_id);
    shell::print_label_num(kAesLabelWidth, "Entry ID:", p.entry_id);
    shell::print("\n");
  }
  for (uint16_t i = 0; i < entries.returned(); ++i) {
    const QX_AES_ENTRY_STATUS e = entries.at(i);
    shell::print_label_num(kAesLabelWidth, "Entry ID:", e.entry_id);
    shell::print_label_num(kAesLabelWidth, "Status:", e.status);
    shell::print("\n");
  }
  return 0;
}

uint32_t get_info(uint16_t id) {
  QX_AES_ENTRY_INFO info{};
  if (QX_AES_GetEntryInfo(shell::state().current_adapter, &info) != kOk) return list_ports_and_entries(id);
  for (int entry = 0; entry < QX_AES_INFO_PAIRS; ++entry) {
    shell::print_label_num(kAesLabelWidth, "Entry ID:", entry);
    shell::print_label(kAesLabelWidth, "Has Key:", info.keys.has_key[entry] != 0 ? "Yes" : "No");
    shell::print("\n");
  }
  return 0;
}

uint32_t set_config(uint16_t id, const AesText& password, const AesText& key) {
  QX_AES_ENTRY_CONFIG request{};
  request.entry_id = static_cast<uint8_t>(id);
  request.key_length = QX_AES_TEXT_SIZE;
  key.put(request.key);
  password.put(request.password);
  const uint8_t status = QX_AES_SetEntryConfig(shell::state().current_adapter, &request);
  if (status == kOk) return 0;
  shell::print("\nFailed to set configuration of entry %d %s\n", id, error_report(status).c_str());
  return 1;
}

}  // namespace

uint32_t cmd_aesentry(int argc, char** argv, const CommandEntry& self) {
  uint16_t id = 255;
  Operation operation = Operation::kNone;
  AesText password, key;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int code; (code = scan.next()) != -1;) {
    const char* arg = scan.arg();
    switch (code) {
      case 'i':
        if (!shell::require_decimal(arg, "-i : invalid id '%s'\n", arg)) return 1;
        id = static_cast<uint16_t>(shell::decimal_value(arg));
        break;
      case 'o':
        if (std::optional<Operation> named = read_operation<Operation>(arg, {{"setCfg", Operation::kSet}, {"getCfg", Operation::kGet}, {"getinfo", Operation::kInfo}}))
          operation = *named;
        else
          return 1;
        break;
      case 'p':
        if (!read_password(arg, password)) return 1;
        break;
      case 'k':
        if (!read_key(arg, key)) return 1;
        break;
      case shell::kOutputOption: break;
      case '?': return 1;
      default: return shell::print_command_help(self);
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();
  if (scan.report_missing(self)) return 1;
  switch (operation) {
    case Operation::kGet:
      if (!scan.given('i')) return shell::missing_option(self, 'i');
      if (!scan.given('p')) return shell::missing_option(self, 'p');
      return get_config(id, password);
    case Operation::kInfo: return get_info(id);
    case Operation::kSet:
      if (!scan.given('i') || !scan.given('p')) {
        shell::print("\nAES entry id and password must be set.\n");
        return 1;
      }
      return set_config(id, password, key);
    case Operation::kNone: break;
  }
  return 1;
}

}  // namespace qx::commands
