#include "commands/inventory/pd_lines.h"

#include <cstring>
#include <string>
#include <string_view>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/common/block_owner.h"
#include "commands/inventory/block_entries.h"
#include "shell/list_query.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

constexpr int kWidth = kPdLabelWidth;
constexpr uint8_t kTypeNonDisk = QX_PD_TYPE_ATAPI_CDDVD | QX_PD_TYPE_TAPE | QX_PD_TYPE_OTHER;

bool all_bits(uint32_t value, uint32_t bits) { return (value & bits) == bits; }

// A fixed-width text field of the record (not always NUL-terminated).
template <size_t N>
std::string_view field(const char (&text)[N]) {
  return {text, strnlen(text, N)};
}

// The same, without its leading spaces.
template <size_t N>
std::string_view field_trimmed(const char (&text)[N]) {
  std::string_view view = field(text);
  const size_t first = view.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view() : view.substr(first);
}

// Written for every disk of a listing: the texts are joined rather than
// formatted through printf, which costs several times as much.
void print_link(const QX_PD_INFO& info) {
  using std::to_string;
  std::string at;
  switch (info.link_kind) {
    case QX_LINK_HBA_PORT:
      at = "HBA port " + to_string(info.port);
      break;
    case QX_LINK_EXPANDER:
      at = "Expander " + to_string(info.parent_id) + ", port " + to_string(info.port);
      break;
    case QX_LINK_PM:
      at = "PM " + to_string(info.parent_id) + ", port " + to_string(info.port);
      break;
    case QX_LINK_ENCLOSURE_HBA_PORT:
      at = "enclosure " + to_string(info.enclosure_id) + ", HBA port " + to_string(info.port);
      break;
    default:
      at = "unknown device, type " + to_string(info.link_kind) + ", id " + to_string(info.parent_id) + ", port " +
           to_string(info.port);
      break;
  }
  shell::print_label(kWidth, "Linked at:", at);
}

bool is_pata(const PdRecord& pd) {
  if (pd.form == shell::kPlainForm) return pd.info.type_bits == QX_PD_TYPE_PATA;
  return all_bits(pd.info.link_bits, QX_PD_LINK_PATA);
}

void print_sas_address(const PdRecord& pd) {
  const QX_PD_INFO& info = pd.info;
  const bool on_port = info.link_kind == QX_LINK_HBA_PORT || info.link_kind == QX_LINK_PM;
  if (shell::current_adapter_info().expander_support == 0 || (!pd.is_sas() && on_port)) return;
  static constexpr char kHex[] = "0123456789ABCDEF";
  char digits[16];
  for (int i = 0; i < 8; ++i) {
    digits[2 * i] = kHex[info.sas_address[i] >> 4];
    digits[2 * i + 1] = kHex[info.sas_address[i] & 0x0F];
  }
  shell::print_label(kWidth, "SAS address:", {digits, sizeof digits});
}

void print_size(const PdRecord& pd) {
  const bool no_size = pd.form == shell::kPlainForm ? (pd.info.type_bits & QX_PD_TYPE_ATAPI_CDDVD) != 0
                                                    : pd.info.device_type != QX_DEVICE_DISK;
  if (no_size) {
    shell::print_label(kWidth, "Size:", "not available");
  } else {
    shell::print_label_kb(kWidth, "Size:", static_cast<long long>(pd.info.size_kb));
  }
}

const char* switchable(bool capable, bool on) {
  if (!capable) return "not supported";
  return on ? "supported (on)" : "supported (off)";
}

// Write cache and SMART from the PD's configuration; returns its link speed
// code (0 when the configuration cannot be read).
uint8_t print_caches(const QX_PD_INFO& info) {
  const bool write_cache = (info.capabilities & QX_PD_CAP_WRITE_CACHE) != 0;
  const bool smart = (info.capabilities & QX_PD_CAP_SMART) != 0;
  QX_PD_CONFIG config{};
  if (shell::query_one(QX_PD_GetConfig, info.adapter_id, info.pd_id, config) != kOk) {
    shell::print_label(kWidth, "Write cache:", write_cache ? "supported" : "not supported");
    shell::print_label(kWidth, "SMART:", smart ? "supported" : "not supported");
    return 0;
  }
  const bool cache_fixed = (shell::current_adapter_info().adv_features & QX_ADV_NO_PD_CACHE) != 0;
  shell::print_label(kWidth, "Write cache:",
                     cache_fixed ? "not supported" : switchable(write_cache, config.write_cache != 0));
  shell::print_label(kWidth, "SMART:", switchable(smart, config.smart != 0));
  return config.link_speed;
}

void print_mode_line(const char* label, uint8_t mode) {
  if (mode != QX_NO_TRANSFER_MODE) shell::print_label_num(kWidth, label, mode);
}

void print_speeds(const PdRecord& pd, uint8_t link_speed) {
  const QX_PD_INFO& info = pd.info;
  if (is_pata(pd)) {
    print_mode_line("Supported PIO:", info.pio_modes);
    print_mode_line("Supported MDMA:", info.mdma_modes);
    print_mode_line("Supported UDMA:", info.udma_modes);
    print_mode_line("Current PIO:", info.current_pio);
    print_mode_line("Current MDMA:", info.current_mdma);
    print_mode_line("Current UDMA:", info.current_udma);
    return;
  }
  const uint32_t caps = info.capabilities;
  char speeds[32];
  size_t length = 0;
  auto add = [&](std::string_view text) {
    text.copy(speeds + length, text.size());
    length += text.size();
  };
  if (caps & QX_PD_CAP_1G5) add("1.5 ");
  if (caps & QX_PD_CAP_3G) add("3 ");
  if (caps & QX_PD_CAP_6G) add("6 ");
  if (caps & QX_PD_CAP_12G) add("12 ");
  if (caps & (QX_PD_CAP_1G5 | QX_PD_CAP_3G | QX_PD_CAP_6G)) add("Gb/s");
  shell::print_label(kWidth, "supported speed:", {speeds, length});
  static const char* const kCurrent[] = {"unknown", "1.5 Gb/s", "3 Gb/s", "6 Gb/s", "12 Gb/s"};
  shell::print_label(kWidth, "Current speed:", link_speed <= QX_PD_SPEED_12G ? kCurrent[link_speed] : "unknown");
}

void print_locate_led(const QX_PD_INFO& info) {
  const bool present = (info.link_bits & QX_PD_LINK_LOCATE_LED) != 0 || info.link_kind == QX_LINK_ENCLOSURE ||
                       info.link_kind == QX_LINK_EXPANDER || info.link_kind == QX_LINK_ENCLOSURE_HBA_PORT;
  if (!present) {
    shell::print_label(kWidth, "Locate LED status:", "Not Support");
  } else {
    shell::print_label(kWidth, "Locate LED status:", info.locate_led != 0 ? "on" : "off");
  }
}

void print_running_os(uint16_t pd_id) {
  const uint8_t status = QX_DiskHasOS(shell::state().current_adapter, QX_OS_CHECK_PDS, 1, &pd_id);
  const char* answer = "unknown";
  if (status == kVdHasOs || status == kDiskHasOs) answer = "yes";
  if (status == kOk) answer = "no";
  shell::print_label(kWidth, "Running OS:", answer);
}

}  // namespace

bool PdRecord::is_sas() const {
  if (form == shell::kPlainForm) return (info.type_bits & QX_PD_TYPE_SAS) != 0;
  return all_bits(info.link_bits, QX_PD_LINK_BIT1 | QX_PD_LINK_BIT2);
}

bool PdRecord::has_address() const {
  if (form == shell::kPlainForm) return (info.type_bits & (QX_PD_TYPE_SATA | QX_PD_TYPE_SAS)) != 0;
  return (info.link_bits & QX_PD_LINK_BIT2) != 0 && (info.link_bits & (QX_PD_LINK_BIT0 | QX_PD_LINK_BIT1)) != 0;
}

bool PdRecord::is_disk() const {
  if (form == shell::kPlainForm) return (info.type_bits & kTypeNonDisk) == 0;
  return info.device_type == QX_DEVICE_DISK;
}

void print_pd_lines(const PdRecord& pd) {
  const QX_PD_INFO& info = pd.info;
  shell::print_label_num(kWidth, "Adapter:", info.adapter_id);
  shell::print_label_num(kWidth, "PD ID:", info.pd_id);
  shell::print_label(kWidth, "Type:", shell::disk_type_text(info, pd.form).c_str());
  print_link(info);
  print_sas_address(pd);
  print_size(pd);
  const uint8_t link_speed = print_caches(info);
  shell::print_label(kWidth, "NCQ:", (info.capabilities & QX_PD_CAP_NCQ) != 0 ? "supported (on)" : "not supported");
  shell::print_label(kWidth, "48 bits LBA:", (info.capabilities & QX_PD_CAP_LBA48) != 0 ? "supported" : "not supported");
  print_speeds(pd, link_speed);
  shell::print_label(kWidth, "model:", field_trimmed(info.model));
  shell::print_label(kWidth, "Serial:", field_trimmed(info.serial));
  shell::print_label(kWidth, "Firmware version:", field(info.firmware));
  print_locate_led(info);
  print_running_os(info.pd_id);
  if (info.ssd != 0) shell::print_label(kWidth, "SSD Type:", "SSD");
  shell::print_label(kWidth, "PPID:", field(info.ppid));
}

void print_block_lines(const QX_HD_BLOCK& blocks) {
  std::string ids;
  std::string vds;
  for (const BlockEntry& e : block_entries(blocks.block_ids, QX_HD_BLOCK_MAX, blocks.block_count, std::nullopt)) {
    if (e.empty) continue;
    ids += std::to_string(e.id) + "  ";
    std::optional<BlockOwner> owner = block_owner(e.id);
    if (owner && owner->vd_id) vds += std::to_string(*owner->vd_id) + "  ";
  }
  shell::print_label(kWidth, "block ids:", ids.c_str());
  if (!vds.empty()) shell::print_label(kWidth, "associated VDs:", vds.c_str());
}

void print_pd_activity_line(const QX_PD_BGA_STATUS& status) {
  const char* label = nullptr;
  if (status.activity == QX_PD_BGA_MEDIA_PATROL) label = "Media patrol: ";
  if (status.activity == QX_PD_BGA_DATA_SCRUB) label = "Data scrub: ";
  if (label == nullptr || status.state == QX_BGA_NONE) return;
  char text[96];
  const int percent = status.percent;
  switch (status.state) {
    case QX_BGA_RUNNING:
      if (percent <= 100) {  // the line of every busy disk of a listing: no printf
        shell::print_label(kWidth, label, "running, " + std::to_string(percent) + "% done");
        return;
      } else if (percent == 255) {
        std::snprintf(text, sizeof text, " Percentage is %d%% ,Invalid,suggest updating PD LD or RCT", percent);
      } else {
        std::snprintf(text, sizeof text, "Invalid Percentage  %d%% ", percent);
      }
      break;
    case QX_BGA_ABORTED:
      std::snprintf(text, sizeof text, "aborted");
      break;
    case QX_BGA_PAUSED:
      std::snprintf(text, sizeof text, "paused at %d%%", percent);
      break;
    case QX_BGA_AUTO_PAUSED:
      std::snprintf(text, sizeof text, "auto-paused");
      break;
    default:
      std::snprintf(text, sizeof text, "unknown BGA status %d", status.state);
      break;
  }
  shell::print_label(kWidth, label, text);
}

}  // namespace qx::commands
