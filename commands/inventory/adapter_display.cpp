#include "commands/inventory/adapter_display.h"

#include <cctype>
#include <cstdio>
#include <string>

#include "api/device_generations.h"
#include "api/qx_api.h"
#include "api/raid_levels.h"
#include "api/status.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

constexpr int kWidth = 36;

// A name listed when its bit is set (or, with `when_clear`, when it is clear).
struct BitName {
  int bit;
  const char* name;
  bool when_clear = false;
};

const BitName kFeatureNames[] = {
    {0, "rebuild,"}, {1, "background init,"}, {2, "synchronize,"}, {3, "migration,"},
    {5, "foreground init,"}, {6, "copy back,"}, {7, "only same type hd for create,"},
};

// Bit 24 ("spare,") has a condition of its own and is handled apart.
const BitName kAdvancedNames[] = {
    {0, "event sense code,"}, {1, "big stripe,"}, {2, "flash bios,"}, {3, "bbu,"},
    {4, "config in flash,"}, {5, "cpu efficiency,"}, {6, "multi VD,"}, {7, "spc 4,"},
    {8, "ses2,"}, {9, "module consolidate,"}, {10, "image health,"}, {12, "crypto,"},
    {11, "phy ctrl,"}, {13, "timer,"}, {14, "vd wcache,", true}, {15, "vd rcache,", true},
    {16, "smart poll,", true}, {17, "rounding,", true}, {18, "hd set free,", true}, {19, "hd cache,", true},
    {20, "enc,", true}, {21, "bga rate,", true}, {22, "aes partition,"}, {23, "twintier intelligent init,"},
};
const BitName kAdvancedNamesAfterSpare[] = {
    {25, "hybrid switch,"}, {26, "hot plug,"}, {27, "ata pass through,"}, {28, "remap,"},
    {29, "access register,"}, {30, "oem data,"},
};

const BitName kPortTypeNames[] = {{0, "SATA "}, {1, "PATA "}, {2, "SAS "}};

const char* const kImageHealthLabels[QX_IMAGE_HEALTH_COUNT] = {
    "Image health:", "Autoload image health:", "Boot loader image health:", "Firmware image health:",
    "Boot ROM image health:", "HBA info image health:",
};

bool bit_set(uint32_t bits, int bit) { return ((bits >> bit) & 1u) != 0; }

template <size_t N>
void append_names(std::string& out, uint32_t bits, const BitName (&names)[N]) {
  for (const BitName& n : names)
    if (bit_set(bits, n.bit) != n.when_clear) out += n.name;
}

// A comma-separated list loses its last comma.
std::string without_last_comma(std::string list) {
  const size_t comma = list.rfind(',');
  if (comma != std::string::npos) list.erase(comma, 1);
  return list;
}

void print_version(const char* label, uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
  shell::print_label_format(kWidth, label, "%d.%d.%d.%04d", static_cast<int>(a), static_cast<int>(b),
                            static_cast<int>(c), static_cast<int>(d));
}

template <class T>
void print_version(const char* label, const T (&parts)[4]) {
  print_version(label, parts[0], parts[1], parts[2], parts[3]);
}

const char* supported(bool yes) { return yes ? "Supported" : "Not supported"; }

void print_chip_revision(uint8_t revision) {
  char text[8];
  std::snprintf(text, sizeof text, "%x", revision);
  text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  shell::print_label(kWidth, "Chip revision:", text);
}

void print_pcie(const QX_ADAPTER_INFO& info) {
  if (info.pcie_max_speed == QX_PCIE_NONE) {
    shell::print_label(kWidth, "PCIe status:", "N/A");
    return;
  }
  shell::print_label(kWidth, "Max PCIe speed:", shell::link_speed_name(info.pcie_max_speed));
  shell::print_label(kWidth, "Current PCIe speed:", shell::link_speed_name(info.pcie_current_speed));
  shell::print_label_num(kWidth, "Max PCIe link:", info.pcie_max_width);
  shell::print_label_num(kWidth, "Current PCIe link:", info.pcie_current_width);
}

void print_rom_version(int adapter_id) {
  QX_OEM_DATA request{};
  request.length = QX_OEM_ADAPTER_LENGTH;
  request.sub_request = QX_OEM_SUB_ROM_VERSION;
  if (QX_Adapter_Get_OEM_Data(static_cast<uint8_t>(adapter_id), &request) == kOk)
    print_version("Rom version:", request.rom_version);
}

// Which version lines a device shows: some device-id ranges carry no BIOS,
// or no firmware and boot loader of their own.
void print_versions(const QX_ADAPTER_INFO& info, int adapter_id) {
  if (info.driver_version[0] != 0) print_version("Driver version:", info.driver_version);
  print_rom_version(adapter_id);
  const uint16_t device = info.device_id;
  if (!has_no_bios(device) && info.bios_version[0] != 0)
    print_version("BIOS version:", info.bios_version);
  if (has_no_firmware_image(device)) return;
  if (info.firmware_version[0] == 0) {
    shell::print_label(kWidth, "Firmware:", "none");
  } else {
    print_version("Firmware version:", info.firmware_version);
  }
  if (info.boot_loader_version[0] == 0) {
    shell::print_label(kWidth, "Boot loader:", "none");
  } else {
    print_version("Boot loader version:", info.boot_loader_version);
  }
}

void print_sas_addresses(const QX_ADAPTER_INFO& info) {
  bool any = false;
  for (uint8_t byte : info.sas_address[0]) any = any || byte != 0;
  if (!any) return;
  const int ports = info.port_count < 16 ? info.port_count : 16;
  for (int p = 0; p < ports; ++p) {
    shell::print("    Port %d SAS address : %s\n", p,
                 shell::hex_bytes_text(info.sas_address[p], sizeof info.sas_address[p]).c_str());
  }
}

void print_identity_text(const char* label, const char* text, size_t size) {
  if (size == 0 || text[0] == '\0') return;
  shell::print_label(kWidth, label, shell::printable_text(text, size).c_str());
}

void print_features(const QX_ADAPTER_INFO& info) {
  if (info.features != 0) {
    std::string names;
    append_names(names, info.features, kFeatureNames);
    shell::print_label(kWidth, "Features:", without_last_comma(names).c_str());
  }
  const uint32_t adv = info.adv_features;
  if (adv != 0) {
    std::string names;
    append_names(names, adv, kAdvancedNames);
    if (!bit_set(adv, 24) && (info.features & QX_FEATURE_REBUILD) != 0) names += "spare,";
    append_names(names, adv, kAdvancedNamesAfterSpare);
    shell::print_label(kWidth, "Advanced features:", without_last_comma(names).c_str());
  }
  const uint32_t adv2 = info.adv_features2;
  if (adv2 != 0) {
    std::string names;
    if (bit_set(adv2, 0) && !bit_set(adv2, 3)) names += "flash twice,";
    if (bit_set(adv2, 1)) names += "vd_da group,";
    if (bit_set(adv2, 2)) names += "scsi pass through,";
    if (!bit_set(adv2, 3)) names += "flash,";
    shell::print_label(kWidth, "Advanced features 2:", without_last_comma(names).c_str());
  }
}

void print_stripe_sizes(const QX_ADAPTER_INFO& info) {
  if (info.raid_modes == 0) return;
  uint16_t sizes = info.stripe_sizes;
  if (sizes == 0) sizes = default_stripe_sizes(info.adv_features);
  if ((sizes & kBigStripeSizes) == 0) return;
  std::string list;
  for (int k = 0; k <= 6; ++k)
    if (bit_set(sizes, k)) list += std::to_string(1 << (k + 4)) + "K ";
  shell::print_label(kWidth, "Stripe size supported:", list.c_str());
}

void print_image_health(const QX_ADAPTER_INFO& info) {
  if ((info.adv_features & QX_ADV_IMAGE_HEALTH) == 0) return;
  for (int i = 0; i < QX_IMAGE_HEALTH_COUNT; ++i)
    shell::print_label(kWidth, kImageHealthLabels[i], info.image_health[i] == 1 ? "Healthy" : "Unhealthy");
  shell::print("\n");
}

}  // namespace

void print_adapter_record(const QX_ADAPTER_INFO& info, int adapter_id) {
  shell::print("\n");
  shell::print_label_num(kWidth, "Adapter ID:", adapter_id);
  shell::print_label_format(kWidth, "Product:", "%04x-%04x", info.vendor_id, info.device_id);
  shell::print_label_format(kWidth, "Sub Product:", "%04x-%04x", info.subsystem_vendor_id, info.subsystem_id);
  print_chip_revision(info.chip_revision);
  print_pcie(info);
  print_versions(info, adapter_id);
  shell::print_label_num(kWidth, "# of ports:", info.port_count);
  if ((info.adv_features & QX_ADV_CRYPTO) != 0) shell::print_label_num(kWidth, "# of AES ports:", info.aes_port_count);
  print_sas_addresses(info);
  print_identity_text("Serial number:", info.serial, sizeof info.serial);
  print_identity_text("Model:", info.model, sizeof info.model);
  shell::print_label(kWidth, "Buzzer:", info.buzzer == 1 ? "Supported" : "Not supported");

  std::string ports;
  append_names(ports, info.port_types, kPortTypeNames);
  shell::print_label(kWidth, "Supported port type:", ports.c_str());
  std::string modes;
  for (const RaidLevel& level : raid_levels())
    if ((info.raid_modes & level.mode_bit) != 0) modes += level.mode_name;
  shell::print_label(kWidth, "Supported RAID mode:", modes.c_str());

  if (info.max_tier_ssds != 0) shell::print_label_num(kWidth, "Maximum SSD in one TwinTier:", info.max_tier_ssds);
  if ((info.adv_features & QX_ADV_REMAP) != 0)
    shell::print_label_num(kWidth, "Maximum SSD Segment:", info.max_ssd_segments);
  shell::print_label_num(kWidth, "Maximum disk in one VD:", info.max_disks_per_vd);
  if ((info.raid_modes & QX_RAID_MODE_RAID6) != 0)
    shell::print_label_num(kWidth, "Maximum parity disk for RAID6:", info.max_raid6_parity);
  shell::print_label(kWidth, "PM:", supported(info.pm_support != 0));
  shell::print_label(kWidth, "Expander:", supported(info.expander_support != 0));
  shell::print_label_num(kWidth, "Maximum supported disk:", info.max_disks);
  shell::print_label_num(kWidth, "Maximum supported VD:", info.max_vds);
  if (info.max_arrays != 0) {
    shell::print_label_num(kWidth, "Maximum supported array:", info.max_arrays);
    shell::print_label_num(kWidth, "Maximum disk in one array:", info.max_disks_per_array);
    shell::print_label_num(kWidth, "Maximum VD in one array:", info.max_vds_per_array);
  }
  const int narrow = info.max_total_blocks_narrow;
  const int wide = info.max_total_blocks_wide;
  shell::print_label_num(kWidth, "Max total blocks:", narrow > wide ? narrow : wide);
  print_features(info);
  if (info.max_buffer_kb != 0) shell::print_label_num(kWidth, "Max buffer size:", info.max_buffer_kb);
  print_stripe_sizes(info);
  print_image_health(info);
}

uint8_t show_adapters(uint16_t id) {
  int count = QX_Adapter_GetCount();
  if (id != kAllAdapters && id >= count) {
    shell::print("\nUnable to get info of Adapter %d %s\n", id, error_report(kInvalidAdapterId).c_str());
    return kInvalidAdapterId;
  }
  // The records go into a table of its own, as many as the shell's table holds.
  if (count > shell::kAdapterTableSize) count = shell::kAdapterTableSize;
  QX_ADAPTER_INFO records[shell::kAdapterTableSize] = {};
  uint8_t status = kOk;
  for (int a = 0; a < count; ++a) {
    uint8_t unused = 0;
    status = QX_Adapter_GetInfo(static_cast<uint8_t>(a), &unused, &records[a]);
    if (status != kOk) {
      shell::print("\nCould not get info for Adapter ID %d %s\n", a, error_report(status).c_str());
      continue;
    }
    if (id == kAllAdapters || id == a) print_adapter_record(records[a], a);
  }
  return status;
}

}  // namespace qx::commands
