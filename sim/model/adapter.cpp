#include "sim/model/adapter.h"

#include <algorithm>
#include <cstring>

#include "sim/model/record_text.h"

namespace qx::sim {

const Model<Adapter>& adapter_model() {
  using A = Adapter;
  static const Model<Adapter> model = [] {
    Model<A> m;
    m.table = "adapters";
    m.doc = "One entry per adapter, in id order. The fields feed the adapter information record.";
    m.key = {"id"};
    m.per_adapter = false;
    m.fields = {
        integer_field<A>("id", &A::id, 0, "", "adapter id; ids are 0, 1, 2, ... without gaps", 0, 15),
        integer_field<A>("vendor_id", &A::vendor_id, 0x1D7A, "vendor id (64)", "PCI vendor id"),
        integer_field<A>("subsystem_vendor_id", &A::subsystem_vendor_id, 0x1D7A, "subsystem vendor id (66)",
                         "PCI subsystem vendor id"),
        integer_field<A>("device_id", &A::device_id, 0x3120, "device id (68)",
                         "PCI device id; above 0x6100 and 0x6300 some version lines and the size rule change"),
        integer_field<A>("subsystem_id", &A::subsystem_id, 0x0100, "subsystem id (70)", "PCI subsystem id"),
        integer_field<A>("chip_revision", &A::chip_revision, 0xA1, "chip revision (76)", "chip revision"),
        text_field<A>("serial", &A::serial, 20, "QXA0000000001", "serial number (124)", "serial number text"),
        text_field<A>("model", &A::model, 20, "QXR-3120", "model (284)",
                      "product name; names beginning KITE-S2, KITE-S1 or RX-Boot mark OEM adapters"),
        version_field<A>("driver_version", &A::driver_version, "2.4.0.1012", "driver version (0)",
                         "driver version; a first part of 0 means no driver version"),
        version_field<A>("bios_version", &A::bios_version, "1.6.0.1005", "BIOS version (16)", "BIOS version"),
        version_field<A>("firmware_version", &A::firmware_version, "3.2.1.1044", "firmware version (24)",
                         "firmware version; a first part of 0 means no firmware"),
        version_field<A>("boot_loader_version", &A::boot_loader_version, "1.1.0.1002", "boot loader version (32)",
                         "boot loader version; a first part of 0 means none"),
        version_field<A>("rom_version", &A::rom_version, "0.0.0.0", "OEM data ROM-version answer",
                         "option ROM version reported by the ROM-version OEM data request"),
        bool_field<A>("has_rom_version", &A::has_rom_version, false, "OEM data ROM-version answer",
                      "whether the ROM-version request succeeds (otherwise it answers 19, not supported)"),
        integer_field<A>("port_count", &A::port_count, 8, "number of ports (72)", "number of ports", 0, 16),
        integer_field<A>("port_types", &A::port_types, 0x01, "port type bits (73)",
                         "bit 0 SATA, bit 1 PATA, bit 2 SAS"),
        hex_field<A>("sas_addresses", &A::sas_addresses, std::string(256, '0'), "SAS addresses (144)",
                     "the eight-byte SAS address of each of the 16 ports, 256 hexadecimal digits in all"),
        integer_field<A>("pcie_max_speed", &A::pcie_max_speed, 3, "maximum PCIe speed (272)",
                         "1 2.5Gb/s, 2 5Gb/s, 3 8Gb/s; 0 means no PCIe data"),
        integer_field<A>("pcie_current_speed", &A::pcie_current_speed, 3, "current PCIe speed (273)",
                         "current PCIe speed code"),
        integer_field<A>("pcie_max_width", &A::pcie_max_width, 8, "maximum PCIe link width (274)",
                         "maximum PCIe link width"),
        integer_field<A>("pcie_current_width", &A::pcie_current_width, 8, "current PCIe link width (275)",
                         "current PCIe link width"),
        integer_field<A>("aes_port_count", &A::aes_port_count, 0, "number of AES ports (110)", "number of AES ports"),
        integer_field<A>("aes_entry_count", &A::aes_entry_count, 0, "number of AES entries (113)",
                         "number of AES entries", 0, 10),
        integer_field<A>("features", &A::features, 0x17, "feature bits (74)",
                         "bit 0 rebuild, 1 background init, 2 synchronize, 3 migration, 4 PD activity status, "
                         "5 foreground init, 6 copy back, 7 same disk type only"),
        integer_field<A>("adv_features", &A::adv_features, 0x00000449, "advanced feature bits (80)",
                         "advanced feature bits"),
        integer_field<A>("adv_features2", &A::adv_features2, 0, "advanced feature bits 2 (116)",
                         "advanced feature bits 2"),
        integer_field<A>("raid_modes", &A::raid_modes, 0x00D7, "RAID mode bits (94)",
                         "bit 0 RAID0, 1 RAID1, 2 RAID10, 3 RAID1E, 4 RAID5, 5 RAID6, 6 RAID50, 7 JBOD, "
                         "8 RAID60, 9 tier capacity, 10 tier safe, 11 tier hybrid"),
        integer_field<A>("stripe_sizes", &A::stripe_sizes, 0x1F, "supported stripe sizes (78)",
                         "bit k: a stripe of 2^(k+4) KB is supported; 0 lets the tool pick a default; bits above 6 name no size", 0, 0xFFFF),
        integer_field<A>("buzzer", &A::buzzer, 1, "buzzer (75)", "1 when a buzzer is present"),
        integer_field<A>("expander_support", &A::expander_support, 0, "expander support (91)",
                         "non-zero when expanders are supported"),
        integer_field<A>("pm_support", &A::pm_support, 0, "port multiplier support (92)",
                         "non-zero when port multipliers are supported"),
        integer_field<A>("max_disks_per_vd", &A::max_disks_per_vd, 16, "maximum disks in one VD (77)",
                         "maximum disks in one VD"),
        integer_field<A>("max_disks_per_array", &A::max_disks_per_array, 0, "maximum disks in one array (84)",
                         "maximum disks in one array"),
        integer_field<A>("max_vds_per_array", &A::max_vds_per_array, 0, "maximum VDs in one array (85)",
                         "maximum VDs in one array"),
        integer_field<A>("max_raid6_parity", &A::max_raid6_parity, 2, "maximum RAID6 parity disks (86)",
                         "maximum parity disks of a RAID6 VD"),
        integer_field<A>("max_arrays", &A::max_arrays, 0, "maximum arrays (87)",
                         "maximum arrays; non-zero makes the adapter array-capable"),
        integer_field<A>("max_total_blocks_narrow", &A::max_total_blocks_narrow, 0, "maximum total blocks, narrow (88)",
                         "maximum number of blocks (one-byte field)"),
        integer_field<A>("max_total_blocks_wide", &A::max_total_blocks_wide, 256, "maximum total blocks, wide (108)",
                         "maximum number of blocks (two-byte field)"),
        integer_field<A>("highest_pd_id", &A::highest_pd_id, 31, "highest PD id (90)",
                         "highest physical disk id the adapter accepts"),
        integer_field<A>("max_vds", &A::max_vds, 32, "maximum VDs (93)", "maximum number of VDs"),
        integer_field<A>("max_disks", &A::max_disks, 32, "maximum disks (104)", "maximum number of disks"),
        integer_field<A>("max_buffer_kb", &A::max_buffer_kb, 64, "maximum buffer size (106)",
                         "largest query buffer in KB; list replies are paged to fit it; 0 = per-kind default"),
        integer_field<A>("max_tier_ssds", &A::max_tier_ssds, 0, "maximum SSDs in a tier VD (112)",
                         "maximum SSDs in one hybrid-tier VD"),
        integer_field<A>("max_ssd_segments", &A::max_ssd_segments, 0, "maximum SSD segments (114)",
                         "maximum SSD segments"),
        vector_field<A>("pd_page", &A::pd_page, 65536, "flash PD page",
                        "ids of the disks whose entries the flash PD page holds; left out: every disk of the "
                        "adapter", 0, 0xFFFF),
        integer_field<A>("disk_reserved_kb", &A::disk_reserved_kb, 262144, "PD free space",
                         "space at the start of every disk kept for configuration data; not usable for VDs", 0,
                         int64_t{1} << 40),
        integer_field<A>("bga_rate_mb_s", &A::bga_rate_mb_s, 400, "background activity progress",
                         "MB of a VD that a background activity covers per simulated second", 1, 1000000),
        integer_field<A>("wipe_rate_mb_s", &A::wipe_rate_mb_s, 4, "wipe progress",
                         "MB of a disk's reserved area that a wipe covers per simulated second", 1, 1000000),
        integer_field<A>("rct_capacity", &A::rct_capacity, 64, "error table",
                         "entries each disk's error table holds; 80 % full and full are logged", 1, 4096),
        bool_field<A>("auto_rebuild", &A::auto_rebuild, true, "adapter configuration (1)",
                      "a degraded VD starts a rebuild onto a spare by itself; obeyed only with feature bit 0"),
        bool_field<A>("copy_back", &A::copy_back, true, "adapter configuration (5)",
                      "a spare that stood in for a member copies its data back to a replacement disk; obeyed "
                      "only with feature bit 6"),
        bool_field<A>("buzzer_on", &A::buzzer_on, true, "adapter configuration (0)",
                      "the alarm may sound; changeable only on an adapter with a buzzer"),
        bool_field<A>("smart_polling", &A::smart_polling, false, "adapter configuration (3)",
                      "the adapter polls its disks' SMART status (advanced feature bit 16)"),
        bool_field<A>("cpu_optimization", &A::cpu_optimization, false, "adapter configuration (11)",
                      "CPU-efficiency optimization (advanced feature bit 5)"),
        bool_field<A>("module_consolidation", &A::module_consolidation, false, "adapter configuration (12)",
                      "module consolidation (advanced feature bit 9)"),
        bool_field<A>("virtual_atapi", &A::virtual_atapi, false, "adapter configuration (13)",
                      "virtual ATAPI device (advanced feature bit 11)"),
        bool_field<A>("raw_update", &A::raw_update, true, "adapter configuration (15)",
                      "raw images may be written (advanced feature bit 31)"),
        integer_field<A>("bga_rate", &A::bga_rate, QX_RATE_SCALE, "adapter configuration (2)",
                         "the one background-activity rate of device ids 0x6001-0x6145, 0-250", 0, QX_RATE_SCALE),
        integer_field<A>("media_patrol_rate", &A::media_patrol_rate, QX_RATE_SCALE, "adapter configuration (4)",
                         "media patrol and data scrub rate, 0-250", 0, QX_RATE_SCALE),
        integer_field<A>("sync_rate", &A::sync_rate, QX_RATE_SCALE, "adapter configuration (6)",
                         "synchronization and consistency check rate, 0-250", 0, QX_RATE_SCALE),
        integer_field<A>("init_rate", &A::init_rate, QX_RATE_SCALE, "adapter configuration (7)",
                         "initialization rate, 0-250", 0, QX_RATE_SCALE),
        integer_field<A>("rebuild_rate", &A::rebuild_rate, QX_RATE_SCALE, "adapter configuration (8)",
                         "rebuild rate, 0-250", 0, QX_RATE_SCALE),
        integer_field<A>("migration_rate", &A::migration_rate, QX_RATE_SCALE, "adapter configuration (9)",
                         "migration rate, 0-250", 0, QX_RATE_SCALE),
        integer_field<A>("copy_back_rate", &A::copy_back_rate, QX_RATE_SCALE, "adapter configuration (10)",
                         "copy back rate, 0-250", 0, QX_RATE_SCALE),
        integer_field<A>("driver_mode", &A::driver_mode, QX_DRIVER_PERFORMANCE, "driver mode",
                         "1 performance, 0 power saving", 0, 1),
        bool_field<A>("has_key", &A::has_key, false, "adapter key OEM data",
                      "an encryption key is bound to the adapter"),
        list_field<A>("key", &A::key, json::array({0, 0, 0}), "adapter key OEM data",
                      "the three words of the adapter's key, shown as word 1_word 0:word 2"),
        bool_field<A>("alarm_muted", &A::alarm_muted, false, "adapter mute",
                      "the alarm was muted; it stays silent until the buzzer is next switched on"),
        integer_field<A>("guid", &A::guid, 0x51A70001, "adapter GUID wipe", "the adapter's GUID; a wipe replaces it"),
        integer_field<A>("schedule_mode", &A::schedule_mode, QX_SCHEDULE_MANUAL, "media-patrol schedule OEM data",
                         "0 manual, 1 automatic media patrol of every VD member disk", 0, 1),
        integer_field<A>("schedule_days", &A::schedule_days, 7, "media-patrol schedule OEM data",
                         "days between automatic media patrols, 7 or 30", 7, 30),
        integer_field<A>("next_patrol_ms", &A::next_patrol_ms, 0, "media-patrol schedule",
                         "simulated time (ms) of the next automatic media patrol; 0 = not scheduled", 0,
                         INT64_MAX),
        bool_field<A>("time_synced", &A::time_synced, true, "event time (4)",
                      "the host has set the adapter's clock: events carry calendar time; otherwise seconds since "
                      "`booted_at`"),
        integer_field<A>("booted_at", &A::booted_at, 0, "event time (4)",
                         "when the adapter booted, in seconds since 1970; the origin of event times while "
                         "`time_synced` is false",
                         0, int64_t{1} << 32),
        enum_field<A>("aes_entry_info", &A::aes_entry_info, {"links", "key_flags", "unsupported"},
                      AesEntryInfo::kLinks, "AES entry information",
                      "how the entry information is filled: ten (port, entry) pairs, the entries' has-key flags, "
                      "or not at all (the call answers 19)"),
        bool_field<A>("dump_enabled", &A::dump_enabled, false, "debug dump configuration (0)",
                      "the debug-message dump is enabled"),
        bool_field<A>("dump_started", &A::dump_started, false, "debug dump configuration (1)",
                      "the debug-message dump is started: each event and each changing call adds a message"),
        integer_field<A>("dump_buffer_kb", &A::dump_buffer_kb, 64, "debug dump status (0)",
                         "size of the debug-message ring in KB; the oldest messages make room for new ones", 4,
                         1024),
        integer_field<A>("tier_table_entries", &A::tier_table_entries, 1024, "tier entry table (0)",
                         "file-system entries a hybrid-tier VD's entry table holds", 1, 65535),
    };
    return m;
  }();
  return model;
}

QX_ADAPTER_INFO to_record(const Adapter& a) {
  QX_ADAPTER_INFO r{};
  std::copy(a.driver_version.begin(), a.driver_version.end(), r.driver_version);
  std::copy(a.bios_version.begin(), a.bios_version.end(), r.bios_version);
  std::copy(a.firmware_version.begin(), a.firmware_version.end(), r.firmware_version);
  std::copy(a.boot_loader_version.begin(), a.boot_loader_version.end(), r.boot_loader_version);
  r.vendor_id = a.vendor_id;
  r.subsystem_vendor_id = a.subsystem_vendor_id;
  r.device_id = a.device_id;
  r.subsystem_id = a.subsystem_id;
  r.port_count = a.port_count;
  r.port_types = a.port_types;
  r.features = a.features;
  r.buzzer = a.buzzer;
  r.chip_revision = a.chip_revision;
  r.max_disks_per_vd = a.max_disks_per_vd;
  r.stripe_sizes = a.stripe_sizes;
  r.adv_features = a.adv_features;
  r.max_disks_per_array = a.max_disks_per_array;
  r.max_vds_per_array = a.max_vds_per_array;
  r.max_raid6_parity = a.max_raid6_parity;
  r.max_arrays = a.max_arrays;
  r.max_total_blocks_narrow = a.max_total_blocks_narrow;
  r.highest_pd_id = a.highest_pd_id;
  r.expander_support = a.expander_support;
  r.pm_support = a.pm_support;
  r.max_vds = a.max_vds;
  r.raid_modes = a.raid_modes;
  r.max_disks = a.max_disks;
  r.max_buffer_kb = a.max_buffer_kb;
  r.max_total_blocks_wide = a.max_total_blocks_wide;
  r.aes_port_count = a.aes_port_count;
  r.aes_entry_count = a.aes_entry_count;
  r.max_tier_ssds = a.max_tier_ssds;
  r.max_ssd_segments = a.max_ssd_segments;
  r.adv_features2 = a.adv_features2;
  copy_text(r.serial, a.serial);
  std::memcpy(r.sas_address, a.sas_addresses.data(), sizeof r.sas_address);
  r.pcie_max_speed = a.pcie_max_speed;
  r.pcie_current_speed = a.pcie_current_speed;
  r.pcie_max_width = a.pcie_max_width;
  r.pcie_current_width = a.pcie_current_width;
  copy_text(r.model, a.model);
  return r;
}

}  // namespace qx::sim
