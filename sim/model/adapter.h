// A simulated adapter: every field of its information record, plus the
// settings that shape how it behaves.
#ifndef QX_SIM_MODEL_ADAPTER_H
#define QX_SIM_MODEL_ADAPTER_H

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "api/records.h"
#include "sim/model/field.h"

namespace qx::sim {

// How the adapter fills the entry information record, which readers take
// two overlapping ways: as (port, entry) pairs, as the entries' has-key
// flags, or not at all (the call is not supported).
enum class AesEntryInfo : uint8_t { kLinks, kKeyFlags, kUnsupported };

struct Adapter {
  uint8_t id = 0;
  // identity
  uint16_t vendor_id = 0;
  uint16_t subsystem_vendor_id = 0;
  uint16_t device_id = 0;
  uint16_t subsystem_id = 0;
  uint8_t chip_revision = 0;
  std::string serial;
  std::string model;
  // versions
  std::array<uint32_t, 4> driver_version{};
  std::array<uint16_t, 4> bios_version{};
  std::array<uint16_t, 4> firmware_version{};
  std::array<uint16_t, 4> boot_loader_version{};
  std::array<uint16_t, 4> rom_version{};
  bool has_rom_version = false;
  // ports and links
  uint8_t port_count = 0;
  uint8_t port_types = 0;
  std::array<uint8_t, 128> sas_addresses{};  // 16 ports of 8 bytes
  uint8_t pcie_max_speed = 0;
  uint8_t pcie_current_speed = 0;
  uint8_t pcie_max_width = 0;
  uint8_t pcie_current_width = 0;
  uint8_t aes_port_count = 0;
  uint8_t aes_entry_count = 0;
  // capabilities
  uint8_t features = 0;
  uint32_t adv_features = 0;
  uint32_t adv_features2 = 0;
  uint16_t raid_modes = 0;
  uint16_t stripe_sizes = 0;
  uint8_t buzzer = 0;
  uint8_t expander_support = 0;
  uint8_t pm_support = 0;
  // limits
  uint8_t max_disks_per_vd = 0;
  uint8_t max_disks_per_array = 0;
  uint8_t max_vds_per_array = 0;
  uint8_t max_raid6_parity = 0;
  uint8_t max_arrays = 0;
  uint8_t max_total_blocks_narrow = 0;
  uint16_t max_total_blocks_wide = 0;
  uint8_t highest_pd_id = 0;
  uint8_t max_vds = 0;
  uint16_t max_disks = 0;
  uint16_t max_buffer_kb = 0;
  uint8_t max_tier_ssds = 0;
  uint8_t max_ssd_segments = 0;
  // ids of the disks whose entries the flash PD page remembers
  std::vector<uint16_t> pd_page;
  // behaviour of the simulation
  uint64_t disk_reserved_kb = 0;  // space at the start of every disk kept for configuration data
  uint32_t bga_rate_mb_s = 0;     // speed of background activities, MB of VD per simulated second
  uint32_t wipe_rate_mb_s = 0;    // speed of a wipe over a disk's reserved area
  uint16_t rct_capacity = 0;      // entries each disk's error table holds
  // switches the administrator sets (adapter configuration) and the controller obeys
  bool auto_rebuild = true;  // a degraded VD takes a spare by itself (needs feature bit 0)
  bool copy_back = true;     // a spare that stood in hands its data back to a replacement (needs feature bit 6)
  bool buzzer_on = true;     // the alarm may sound (needs a buzzer)
  bool smart_polling = false;
  bool cpu_optimization = false;
  bool module_consolidation = false;
  bool virtual_atapi = false;
  bool raw_update = true;    // raw images may be written
  // rates on a scale of 0..QX_RATE_SCALE; an activity moves at bga_rate_mb_s x its kind's rate / 250
  uint8_t bga_rate = QX_RATE_SCALE;  // the one rate of adapters that have a single BGA rate
  uint8_t media_patrol_rate = QX_RATE_SCALE;
  uint8_t sync_rate = QX_RATE_SCALE;
  uint8_t init_rate = QX_RATE_SCALE;
  uint8_t rebuild_rate = QX_RATE_SCALE;
  uint8_t migration_rate = QX_RATE_SCALE;
  uint8_t copy_back_rate = QX_RATE_SCALE;
  uint8_t driver_mode = QX_DRIVER_PERFORMANCE;
  bool has_key = false;  // an encryption key is bound to the adapter
  uint32_t guid = 0;     // a wipe gives the adapter a new one
  bool alarm_muted = false;  // the alarm stays silent until the buzzer is next switched on
  // media-patrol schedule: manual (0) or automatic (1) every schedule_days days
  uint8_t schedule_mode = QX_SCHEDULE_MANUAL;
  uint8_t schedule_days = 7;
  int64_t next_patrol_ms = 0;  // simulated time of the next automatic run
  std::array<uint32_t, 3> key{};
  // the adapter's clock: until the host sets it, events count seconds from boot
  bool time_synced = true;
  int64_t booted_at = 0;  // seconds since 1970 at which the adapter booted
  AesEntryInfo aes_entry_info = AesEntryInfo::kLinks;
  // the firmware's debug-message dump: a ring of dump_buffer_kb KB that takes
  // a message per event and per changing call while started
  bool dump_enabled = false;
  bool dump_started = false;
  uint16_t dump_buffer_kb = 64;
  // hybrid tier: entries in each tier VD's file-system entry table
  uint16_t tier_table_entries = 1024;
};

const Model<Adapter>& adapter_model();

// The adapter information record as the library reports it.
QX_ADAPTER_INFO to_record(const Adapter& adapter);

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_ADAPTER_H
