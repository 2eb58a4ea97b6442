// `smart`: the SMART status and attribute table of one PD.
#include <cstring>
#include <string>
#include <string_view>

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

const shell::OptionTable kOptions{{'p', "phyId", shell::Arg::kRequired, shell::kOnce, shell::kMustGive},
                                  shell::kOutputEntry, shell::kHelpEntry};

constexpr int kNameWidth = 40;

uint32_t print_smart_help(const CommandEntry& self) {
  shell::print_text("Description:\n");
  shell::print("%s", self.brief);
  shell::print("%s", self.help);
  return 0;
}

bool is_unknown(const QX_SMART_ATTRIBUTE& a) {
  static constexpr char kUnknown[] = "Unknown";
  return std::string_view(a.name, strnlen(a.name, sizeof a.name)).starts_with(kUnknown);
}

void print_attributes(const QX_SMART_INFO& smart) {
  shell::print("SMART STATUS RETURN: %s.\n", smart.status == QX_SMART_STATUS_OK ? "OK" : "NotOK");
  shell::print("\nSmart Info\n");
  shell::print("ID\tAttribute Name\t\t\t\t\tCurrent\tWorst\tThreshhold\tRawValue\n");
  const uint16_t count = smart.attribute_count < QX_SMART_MAX_ATTRIBUTES ? smart.attribute_count
                                                                          : uint16_t{QX_SMART_MAX_ATTRIBUTES};
  for (uint16_t i = 0; i < count; ++i) {
    const QX_SMART_ATTRIBUTE& a = smart.attributes[i];
    if (is_unknown(a)) continue;
    const std::string name = shell::printable_text(a.name, sizeof a.name);
    shell::print("%02X\t%-*s\t%d\t%d\t%-8d\t%02X%02X%02X%02X%02X%02X\n", a.id, kNameWidth, name.c_str(), a.current,
                 a.worst, a.threshold, a.raw[5], a.raw[4], a.raw[3], a.raw[2], a.raw[1], a.raw[0]);
  }
}

}  // namespace

uint32_t cmd_smart(int argc, char** argv, const CommandEntry& self) {
  uint8_t pd_id = 0;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int code; (code = scan.next()) != -1;) {
    switch (code) {
      case 'p':
        if (!shell::require_decimal(scan.arg(), "-p : invalid phyiscal disk id '%s'\n", scan.arg())) return 1;
        pd_id = static_cast<uint8_t>(shell::decimal_value(scan.arg()));
        break;
      case shell::kOutputOption: break;
      case '?': return 1;
      default: return print_smart_help(self);
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();
  if (scan.report_missing(self)) return 1;

  const uint8_t adapter = shell::state().current_adapter;
  QX_PD_INFO info{};
  uint8_t form = shell::kExtendedForm;
  uint8_t status = shell::query_one(QX_PD_GetHDInfo_Ext, adapter, pd_id, info);
  if (status != kOk) {
    form = shell::kPlainForm;
    status = shell::query_one(QX_PD_GetHDInfo, adapter, pd_id, info);
  }
  if (status != kOk) {
    shell::print("Unable to get info of PD %d (error %d : %s)\n", pd_id, status, status_text(status));
    shell::print("\n");
    return status;
  }
  if (PdRecord{info, form}.is_sas()) {
    shell::print("SAS PD %d has not SMART information\n", pd_id);
    shell::print("\n");
    return 1;
  }
  QX_SMART_INFO smart{};
  status = QX_PD_GET_SMART_INFO(adapter, pd_id, QX_SMART_MAX_ATTRIBUTES, &smart);
  if (status != kOk) {
    shell::print("\nUnable to get smart information for PHY %d %s\n", pd_id, error_report(status).c_str());
    shell::print("\n");
    return status;
  }
  print_attributes(smart);
  shell::print("\n");
  return 0;
}

}  // namespace qx::commands
