// `sat`: sends a raw command descriptor block to a physical disk and shows
// the data it returned or its sense data.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "api/crc32.h"
#include "api/qx_api.h"
#include "api/status.h"
#include "commands/diag/hex_rows.h"
#include "commands/handlers.h"
#include "platform/file_routines.h"
#include "shell/handler_support.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

constexpr int kIn = shell::kFirstLongOnlyCode;
constexpr int kOut = shell::kFirstLongOnlyCode + 1;

const shell::OptionTable kOptions{{'i', "ID", shell::Arg::kRequired, shell::kRepeats, shell::kMustGive},
                                  {'f', "fis", shell::Arg::kRequired, shell::kRepeats},
                                  {kIn, "in", shell::Arg::kNone, shell::kRepeats},
                                  {kOut, "out", shell::Arg::kNone, shell::kRepeats},
                                  {'s', "size", shell::Arg::kRequired, shell::kRepeats},
                                  {'d', "data", shell::Arg::kRequired, shell::kRepeats},
                                  shell::kOutputEntry,
                                  shell::kHelpEntry};

// The CDB bytes of `-f`: two hexadecimal digits at a time up to the end or
// a blank, a lone last digit a byte of its own. Each piece is read as a
// leading hexadecimal number (a piece that starts with no digit is 0), so
// that a typing slip gives a byte rather than a refusal. None when the text
// holds more bytes than a CDB.
std::optional<std::vector<uint8_t>> cdb_bytes(const char* text) {
  std::vector<uint8_t> bytes;
  for (const char* p = text; *p != '\0' && *p != ' '; p += p[1] == '\0' || p[1] == ' ' ? 1 : 2) {
    if (bytes.size() == QX_SCSI_CDB_SIZE) return std::nullopt;
    const char pair[3] = {p[0], p[1] == ' ' ? '\0' : p[1], '\0'};
    bytes.push_back(static_cast<uint8_t>(std::strtoul(pair, nullptr, 16)));
  }
  return bytes;
}

}  // namespace

uint32_t cmd_sat(int argc, char** argv, const CommandEntry& self) {
  uint16_t pd = 0;
  std::vector<uint8_t> cdb;
  uint8_t direction = QX_SCSI_FROM_DEVICE;
  std::optional<uint16_t> size;
  std::optional<std::string> data_file;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int code; (code = scan.next()) != -1;) {
    switch (code) {
      case shell::kOutputOption: break;
      case 'i':
        if (!shell::require_decimal(scan.arg(), "-i : invalid phyiscal disk id '%s'\n", scan.arg())) return 1;
        pd = static_cast<uint16_t>(shell::decimal_value(scan.arg()));
        break;
      case 'f':
        if (std::optional<std::vector<uint8_t>> bytes = cdb_bytes(scan.arg())) {
          cdb = std::move(*bytes);
          break;
        }
        shell::print("-f : fis cannot more than 16 '%s'\n", scan.arg());
        return 1;
      case kIn: direction = QX_SCSI_TO_DEVICE; break;
      case kOut: direction = QX_SCSI_FROM_DEVICE; break;
      case 's':
        if (!shell::require_decimal(scan.arg(), "-s : invalid size '%s'\n", scan.arg())) return 1;
        size = static_cast<uint16_t>(shell::decimal_value(scan.arg()));
        break;
      case 'd':
        data_file = shell::file_name_argument(scan.arg());
        if (!data_file) {
          shell::print_text(shell::kFileNameTooLong);
          return 1;
        }
        break;
      default: return shell::other_option(code, self);
    }
  }
  if (scan.report_missing(self)) return 1;

  const uint16_t data_size = size.value_or(0);
  std::vector<uint8_t> buffer(QX_SCSI_REQUEST_SIZE + size_t{data_size});
  auto* request = reinterpret_cast<QX_SCSI_REQUEST*>(buffer.data());
  uint8_t* data = buffer.data() + QX_SCSI_DATA_OFFSET;
  std::copy(cdb.begin(), cdb.end(), request->cdb);
  request->data_size = data_size;
  request->direction = direction;
  request->cdb_length = QX_SCSI_CDB_SIZE;
  request->checksum = QX_SCSI_NO_CHECKSUM;
  if (data_file && direction == QX_SCSI_TO_DEVICE) {
    platform::File file;
    if (!file.open(*data_file, platform::FileMode::kRead)) {
      shell::print("Unable to open file '%s'.\n", data_file->c_str());
      return 1;
    }
    file.read(data, data_size);
    file.close();
    if (data_size != 0) request->checksum = data_checksum(data, data_size);
  }

  const uint8_t status = QX_PassThrough_SCSI(shell::state().current_adapter, pd, request);
  if (status != kOk)
    shell::print("\nFail to send command %s\n", error_report(status).c_str());
  else
    shell::print("\nSend command successfully!\n");
  if (direction == QX_SCSI_FROM_DEVICE && size && status == kOk) {
    if (data_size == 0)
      shell::print("\n");
    else
      print_hex_rows(data, data_size);
    return status;
  }
  if (status == kLinkTimeOut) {
    shell::print("\nSense data:\n");
    print_hex_rows(request->sense, QX_SCSI_SENSE_SIZE);
  }
  shell::print("\n");
  return status;
}

}  // namespace qx::commands
