#include "sim/model/disk.h"

#include <algorithm>

#include "sim/model/record_text.h"
#include "sim/model/topology.h"

namespace qx::sim {

const Model<Disk>& disk_model() {
  using D = Disk;
  static const Model<Disk> model = [] {
    Model<D> m;
    m.table = "disks";
    m.doc =
        "Physical disks of an adapter. The fields feed the PD information record, the PD RAID status, "
        "the PD configuration and the file-system and running-OS queries.";
    m.key = {"id"};
    m.fields = {
        integer_field<D>("id", &D::id, 0, "PD id (36)", "PD id, unique on the adapter", 0, 0xFFFE),
        integer_field<D>("link_kind", &D::link_kind, QX_LINK_HBA_PORT, "link kind (2)",
                         "255 HBA port, 3 expander, 2 port multiplier, 11 enclosure, 12 enclosure with HBA port"),
        integer_field<D>("parent_id", &D::parent_id, 0, "parent id (0)",
                         "id of the expander or port multiplier the disk hangs on"),
        integer_field<D>("port", &D::port, 0, "port (4)", "port number on the HBA or on the parent"),
        vector_field<D>("parent_phys", &D::parent_phys, QX_LINK_MAX_PHYS, "parent PHYs (3, 4)",
                        "PHYs of the parent it is cabled to, the port first; empty: the port alone"),
        integer_field<D>("enclosure_id", &D::enclosure_id, 0, "enclosure id (56)", "enclosure id"),
        integer_field<D>("slot", &D::slot, 0, "device element of its enclosure",
                         "slot of its enclosure; left out: the port"),
        hex_field<D>("sas_address", &D::sas_address, "0000000000000000", "SAS address (48)",
                     "SAS address, 16 hexadecimal digits"),
        integer_field<D>("type_bits", &D::type_bits, QX_PD_TYPE_SATA, "type bits (66)",
                         "bit 0 SATA, 1 PATA, 2 SAS, 3 ATAPI CD/DVD, 4 tape, 5 other non-disk device"),
        integer_field<D>("link_bits", &D::link_bits, 0x05, "link bits (70)",
                         "bits 0-3 transport and protocol (0+2 SATA, 0+3 PATA, 1+2 SAS), 4 ATAPI, "
                         "5 locate LED present"),
        integer_field<D>("device_type", &D::device_type, QX_DEVICE_DISK, "device type (71)",
                         "0 disk, 1 tape, 2 printer, 5 CD/DVD, 13 enclosure"),
        integer_field<D>("capabilities", &D::capabilities, 0xF9, "capability bits (72)",
                         "bit 0 NCQ, 2 1.5 Gb/s, 3 3 Gb/s, 4 write cache, 5 48-bit LBA, 6 SMART, 7 6 Gb/s, "
                         "10 12 Gb/s"),
        integer_field<D>("pio_modes", &D::pio_modes, 255, "supported PIO modes (67)", "255 = none"),
        integer_field<D>("mdma_modes", &D::mdma_modes, 255, "supported MDMA modes (68)", "255 = none"),
        integer_field<D>("udma_modes", &D::udma_modes, 255, "supported UDMA modes (69)", "255 = none"),
        integer_field<D>("current_pio", &D::current_pio, 255, "current PIO mode (160)", "255 = none"),
        integer_field<D>("current_mdma", &D::current_mdma, 255, "current MDMA mode (161)", "255 = none"),
        integer_field<D>("current_udma", &D::current_udma, 255, "current UDMA mode (162)", "255 = none"),
        text_field<D>("model", &D::model, 40, "QXD HD2000", "model (76)", "model text"),
        text_field<D>("serial", &D::serial, 20, "", "serial number (116)", "serial number text"),
        text_field<D>("firmware", &D::firmware, 8, "QF01", "firmware version (136)", "firmware version text"),
        text_field<D>("ppid", &D::ppid, 59, "", "PPID (188)", "PPID text"),
        integer_field<D>("size_kb", &D::size_kb, 1953514584, "size (144)", "capacity in KB", 0, int64_t{1} << 50),
        integer_field<D>("sector_size", &D::sector_size, 512, "sector size (164)", "sector size in bytes"),
        bool_field<D>("ssd", &D::ssd, false, "SSD (184)", "the disk is a solid-state disk"),
        bool_field<D>("locate_led", &D::locate_led, false, "locate LED (169)", "the locate LED is on"),
        bool_field<D>("present", &D::present, true, "every PD call",
                      "false after the disk was pulled: the adapter no longer sees it"),
        bool_field<D>("offline", &D::offline, false, "PD RAID status (flag 0x08)", "the disk is offline"),
        bool_field<D>("foreign", &D::foreign, false, "PD RAID status (flag 0x80)",
                      "the disk carries configuration of another adapter"),
        enum_field<D>("spare", &D::spare, {"none", "global", "dedicated"}, SpareKind::kNone,
                      "PD RAID status (flags 0x04, 0x40)", "spare drive kind"),
        integer_field<D>("spare_array", &D::spare_array, 0, "PD RAID status (offset 2)",
                         "array a dedicated spare belongs to"),
        bool_field<D>("has_file_system", &D::has_file_system, false, "file-system query",
                      "the disk carries a file system"),
        bool_field<D>("has_os", &D::has_os, false, "running-OS query", "the running operating system is on it"),
        bool_field<D>("os_exposed", &D::os_exposed, false, "OS disk mapping",
                      "while free, the host sees it as a disk of its own (qxsim host present)"),
        bool_field<D>("write_cache", &D::write_cache, true, "PD configuration (0)", "write cache is on"),
        bool_field<D>("smart", &D::smart, true, "PD configuration (1)", "SMART is on"),
        integer_field<D>("link_speed", &D::link_speed, 3, "PD configuration (3)",
                         "current link speed: 1 1.5 Gb/s, 2 3 Gb/s, 3 6 Gb/s, 4 12 Gb/s, 0 unknown", 0, 4),
        enum_field<D>("smart_set", &D::smart_set, {"none", "hdd", "ssd"}, SmartSet::kNone, "SMART record",
                      "SMART attributes the disk starts with besides those the scenario lists for it"),
        integer_field<D>("aes_port", &D::aes_port, kNoAesPort, "AES port checks",
                         "AES port the disk sits behind; 255 = none"),
        bool_field<D>("encrypted", &D::encrypted, false, "AES port checks", "the disk's data is encrypted"),
        integer_field<D>("key_entry", &D::key_entry, QX_AES_NO_ENTRY, "AES port checks",
                         "AES entry whose key encrypted the disk; 255 = none"),
        integer_field<D>("ecc_bytes", &D::ecc_bytes, 8, "ECC size",
                         "ECC bytes a SAS disk keeps with each sector (the block size it reports is the sector "
                         "size plus these)"),
        vector_field<D>("ecc_marks", &D::ecc_marks, kMaxEccMarks, "SCSI reads",
                        "LBAs whose ECC was made wrong on purpose: reading one fails with a medium error"),
    };
    return m;
  }();
  return model;
}

uint8_t node_type(const Disk& d) {
  switch (d.device_type) {
    case QX_DEVICE_TAPE: return QX_NODE_TAPE;
    case QX_DEVICE_PRINTER: return QX_NODE_PRINTER;
    case QX_DEVICE_CDDVD: return QX_NODE_CDDVD;
    case QX_DEVICE_ENCLOSURE: return QX_NODE_ENCLOSURE;
    default: return QX_NODE_PD;
  }
}

std::vector<uint8_t> parent_phys(const Disk& d) {
  return d.parent_phys.empty() ? std::vector<uint8_t>{d.port} : d.parent_phys;
}

QX_PD_INFO to_record(const Disk& d, uint8_t adapter_id, const std::array<uint8_t, 8>& parent_address) {
  QX_PD_INFO r{};
  r.parent_id = d.parent_id;
  r.link_kind = d.link_kind;
  put_phys(r.parent_phy_count, r.parent_phys, parent_phys(d));
  std::copy(parent_address.begin(), parent_address.end(), r.parent_sas_address);
  r.pd_id = d.id;
  r.node_type = node_type(d);
  r.phy_count = 1;  // a disk is cabled by its first PHY
  std::copy(d.sas_address.begin(), d.sas_address.end(), r.sas_address);
  r.enclosure_id = d.enclosure_id;
  r.adapter_id = adapter_id;
  r.type_bits = d.type_bits;
  r.pio_modes = d.pio_modes;
  r.mdma_modes = d.mdma_modes;
  r.udma_modes = d.udma_modes;
  r.link_bits = d.link_bits;
  r.device_type = d.device_type;
  r.capabilities = d.capabilities;
  copy_text(r.model, d.model);
  copy_text(r.serial, d.serial);
  copy_text(r.firmware, d.firmware);
  r.size_kb = d.size_kb;
  r.current_pio = d.current_pio;
  r.current_mdma = d.current_mdma;
  r.current_udma = d.current_udma;
  r.sector_size = d.sector_size;
  r.locate_led = d.locate_led ? 1 : 0;
  r.ssd = d.ssd ? 1 : 0;
  copy_text(r.ppid, d.ppid);
  return r;
}

bool is_data_disk(const Disk& d) {
  return (d.type_bits & (QX_PD_TYPE_ATAPI_CDDVD | QX_PD_TYPE_TAPE | QX_PD_TYPE_OTHER)) == 0 &&
         d.device_type == QX_DEVICE_DISK;
}

}  // namespace qx::sim
