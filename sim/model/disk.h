// A simulated physical disk: every field of its information record, its RAID
// status and its per-disk configuration.
#ifndef QX_SIM_MODEL_DISK_H
#define QX_SIM_MODEL_DISK_H

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "api/records.h"
#include "sim/model/field.h"

namespace qx::sim {

enum class SpareKind : uint8_t { kNone, kGlobal, kDedicated };
enum class SmartSet : uint8_t { kNone, kHdd, kSsd };  // the SMART attributes a scenario gives a disk

inline constexpr uint8_t kNoAesPort = 0xFF;
inline constexpr size_t kMaxEccMarks = 64;  // sectors a disk keeps wrong ECC for at once

struct Disk {
  uint16_t id = 0;
  // where it is attached
  uint8_t link_kind = QX_LINK_HBA_PORT;
  uint16_t parent_id = 0;
  uint8_t port = 0;
  std::vector<uint8_t> parent_phys;  // PHYs of the parent it is cabled to; empty: just `port`
  uint16_t enclosure_id = 0;
  uint8_t slot = 0;  // device slot of its enclosure (a scenario's default: the port)
  std::array<uint8_t, 8> sas_address{};
  // what it is
  uint8_t type_bits = 0;
  uint8_t link_bits = 0;
  uint8_t device_type = 0;
  uint32_t capabilities = 0;
  uint8_t pio_modes = 0, mdma_modes = 0, udma_modes = 0;
  uint8_t current_pio = 0, current_mdma = 0, current_udma = 0;
  std::string model, serial, firmware, ppid;
  uint64_t size_kb = 0;
  uint32_t sector_size = 0;
  bool ssd = false;
  bool locate_led = false;
  // state
  bool present = true;  // false after the disk was pulled
  bool offline = false;
  bool foreign = false;
  SpareKind spare = SpareKind::kNone;
  uint16_t spare_array = 0;  // array of a dedicated spare
  bool has_file_system = false;
  bool has_os = false;
  bool os_exposed = false;  // the host sees it as a disk while it is free
  // configuration
  bool write_cache = false;
  bool smart = false;
  uint8_t link_speed = 0;  // 1 1.5 Gb/s, 2 3 Gb/s, 3 6 Gb/s, 4 12 Gb/s
  SmartSet smart_set = SmartSet::kNone;
  // encryption
  uint8_t aes_port = kNoAesPort;      // the AES port it sits behind
  bool encrypted = false;                 // its data is encrypted
  uint8_t key_entry = QX_AES_NO_ENTRY;   // the entry whose key encrypted it
  // diagnostics
  uint8_t ecc_bytes = 0;               // ECC bytes a SAS disk keeps per sector
  std::vector<uint32_t> ecc_marks;     // sectors whose ECC was made wrong: reading them fails
};

const Model<Disk>& disk_model();

// The information record of a disk (both forms share the layout), with the
// SAS address of the port or expander it hangs on.
QX_PD_INFO to_record(const Disk& disk, uint8_t adapter_id, const std::array<uint8_t, 8>& parent_address);

// The topology's device type of a disk (a PD, tape, printer, CD/DVD or
// enclosure device).
uint8_t node_type(const Disk& disk);

// The PHYs of the parent the disk is cabled to.
std::vector<uint8_t> parent_phys(const Disk& disk);

// True for a disk that can hold VD data (not a CD/DVD, tape or other device).
bool is_data_disk(const Disk& disk);

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_DISK_H
