// Fixed-layout records exchanged with the RAID API library.
//
// Every record is a plain struct whose memory layout is the record's wire
// layout: little-endian fixed-width fields at fixed offsets, reserved byte
// arrays for stretches nobody reads (reservedNN, NN = the offset). Command
// code and the simulated controller name a field only through these structs.
//
// Where two readers give the same bytes two meanings, the record keeps both
// names in an anonymous union and says which reader uses which. Where only
// some fields of a record are named, the comment on the struct says how its
// total size was chosen.
#ifndef QX_API_RECORDS_H
#define QX_API_RECORDS_H

#include <stddef.h>
#include <stdint.h>

#if defined(__cplusplus)
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "records are little-endian; this host is not");
#define QX_RECORD_SIZE(T, n) static_assert(sizeof(T) == (n), #T " has the wrong size")
#define QX_FIELD_AT(T, f, off) static_assert(offsetof(T, f) == (off), #T "::" #f " is at the wrong offset")
#elif defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L
_Static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "records are little-endian; this host is not");
#define QX_RECORD_SIZE(T, n) _Static_assert(sizeof(T) == (n), #T " has the wrong size")
#define QX_FIELD_AT(T, f, off) _Static_assert(offsetof(T, f) == (off), #T "::" #f " is at the wrong offset")
#else
#define QX_RECORD_SIZE(T, n)
#define QX_FIELD_AT(T, f, off)
#endif


// ---------------------------------------------------------------------------
// Query header: in front of the result area of every get and list call.
enum {
  QX_QUERY_LIST = 1,  // list from a start id
  QX_QUERY_ONE = 2,   // one object by id
};
#define QX_NO_NEXT_ID 0xFFFFu

typedef struct QX_QUERY_HEADER {
  uint8_t reserved0;
  uint8_t query_type;     // QX_QUERY_LIST or QX_QUERY_ONE
  uint16_t start_id;      // start id (list) or object id (one)
  uint16_t requested;     // number of records the caller has room for
  uint16_t returned;      // number of records filled in
  uint16_t next_id;       // start id of the next page; QX_NO_NEXT_ID when none
  uint8_t reserved10[6];
} QX_QUERY_HEADER;
QX_RECORD_SIZE(QX_QUERY_HEADER, 16);
QX_FIELD_AT(QX_QUERY_HEADER, query_type, 1);
QX_FIELD_AT(QX_QUERY_HEADER, start_id, 2);
QX_FIELD_AT(QX_QUERY_HEADER, requested, 4);
QX_FIELD_AT(QX_QUERY_HEADER, returned, 6);
QX_FIELD_AT(QX_QUERY_HEADER, next_id, 8);

// ---------------------------------------------------------------------------
// Adapter information, filled by QX_Adapter_GetInfo.
enum {  // feature bits (byte 74)
  QX_FEATURE_REBUILD = 1u << 0,           // rebuild, spares and auto rebuild
  QX_FEATURE_BACKGROUND_INIT = 1u << 1,
  QX_FEATURE_SYNCHRONIZE = 1u << 2,
  QX_FEATURE_MIGRATION = 1u << 3,
  QX_FEATURE_PD_BGA_STATUS = 1u << 4,     // PD activities: media patrol, data scrub, their status and rate
  QX_FEATURE_FOREGROUND_INIT = 1u << 5,
  QX_FEATURE_COPY_BACK = 1u << 6,
  QX_FEATURE_SAME_TYPE_ONLY = 1u << 7,    // only disks of one type in a VD
};
enum {  // port type bits (byte 73)
  QX_PORT_SATA = 1u << 0,
  QX_PORT_PATA = 1u << 1,
  QX_PORT_SAS = 1u << 2,
};
enum {  // RAID mode bits (u16 at 94): the levels the adapter can build
  QX_RAID_MODE_RAID0 = 1u << 0,
  QX_RAID_MODE_RAID1 = 1u << 1,
  QX_RAID_MODE_RAID10 = 1u << 2,
  QX_RAID_MODE_RAID1E = 1u << 3,
  QX_RAID_MODE_RAID5 = 1u << 4,
  QX_RAID_MODE_RAID6 = 1u << 5,
  QX_RAID_MODE_RAID50 = 1u << 6,
  QX_RAID_MODE_JBOD = 1u << 7,
  QX_RAID_MODE_RAID60 = 1u << 8,
  QX_RAID_MODE_TIER_CAPACITY = 1u << 9,   // `tier` takes a sector size of 512 from it
  QX_RAID_MODE_TIER_SAFE = 1u << 10,      // without the bit above: a sector size of 1024
  QX_RAID_MODE_TIER_HYBRID = 1u << 11,
};
enum {  // PCIe link speed codes (bytes 272, 273)
  QX_PCIE_NONE = 0,
  QX_PCIE_2G5 = 1,
  QX_PCIE_5G = 2,
  QX_PCIE_8G = 3,
};
// Advanced feature bits (u32 at 80). Macros rather than an enum, so that
// bit 31 stays an unsigned constant in C too. "NO_" bits are set when the
// adapter lacks the capability.
#define QX_ADV_EVENT_SENSE 0x00000001u
#define QX_ADV_BIG_STRIPE 0x00000002u          // stripe sizes up to 1 MB
#define QX_ADV_FLASH_BIOS 0x00000004u
#define QX_ADV_BBU 0x00000008u                 // battery backup; the "auto" cache policy
#define QX_ADV_CONFIG_IN_FLASH 0x00000010u
#define QX_ADV_CPU_EFFICIENCY 0x00000020u
#define QX_ADV_MULTI_VD 0x00000040u
#define QX_ADV_SPC4 0x00000080u
#define QX_ADV_SES2 0x00000100u
#define QX_ADV_MODULE_CONSOLIDATE 0x00000200u
#define QX_ADV_IMAGE_HEALTH 0x00000400u
#define QX_ADV_VIRTUAL_ATAPI 0x00000800u       // listed as "phy ctrl"
#define QX_ADV_CRYPTO 0x00001000u              // AES ports
#define QX_ADV_TIMER 0x00002000u
#define QX_ADV_NO_VD_WRITE_CACHE 0x00004000u
#define QX_ADV_NO_VD_READ_CACHE 0x00008000u
// SMART polling. The arrays-less `set` refuses the SMART switch when this
// bit is clear, the array-capable `set` when it is set; `get` shows the
// polling line when it is set.
#define QX_ADV_SMART_POLL 0x00010000u
#define QX_ADV_NO_ROUNDING 0x00020000u         // no gigabyte rounding
#define QX_ADV_NO_SET_FREE 0x00040000u         // PDs cannot be set online/offline
#define QX_ADV_NO_PD_CACHE 0x00080000u         // PD write cache cannot be switched
#define QX_ADV_ENCLOSURE 0x00100000u           // enclosures and locate; listed as "enc," when clear
#define QX_ADV_NO_BGA_RATES 0x00200000u        // no per-activity rates
#define QX_ADV_AES_PARTITION 0x00400000u
#define QX_ADV_TIER_INTELLIGENT_INIT 0x00800000u
#define QX_ADV_NO_SPARE 0x01000000u
#define QX_ADV_HYBRID_SWITCH 0x02000000u       // VD restore option
#define QX_ADV_HOT_PLUG 0x04000000u
#define QX_ADV_ATA_PASSTHROUGH 0x08000000u
#define QX_ADV_REMAP 0x10000000u               // also: SSD segments
#define QX_ADV_ACCESS_REGISTER 0x20000000u
#define QX_ADV_OEM_DATA 0x40000000u
#define QX_ADV_RAW_UPDATE 0x80000000u          // raw images and the raw update setting
// Advanced feature bits 2 (u32 at 116).
#define QX_ADV2_FLASH_TWICE 0x00000001u        // firmware is written again as QX_IMAGE_FW_BACKUP
#define QX_ADV2_VD_DA_GROUP 0x00000002u
#define QX_ADV2_SCSI_PASSTHROUGH 0x00000004u
#define QX_ADV2_NO_FLASH 0x00000008u

enum { QX_IMAGE_HEALTH_COUNT = 6 };

typedef struct QX_ADAPTER_INFO {
  uint32_t driver_version[4];
  uint16_t bios_version[4];
  uint16_t firmware_version[4];
  uint16_t boot_loader_version[4];
  uint8_t reserved40[24];
  uint16_t vendor_id;
  uint16_t subsystem_vendor_id;
  uint16_t device_id;
  uint16_t subsystem_id;
  uint8_t port_count;
  uint8_t port_types;          // QX_PORT_...
  uint8_t features;            // QX_FEATURE_...
  uint8_t buzzer;              // 1 = present
  uint8_t chip_revision;
  uint8_t max_disks_per_vd;
  uint16_t stripe_sizes;       // bit k: 2^(k+4) KB supported, k = 0..6
  uint32_t adv_features;       // QX_ADV_...
  uint8_t max_disks_per_array;
  uint8_t max_vds_per_array;
  uint8_t max_raid6_parity;
  uint8_t max_arrays;          // non-zero: array-capable adapter
  uint8_t max_total_blocks_narrow;
  uint8_t reserved89;
  uint8_t highest_pd_id;
  uint8_t expander_support;
  uint8_t pm_support;
  uint8_t max_vds;
  uint16_t raid_modes;         // QX_RAID_MODE_...
  uint8_t reserved96[8];
  uint16_t max_disks;
  uint16_t max_buffer_kb;      // size of the largest query buffer, in KB
  uint16_t max_total_blocks_wide;
  uint8_t aes_port_count;
  uint8_t reserved111;
  uint8_t max_tier_ssds;
  uint8_t aes_entry_count;
  uint8_t max_ssd_segments;
  uint8_t reserved115;
  uint32_t adv_features2;      // QX_ADV2_...
  uint8_t reserved120[4];
  char serial[20];
  uint8_t sas_address[16][8];  // port p at 144 + 8p
  uint8_t pcie_max_speed;      // QX_PCIE_...; 0: no PCIe data
  uint8_t pcie_current_speed;
  uint8_t pcie_max_width;
  uint8_t pcie_current_width;
  // Health of the images: image, autoload, boot loader, firmware, boot ROM,
  // HBA info; 1 = healthy.
  uint8_t image_health[QX_IMAGE_HEALTH_COUNT];
  uint8_t reserved282[2];
  char model[20];
} QX_ADAPTER_INFO;
QX_RECORD_SIZE(QX_ADAPTER_INFO, 304);
QX_FIELD_AT(QX_ADAPTER_INFO, bios_version, 16);
QX_FIELD_AT(QX_ADAPTER_INFO, firmware_version, 24);
QX_FIELD_AT(QX_ADAPTER_INFO, boot_loader_version, 32);
QX_FIELD_AT(QX_ADAPTER_INFO, vendor_id, 64);
QX_FIELD_AT(QX_ADAPTER_INFO, subsystem_vendor_id, 66);
QX_FIELD_AT(QX_ADAPTER_INFO, device_id, 68);
QX_FIELD_AT(QX_ADAPTER_INFO, subsystem_id, 70);
QX_FIELD_AT(QX_ADAPTER_INFO, port_count, 72);
QX_FIELD_AT(QX_ADAPTER_INFO, port_types, 73);
QX_FIELD_AT(QX_ADAPTER_INFO, features, 74);
QX_FIELD_AT(QX_ADAPTER_INFO, buzzer, 75);
QX_FIELD_AT(QX_ADAPTER_INFO, chip_revision, 76);
QX_FIELD_AT(QX_ADAPTER_INFO, max_disks_per_vd, 77);
QX_FIELD_AT(QX_ADAPTER_INFO, stripe_sizes, 78);
QX_FIELD_AT(QX_ADAPTER_INFO, adv_features, 80);
QX_FIELD_AT(QX_ADAPTER_INFO, max_disks_per_array, 84);
QX_FIELD_AT(QX_ADAPTER_INFO, max_vds_per_array, 85);
QX_FIELD_AT(QX_ADAPTER_INFO, max_raid6_parity, 86);
QX_FIELD_AT(QX_ADAPTER_INFO, max_arrays, 87);
QX_FIELD_AT(QX_ADAPTER_INFO, max_total_blocks_narrow, 88);
QX_FIELD_AT(QX_ADAPTER_INFO, highest_pd_id, 90);
QX_FIELD_AT(QX_ADAPTER_INFO, expander_support, 91);
QX_FIELD_AT(QX_ADAPTER_INFO, pm_support, 92);
QX_FIELD_AT(QX_ADAPTER_INFO, max_vds, 93);
QX_FIELD_AT(QX_ADAPTER_INFO, raid_modes, 94);
QX_FIELD_AT(QX_ADAPTER_INFO, max_disks, 104);
QX_FIELD_AT(QX_ADAPTER_INFO, max_buffer_kb, 106);
QX_FIELD_AT(QX_ADAPTER_INFO, max_total_blocks_wide, 108);
QX_FIELD_AT(QX_ADAPTER_INFO, aes_port_count, 110);
QX_FIELD_AT(QX_ADAPTER_INFO, max_tier_ssds, 112);
QX_FIELD_AT(QX_ADAPTER_INFO, aes_entry_count, 113);
QX_FIELD_AT(QX_ADAPTER_INFO, max_ssd_segments, 114);
QX_FIELD_AT(QX_ADAPTER_INFO, adv_features2, 116);
QX_FIELD_AT(QX_ADAPTER_INFO, serial, 124);
QX_FIELD_AT(QX_ADAPTER_INFO, sas_address, 144);
QX_FIELD_AT(QX_ADAPTER_INFO, pcie_max_speed, 272);
QX_FIELD_AT(QX_ADAPTER_INFO, pcie_current_speed, 273);
QX_FIELD_AT(QX_ADAPTER_INFO, pcie_max_width, 274);
QX_FIELD_AT(QX_ADAPTER_INFO, pcie_current_width, 275);
QX_FIELD_AT(QX_ADAPTER_INFO, image_health, 276);
QX_FIELD_AT(QX_ADAPTER_INFO, model, 284);

// Adapter configuration (QX_Adapter_GetConfig, QX_Adapter_SetConfig).
// Rates run from 0 to 250 and show as percent (stored x 100 / 250);
// switches are 1 on, 0 off unless noted.
#define QX_RATE_SCALE 250
enum { QX_ADAPTER_CONFIG_MAX = 8 };  // records one QX_Adapter_GetConfig may return
typedef struct QX_ADAPTER_CONFIG {
  uint8_t buzzer;
  uint8_t auto_rebuild;
  uint8_t bga_rate;
  uint8_t smart_polling;
  uint8_t media_patrol_rate;
  uint8_t copy_back;
  uint8_t sync_rate;
  uint8_t init_rate;
  uint8_t rebuild_rate;
  uint8_t migration_rate;
  uint8_t copy_back_rate;
  uint8_t cpu_optimization;
  uint8_t module_consolidation;
  uint8_t virtual_atapi;       // 1 = enabled
  uint8_t reserved14;
  uint8_t raw_update;          // 0 = on, 1 = off; 1 also refuses every flash update
  uint8_t reserved16[8];
  char serial[20];             // blank-padded, not NUL-terminated
  char model[20];              // blank-padded, not NUL-terminated
} QX_ADAPTER_CONFIG;
QX_RECORD_SIZE(QX_ADAPTER_CONFIG, 64);
QX_FIELD_AT(QX_ADAPTER_CONFIG, auto_rebuild, 1);
QX_FIELD_AT(QX_ADAPTER_CONFIG, bga_rate, 2);
QX_FIELD_AT(QX_ADAPTER_CONFIG, smart_polling, 3);
QX_FIELD_AT(QX_ADAPTER_CONFIG, media_patrol_rate, 4);
QX_FIELD_AT(QX_ADAPTER_CONFIG, copy_back, 5);
QX_FIELD_AT(QX_ADAPTER_CONFIG, sync_rate, 6);
QX_FIELD_AT(QX_ADAPTER_CONFIG, init_rate, 7);
QX_FIELD_AT(QX_ADAPTER_CONFIG, rebuild_rate, 8);
QX_FIELD_AT(QX_ADAPTER_CONFIG, migration_rate, 9);
QX_FIELD_AT(QX_ADAPTER_CONFIG, copy_back_rate, 10);
QX_FIELD_AT(QX_ADAPTER_CONFIG, cpu_optimization, 11);
QX_FIELD_AT(QX_ADAPTER_CONFIG, module_consolidation, 12);
QX_FIELD_AT(QX_ADAPTER_CONFIG, virtual_atapi, 13);
QX_FIELD_AT(QX_ADAPTER_CONFIG, raw_update, 15);
QX_FIELD_AT(QX_ADAPTER_CONFIG, serial, 24);
QX_FIELD_AT(QX_ADAPTER_CONFIG, model, 44);

// OEM data request of the adapter (QX_Adapter_Get_OEM_Data,
// QX_Adapter_Set_OEM_Data): zero-filled, then the length, the sub-request and
// its fields. The reply of a read lands in the union at 24.
#define QX_OEM_ADAPTER_LENGTH 72u
#define QX_OEM_SCHEDULE_DATA_LENGTH 48u  // bytes from offset 24 to the end
enum {  // sub_request
  QX_OEM_SUB_ROM_VERSION = 0,   // read: rom_version
  QX_OEM_SUB_KEY = 1,           // read: key
  QX_OEM_SUB_WIPE_GUID = 2,     // write: wipe the adapter GUID
  QX_OEM_SUB_SCHEDULE = 3,      // read or write: schedule, with data_length 48
};
enum {  // media patrol schedule modes
  QX_SCHEDULE_MANUAL = 0,
  QX_SCHEDULE_AUTO = 1,
};
typedef struct QX_OEM_SCHEDULE {
  uint8_t mode;                // QX_SCHEDULE_...
  uint8_t reserved1[3];
  uint32_t interval_seconds;
} QX_OEM_SCHEDULE;
QX_RECORD_SIZE(QX_OEM_SCHEDULE, 8);
QX_FIELD_AT(QX_OEM_SCHEDULE, interval_seconds, 4);

typedef struct QX_OEM_DATA {
  uint16_t length;             // QX_OEM_ADAPTER_LENGTH
  uint16_t data_length;        // QX_OEM_SCHEDULE_DATA_LENGTH for the schedule, else 0
  uint8_t reserved4[12];
  uint8_t sub_request;         // QX_OEM_SUB_...
  uint8_t reserved17[7];
  union {
    uint16_t rom_version[4];   // QX_OEM_SUB_ROM_VERSION
    uint32_t key[3];           // QX_OEM_SUB_KEY: shown as key[1]_key[0]:key[2]
    QX_OEM_SCHEDULE schedule;  // QX_OEM_SUB_SCHEDULE
    uint8_t data[48];
  };
} QX_OEM_DATA;
QX_RECORD_SIZE(QX_OEM_DATA, 72);
QX_FIELD_AT(QX_OEM_DATA, data_length, 2);
QX_FIELD_AT(QX_OEM_DATA, sub_request, 16);
QX_FIELD_AT(QX_OEM_DATA, rom_version, 24);
QX_FIELD_AT(QX_OEM_DATA, key, 24);
QX_FIELD_AT(QX_OEM_DATA, schedule, 24);

// OEM data request of one PD or VD (QX_PD_OEMData, QX_VD_OEMData).
#define QX_OEM_DISK_LENGTH 48u
enum {  // sub_request
  QX_OEM_DISK_LOCATE = 0x10,   // PD: locate LED, locate_on
  QX_OEM_DISK_KEY = 0x20,      // VD: read the key into key
};
typedef struct QX_DISK_OEM_DATA {
  uint16_t length;             // QX_OEM_DISK_LENGTH
  uint8_t reserved2[4];
  uint16_t device_id;          // PD or VD id
  uint8_t reserved8;
  uint8_t sub_request;         // QX_OEM_DISK_...
  uint8_t reserved10[6];
  union {
    uint8_t locate_on;         // QX_OEM_DISK_LOCATE: 1 LED on, 0 off
    uint32_t key[3];           // QX_OEM_DISK_KEY: shown as key[1]_key[0]:key[2]
  };
  uint8_t reserved28[20];
} QX_DISK_OEM_DATA;
QX_RECORD_SIZE(QX_DISK_OEM_DATA, 48);
QX_FIELD_AT(QX_DISK_OEM_DATA, device_id, 6);
QX_FIELD_AT(QX_DISK_OEM_DATA, sub_request, 9);
QX_FIELD_AT(QX_DISK_OEM_DATA, locate_on, 16);
QX_FIELD_AT(QX_DISK_OEM_DATA, key, 16);

// Register access (QX_Adapter_Read_Register, QX_Adapter_Write_Register).
enum {  // register types
  QX_REGISTER_MAILBOX = 0,
  QX_REGISTER_INTERNAL = 1,
  QX_REGISTER_UNSPECIFIED = 255,
};
enum {
  QX_REGISTER_VALUE_OFFSET = 8,   // value_offset: where the value sits
  QX_REGISTER_REQUEST_SIZE = 16,  // request_size: the whole request
};
typedef struct QX_REGISTER_REQUEST {
  uint8_t value_offset;        // QX_REGISTER_VALUE_OFFSET
  uint8_t request_size;        // QX_REGISTER_REQUEST_SIZE
  uint8_t reserved2[6];
  uint32_t value;              // the value to write, or the value read
  uint8_t reserved12[4];
} QX_REGISTER_REQUEST;
QX_RECORD_SIZE(QX_REGISTER_REQUEST, 16);
QX_FIELD_AT(QX_REGISTER_REQUEST, request_size, 1);
QX_FIELD_AT(QX_REGISTER_REQUEST, value, 8);

enum {  // driver modes (QX_GetDriverMode, QX_SetDriverMode)
  QX_DRIVER_POWER_SAVING = 0,
  QX_DRIVER_PERFORMANCE = 1,
};
#define QX_DRIVER_MODE_UNSET 0xFFFFFFFFu  // sent when no mode was chosen

// ---------------------------------------------------------------------------
// Topology. The first 56 bytes of every enclosure, expander, port multiplier
// and PD information record place the device in the topology.
enum {  // node types: the parent kind and own type of a link descriptor
  QX_NODE_NONE = 0,
  QX_NODE_PD = 1,
  QX_NODE_PM = 2,
  QX_NODE_EXPANDER = 3,
  QX_NODE_TAPE = 4,
  QX_NODE_PRINTER = 5,
  QX_NODE_PROCESSOR = 6,
  QX_NODE_WRITE_ONCE = 7,
  QX_NODE_CDDVD = 8,
  QX_NODE_OPTICAL_MEMORY = 9,
  QX_NODE_MEDIA_CHANGER = 10,
  QX_NODE_ENCLOSURE = 11,
  QX_NODE_ADAPTER_PORT = 255,   // parent kind: a port of the adapter itself
};
enum { QX_LINK_MAX_PHYS = 8 };

typedef struct QX_LINK_DESCRIPTOR {
  uint16_t parent_id;          // the device this one hangs on
  uint8_t parent_kind;         // QX_NODE_...
  uint8_t parent_phy_count;
  uint8_t parent_phys[QX_LINK_MAX_PHYS];
  uint8_t parent_sas_address[8];
  uint8_t reserved20[16];
  uint16_t id;
  uint8_t node_type;           // QX_NODE_...
  uint8_t phy_count;
  uint8_t phys[QX_LINK_MAX_PHYS];
  uint8_t sas_address[8];
} QX_LINK_DESCRIPTOR;
QX_RECORD_SIZE(QX_LINK_DESCRIPTOR, 56);
QX_FIELD_AT(QX_LINK_DESCRIPTOR, parent_kind, 2);
QX_FIELD_AT(QX_LINK_DESCRIPTOR, parent_phy_count, 3);
QX_FIELD_AT(QX_LINK_DESCRIPTOR, parent_phys, 4);
QX_FIELD_AT(QX_LINK_DESCRIPTOR, parent_sas_address, 12);
QX_FIELD_AT(QX_LINK_DESCRIPTOR, id, 36);
QX_FIELD_AT(QX_LINK_DESCRIPTOR, node_type, 38);
QX_FIELD_AT(QX_LINK_DESCRIPTOR, phy_count, 39);
QX_FIELD_AT(QX_LINK_DESCRIPTOR, phys, 40);
QX_FIELD_AT(QX_LINK_DESCRIPTOR, sas_address, 48);

// Enclosure information (QX_ENC_GetEnclosureInfo).
enum {
  QX_ENCLOSURE_OK = 1,
  QX_ENCLOSURE_UNSTABLE = 2,
};
enum { QX_ENCLOSURE_MAX_EXPANDERS = 20 };
typedef struct QX_ENCLOSURE_INFO {
  QX_LINK_DESCRIPTOR link;     // link.id: the enclosure id
  uint8_t reserved56[8];
  uint8_t adapter_id;
  uint8_t status;              // QX_ENCLOSURE_...; other values show no status
  uint8_t reserved66[2];
  uint8_t logical_id[8];
  uint8_t reserved76;
  char vendor[9];              // 8 characters and a NUL
  char product[17];            // 16 characters and a NUL
  char revision[5];            // 4 characters and a NUL
  uint8_t reserved108[3];
  uint8_t expander_count;
  uint16_t expander_ids[QX_ENCLOSURE_MAX_EXPANDERS];
} QX_ENCLOSURE_INFO;
QX_RECORD_SIZE(QX_ENCLOSURE_INFO, 152);
QX_FIELD_AT(QX_ENCLOSURE_INFO, adapter_id, 64);
QX_FIELD_AT(QX_ENCLOSURE_INFO, status, 65);
QX_FIELD_AT(QX_ENCLOSURE_INFO, logical_id, 68);
QX_FIELD_AT(QX_ENCLOSURE_INFO, vendor, 77);
QX_FIELD_AT(QX_ENCLOSURE_INFO, product, 86);
QX_FIELD_AT(QX_ENCLOSURE_INFO, revision, 103);
QX_FIELD_AT(QX_ENCLOSURE_INFO, expander_count, 111);
QX_FIELD_AT(QX_ENCLOSURE_INFO, expander_ids, 112);

// Expander information (QX_PD_GetExpanderInfo).
typedef struct QX_EXPANDER_INFO {
  QX_LINK_DESCRIPTOR link;     // link.id: the expander id
  uint16_t enclosure_id;       // enclosure the expander belongs to
  uint8_t reserved58[74];
} QX_EXPANDER_INFO;
QX_RECORD_SIZE(QX_EXPANDER_INFO, 132);
QX_FIELD_AT(QX_EXPANDER_INFO, enclosure_id, 56);

// Port multiplier information (QX_PD_GetPMInfo).
typedef struct QX_PM_INFO {
  QX_LINK_DESCRIPTOR link;     // link.id: the port multiplier id
  uint8_t reserved56[24];
} QX_PM_INFO;
QX_RECORD_SIZE(QX_PM_INFO, 80);

// Enclosure elements (QX_ENC_GetElementInfo, QX_ENC_GetElementConfig).
enum { QX_ENC_MAX_ELEMENTS = 512 };  // room the caller provides
#define QX_ALL_ENCLOSURES 255u
enum {  // element types
  QX_ELEMENT_DEVICE = 1,
  QX_ELEMENT_POWER_SUPPLY = 2,
  QX_ELEMENT_COOLING = 3,
  QX_ELEMENT_TEMPERATURE = 4,
  QX_ELEMENT_DOOR_LOCK = 5,
  QX_ELEMENT_ALARM = 6,
  QX_ELEMENT_DISPLAY = 12,
  QX_ELEMENT_VOLTAGE = 18,
  QX_ELEMENT_ARRAY_DEVICE = 23,
};
enum {  // element status codes; 9 and above are reserved
  QX_ELEMENT_UNSUPPORTED = 0,
  QX_ELEMENT_OK = 1,
  QX_ELEMENT_CRITICAL = 2,
  QX_ELEMENT_NON_CRITICAL = 3,
  QX_ELEMENT_UNRECOVERABLE = 4,
  QX_ELEMENT_NOT_INSTALLED = 5,
  QX_ELEMENT_UNKNOWN = 6,
  QX_ELEMENT_NOT_AVAILABLE = 7,
  QX_ELEMENT_NO_ACCESS = 8,
};
// Element status. The type-specific bytes by element type (bit 0 = least
// significant):
//   device:         status[0] slot address; status[1] bit 1 locate
//   power supply:   status[0] bit 0 DC over voltage, 1 DC under voltage,
//                   2 DC over current, 3 hot swappable, 4 over temperature warning
//   cooling:        value: speed in rpm; status[2] bits 0-2: speed code 0-7
//   temperature:    status[0] degrees Celsius + 20 (0: not available);
//                   status[1] bit 0 over temperature failure, 1 over warning,
//                   2 under temperature failure, 3 under warning
//   door lock:      status[0] bit 0 unlocked
//   alarm:          status[0] bit 0 muted, bit 1 remind state
//   display:        status[0] the character; status[2] mode status
//   voltage:        value: tens of millivolts, bit 15 the sign;
//                   status[2] bit 0 over warning, 1 under warning,
//                   2 critical over, 3 critical under
//   array device:   status[0] bit 5 hot spare; status[1] bit 1 locate
typedef struct QX_ENC_ELEMENT {
  uint16_t enclosure_id;
  uint8_t reserved2[2];
  uint8_t element_type;        // QX_ELEMENT_ type
  uint8_t status_code;         // QX_ELEMENT_ status
  uint8_t element_number;
  uint8_t reserved7;
  union {
    uint8_t status[4];         // status[3] is not used
    uint16_t value;            // cooling: rpm; voltage: tens of millivolts, bit 15 sign
  };
  uint8_t reserved12[4];
} QX_ENC_ELEMENT;
QX_RECORD_SIZE(QX_ENC_ELEMENT, 16);
QX_FIELD_AT(QX_ENC_ELEMENT, element_type, 4);
QX_FIELD_AT(QX_ENC_ELEMENT, status_code, 5);
QX_FIELD_AT(QX_ENC_ELEMENT, element_number, 6);
QX_FIELD_AT(QX_ENC_ELEMENT, status, 8);
QX_FIELD_AT(QX_ENC_ELEMENT, value, 8);

// Element thresholds: temperatures are degrees Celsius + 20 (0: not
// available), voltages tens of millivolts, others raw values.
typedef struct QX_ENC_ELEMENT_CONFIG {
  uint16_t enclosure_id;
  uint8_t reserved2[2];
  uint8_t element_type;
  uint8_t status_code;
  uint8_t element_number;
  uint8_t high_critical;
  uint8_t high_warning;
  uint8_t low_critical;
  uint8_t low_warning;
  uint8_t reserved11[5];
} QX_ENC_ELEMENT_CONFIG;
QX_RECORD_SIZE(QX_ENC_ELEMENT_CONFIG, 16);
QX_FIELD_AT(QX_ENC_ELEMENT_CONFIG, element_type, 4);
QX_FIELD_AT(QX_ENC_ELEMENT_CONFIG, status_code, 5);
QX_FIELD_AT(QX_ENC_ELEMENT_CONFIG, element_number, 6);
QX_FIELD_AT(QX_ENC_ELEMENT_CONFIG, high_critical, 7);
QX_FIELD_AT(QX_ENC_ELEMENT_CONFIG, high_warning, 8);
QX_FIELD_AT(QX_ENC_ELEMENT_CONFIG, low_critical, 9);
QX_FIELD_AT(QX_ENC_ELEMENT_CONFIG, low_warning, 10);

// Locate LED of a device (QX_LocateArrayDevice).
enum { QX_LOCATE_PD = 1 };                   // device kind
enum { QX_LED_OFF = 0, QX_LED_ON = 1 };

// ---------------------------------------------------------------------------
// Physical disk information (QX_PD_GetHDInfo_Ext extended form,
// QX_PD_GetHDInfo plain form; the same layout). Its first 56 bytes are a
// QX_LINK_DESCRIPTOR under the names below: the same offsets, asserted
// field by field, so a copy of those bytes views a PD like any other
// attached device.
enum {  // link kind (the link descriptor's parent kind) as the PD display reads it
  QX_LINK_PM = 2,
  QX_LINK_EXPANDER = 3,
  QX_LINK_ENCLOSURE = 11,
  QX_LINK_ENCLOSURE_HBA_PORT = 12,
  QX_LINK_HBA_PORT = 255,
};
enum {  // plain-form type bits
  QX_PD_TYPE_SATA = 1u << 0,
  QX_PD_TYPE_PATA = 1u << 1,
  QX_PD_TYPE_SAS = 1u << 2,
  QX_PD_TYPE_ATAPI_CDDVD = 1u << 3,
  QX_PD_TYPE_TAPE = 1u << 4,
  QX_PD_TYPE_OTHER = 1u << 5,
};
// Extended-form link bits: bits 0 and 1 name the transport, 2 and 3 the
// protocol; a SATA disk has bits 0 and 2, a PATA disk 0 and 3, a SAS disk
// 1 and 2.
enum {
  QX_PD_LINK_BIT0 = 1u << 0,
  QX_PD_LINK_BIT1 = 1u << 1,
  QX_PD_LINK_BIT2 = 1u << 2,
  QX_PD_LINK_BIT3 = 1u << 3,
  QX_PD_LINK_ATAPI = 1u << 4,
  QX_PD_LINK_LOCATE_LED = 1u << 5,
  QX_PD_LINK_SATA = QX_PD_LINK_BIT0 | QX_PD_LINK_BIT2,
  QX_PD_LINK_PATA = QX_PD_LINK_BIT0 | QX_PD_LINK_BIT3,
  QX_PD_LINK_SAS = QX_PD_LINK_BIT1 | QX_PD_LINK_BIT2,
};
enum {  // extended-form device types
  QX_DEVICE_DISK = 0,
  QX_DEVICE_TAPE = 1,
  QX_DEVICE_PRINTER = 2,
  QX_DEVICE_CDDVD = 5,
  QX_DEVICE_ENCLOSURE = 13,
};
enum {  // capability bits
  QX_PD_CAP_NCQ = 1u << 0,
  QX_PD_CAP_1G5 = 1u << 2,
  QX_PD_CAP_3G = 1u << 3,
  QX_PD_CAP_WRITE_CACHE = 1u << 4,
  QX_PD_CAP_LBA48 = 1u << 5,
  QX_PD_CAP_SMART = 1u << 6,
  QX_PD_CAP_6G = 1u << 7,
  QX_PD_CAP_12G = 1u << 10,
};
#define QX_NO_TRANSFER_MODE 0xFFu  // PIO, MDMA, UDMA fields: none

typedef struct QX_PD_INFO {
  uint16_t parent_id;          // expander or port multiplier the disk hangs on
  uint8_t link_kind;           // QX_LINK_... (the link descriptor's parent kind)
  uint8_t parent_phy_count;
  union {
    uint8_t port;              // the PD display's port number
    uint8_t parent_phys[QX_LINK_MAX_PHYS];  // the topology's parent PHYs; port is the first
  };
  uint8_t parent_sas_address[8];
  uint8_t reserved20[16];
  uint16_t pd_id;
  uint8_t node_type;           // QX_NODE_...
  uint8_t phy_count;
  uint8_t phys[QX_LINK_MAX_PHYS];
  uint8_t sas_address[8];
  uint16_t enclosure_id;
  uint8_t reserved58[6];
  uint8_t adapter_id;
  uint8_t reserved65;
  uint8_t type_bits;           // plain form: QX_PD_TYPE_...
  uint8_t pio_modes;           // QX_NO_TRANSFER_MODE = none
  uint8_t mdma_modes;
  uint8_t udma_modes;
  uint8_t link_bits;           // extended form: QX_PD_LINK_...
  uint8_t device_type;         // extended form: QX_DEVICE_...
  uint32_t capabilities;       // QX_PD_CAP_...
  char model[40];
  char serial[20];
  char firmware[8];
  uint64_t size_kb;
  uint8_t reserved152[8];
  uint8_t current_pio;
  uint8_t current_mdma;
  uint8_t current_udma;
  uint8_t reserved163;
  uint32_t sector_size;
  uint8_t reserved168;
  uint8_t locate_led;
  uint8_t reserved170[14];
  uint8_t ssd;
  uint8_t reserved185[3];
  char ppid[60];
} QX_PD_INFO;
QX_RECORD_SIZE(QX_PD_INFO, 248);
QX_FIELD_AT(QX_PD_INFO, link_kind, 2);
QX_FIELD_AT(QX_PD_INFO, parent_phy_count, 3);
QX_FIELD_AT(QX_PD_INFO, port, 4);
QX_FIELD_AT(QX_PD_INFO, parent_phys, 4);
QX_FIELD_AT(QX_PD_INFO, parent_sas_address, 12);
QX_FIELD_AT(QX_PD_INFO, pd_id, 36);
QX_FIELD_AT(QX_PD_INFO, node_type, 38);
QX_FIELD_AT(QX_PD_INFO, phy_count, 39);
QX_FIELD_AT(QX_PD_INFO, phys, 40);
QX_FIELD_AT(QX_PD_INFO, sas_address, 48);
QX_FIELD_AT(QX_PD_INFO, enclosure_id, 56);
QX_FIELD_AT(QX_PD_INFO, adapter_id, 64);
QX_FIELD_AT(QX_PD_INFO, type_bits, 66);
QX_FIELD_AT(QX_PD_INFO, pio_modes, 67);
QX_FIELD_AT(QX_PD_INFO, mdma_modes, 68);
QX_FIELD_AT(QX_PD_INFO, udma_modes, 69);
QX_FIELD_AT(QX_PD_INFO, link_bits, 70);
QX_FIELD_AT(QX_PD_INFO, device_type, 71);
QX_FIELD_AT(QX_PD_INFO, capabilities, 72);
QX_FIELD_AT(QX_PD_INFO, model, 76);
QX_FIELD_AT(QX_PD_INFO, serial, 116);
QX_FIELD_AT(QX_PD_INFO, firmware, 136);
QX_FIELD_AT(QX_PD_INFO, size_kb, 144);
QX_FIELD_AT(QX_PD_INFO, current_pio, 160);
QX_FIELD_AT(QX_PD_INFO, current_mdma, 161);
QX_FIELD_AT(QX_PD_INFO, current_udma, 162);
QX_FIELD_AT(QX_PD_INFO, sector_size, 164);
QX_FIELD_AT(QX_PD_INFO, locate_led, 169);
QX_FIELD_AT(QX_PD_INFO, ssd, 184);
QX_FIELD_AT(QX_PD_INFO, ppid, 188);

// PD configuration (QX_PD_GetConfig, QX_PD_SetConfig).
enum {  // PD link speed codes
  QX_PD_SPEED_1G5 = 1,
  QX_PD_SPEED_3G = 2,
  QX_PD_SPEED_6G = 3,
  QX_PD_SPEED_12G = 4,
};
typedef struct QX_PD_CONFIG {
  uint8_t write_cache;         // 1 = on
  uint8_t smart;               // 1 = on
  uint8_t reserved2;
  uint8_t link_speed;          // QX_PD_SPEED_...
  uint8_t reserved4[2];
  uint16_t pd_id;
} QX_PD_CONFIG;
QX_RECORD_SIZE(QX_PD_CONFIG, 8);
QX_FIELD_AT(QX_PD_CONFIG, smart, 1);
QX_FIELD_AT(QX_PD_CONFIG, link_speed, 3);
QX_FIELD_AT(QX_PD_CONFIG, pd_id, 6);

// PD RAID status (QX_PD_GetHDRaidStatus). The flag bits as every reader
// sees them:
//   0x01 free: holds no space of any VD or array and is no spare;
//   0x02 in use: for a member disk, assigned to a VD or an array; for a
//        spare, the spare is standing in for a failed member;
//   0x04 global spare, 0x40 dedicated spare (of spare_array_id);
//   0x08 offline, 0x20 media patrol runs on the disk, 0x80 foreign.
enum {
  QX_PD_RAID_FREE = 0x01,
  QX_PD_RAID_IN_USE = 0x02,        // member of a VD or array; for a spare: spare in use
  QX_PD_RAID_ASSIGNED = 0x02,      // the same bit, read for a disk that is not a spare
  QX_PD_RAID_SPARE_IN_USE = 0x02,  // the same bit, read for a spare
  QX_PD_RAID_GLOBAL_SPARE = 0x04,
  QX_PD_RAID_OFFLINE = 0x08,
  QX_PD_RAID_MEDIA_PATROL = 0x20,
  QX_PD_RAID_DEDICATED_SPARE = 0x40,
  QX_PD_RAID_FOREIGN = 0x80,
  QX_PD_RAID_ANY_SPARE = QX_PD_RAID_GLOBAL_SPARE | QX_PD_RAID_DEDICATED_SPARE,
  // Flags that keep a disk from becoming a new member of an array.
  QX_PD_RAID_UNUSABLE = QX_PD_RAID_ANY_SPARE | QX_PD_RAID_OFFLINE | QX_PD_RAID_FOREIGN,
};
typedef struct QX_PD_RAID_STATUS {
  uint16_t pd_id;
  uint16_t spare_array_id;     // array a dedicated spare belongs to
  uint8_t flags;               // QX_PD_RAID_...
  uint8_t reserved5[11];
} QX_PD_RAID_STATUS;
QX_RECORD_SIZE(QX_PD_RAID_STATUS, 16);
QX_FIELD_AT(QX_PD_RAID_STATUS, spare_array_id, 2);
QX_FIELD_AT(QX_PD_RAID_STATUS, flags, 4);

// Blocks of one disk (QX_BLK_GetHDBlock). The count is one byte, so the
// record has room for 255 ids and no count can overrun it.
#define QX_HD_BLOCK_MAX 255
#define QX_HD_BLOCK_FIXED_TABLE 16   // entries when block_count is 0
#define QX_HD_BLOCK_UNUSED 0xFFu     // unused entry of the fixed table
typedef struct QX_HD_BLOCK {
  uint16_t pd_id;
  uint8_t reserved2;
  uint8_t block_count;         // 0: fixed table of 16 entries, QX_HD_BLOCK_UNUSED marks an unused one
  uint8_t reserved4[4];
  uint16_t block_ids[QX_HD_BLOCK_MAX];
} QX_HD_BLOCK;
QX_RECORD_SIZE(QX_HD_BLOCK, 518);
QX_FIELD_AT(QX_HD_BLOCK, block_count, 3);
QX_FIELD_AT(QX_HD_BLOCK, block_ids, 8);

// One block carved from a disk (QX_BLK_GetInfo).
enum { QX_BLOCK_OWNED = 0x02 };
#define QX_BLOCK_NO_VD 0xFFu
typedef struct QX_BLOCK_INFO {
  uint16_t block_id;
  uint16_t pd_id;              // disk the block lies on
  uint8_t flags;               // QX_BLOCK_OWNED when a VD owns the block
  uint8_t reserved5;
  uint16_t vd_id;              // QX_BLOCK_NO_VD when free
  uint64_t start_kb;           // offset of the block on its disk
  uint64_t size_kb;
  uint8_t reserved24[8];
} QX_BLOCK_INFO;
QX_RECORD_SIZE(QX_BLOCK_INFO, 32);
QX_FIELD_AT(QX_BLOCK_INFO, pd_id, 2);
QX_FIELD_AT(QX_BLOCK_INFO, flags, 4);
QX_FIELD_AT(QX_BLOCK_INFO, vd_id, 6);
QX_FIELD_AT(QX_BLOCK_INFO, start_kb, 8);
QX_FIELD_AT(QX_BLOCK_INFO, size_kb, 16);

// Free space of one disk (QX_PD_GetFreeSpaceInfo). 16 bytes: the named
// fields end there.
typedef struct QX_FREE_SPACE {
  uint16_t pd_id;
  uint8_t reserved2[2];
  uint16_t block_size;         // sector size of the disk in bytes
  uint8_t reserved6[2];
  uint64_t usable_kb;          // free space a VD or a rebuild can use
} QX_FREE_SPACE;
QX_RECORD_SIZE(QX_FREE_SPACE, 16);
QX_FIELD_AT(QX_FREE_SPACE, block_size, 4);
QX_FIELD_AT(QX_FREE_SPACE, usable_kb, 8);

// Background activity of one disk (QX_PD_GetBGAStatus). 8 bytes: the named
// fields end there.
enum { QX_PD_BGA_MEDIA_PATROL = 1, QX_PD_BGA_DATA_SCRUB = 2 };
enum {
  QX_BGA_NONE = 0,
  QX_BGA_RUNNING = 1,
  QX_BGA_ABORTED = 2,
  QX_BGA_PAUSED = 3,
  QX_BGA_AUTO_PAUSED = 4,
  QX_BGA_INTERRUPTED = 5,
};
typedef struct QX_PD_BGA_STATUS {
  uint16_t pd_id;
  uint16_t percent;
  uint8_t activity;            // QX_PD_BGA_...; 0 none
  uint8_t reserved5;
  uint8_t state;               // QX_BGA_...
  uint8_t reserved7;
} QX_PD_BGA_STATUS;
QX_RECORD_SIZE(QX_PD_BGA_STATUS, 8);
QX_FIELD_AT(QX_PD_BGA_STATUS, percent, 2);
QX_FIELD_AT(QX_PD_BGA_STATUS, activity, 4);
QX_FIELD_AT(QX_PD_BGA_STATUS, state, 6);

// File-system flags of disks (QX_PD_GetMBRInfo): the caller fills the count
// and the ids, the library the flags.
#define QX_MAX_CREATE_PDS 128
typedef struct QX_MBR_INFO {
  uint8_t count;
  uint8_t reserved1[7];
  uint16_t pd_ids[QX_MAX_CREATE_PDS];
  uint8_t has_file_system[QX_MAX_CREATE_PDS];
} QX_MBR_INFO;
QX_RECORD_SIZE(QX_MBR_INFO, 392);
QX_FIELD_AT(QX_MBR_INFO, pd_ids, 8);
QX_FIELD_AT(QX_MBR_INFO, has_file_system, 264);

// SMART data of one disk (QX_PD_GET_SMART_INFO).
#define QX_SMART_STATUS_OK 'O'
enum { QX_SMART_MAX_ATTRIBUTES = 30 };
typedef struct QX_SMART_ATTRIBUTE {
  uint8_t id;
  char name[66];               // NUL-terminated
  uint8_t current;
  uint8_t worst;
  uint8_t raw[6];              // least significant byte first
  uint8_t threshold;
  uint8_t reserved76[4];
} QX_SMART_ATTRIBUTE;
QX_RECORD_SIZE(QX_SMART_ATTRIBUTE, 80);
QX_FIELD_AT(QX_SMART_ATTRIBUTE, name, 1);
QX_FIELD_AT(QX_SMART_ATTRIBUTE, current, 67);
QX_FIELD_AT(QX_SMART_ATTRIBUTE, worst, 68);
QX_FIELD_AT(QX_SMART_ATTRIBUTE, raw, 69);
QX_FIELD_AT(QX_SMART_ATTRIBUTE, threshold, 75);

typedef struct QX_SMART_INFO {
  uint8_t status;              // QX_SMART_STATUS_OK, anything else: not OK
  uint8_t reserved1;
  uint16_t attribute_count;
  QX_SMART_ATTRIBUTE attributes[QX_SMART_MAX_ATTRIBUTES];
} QX_SMART_INFO;
QX_RECORD_SIZE(QX_SMART_INFO, 2404);
QX_FIELD_AT(QX_SMART_INFO, attribute_count, 2);
QX_FIELD_AT(QX_SMART_INFO, attributes, 4);

// Error table of one disk (QX_PD_RCT_GetCount, QX_PD_GetRCT).
enum {
  QX_RCT_READ_ERROR = 1u << 0,
  QX_RCT_WRITE_ERROR = 1u << 1,
  QX_RCT_MEDIA_ERROR = 1u << 3,
  QX_RCT_LOGICAL_ERROR = 1u << 4,
};
typedef struct QX_RCT_ENTRY {
  uint64_t lba;
  uint32_t sectors;            // 0: empty entry
  uint8_t errors;              // QX_RCT_...
  uint8_t reserved13[3];
} QX_RCT_ENTRY;
QX_RECORD_SIZE(QX_RCT_ENTRY, 16);
QX_FIELD_AT(QX_RCT_ENTRY, sectors, 8);
QX_FIELD_AT(QX_RCT_ENTRY, errors, 12);

enum {  // PD states (QX_PD_SetHDStatus)
  QX_PD_SET_ONLINE = 0,
  QX_PD_SET_OFFLINE = 1,
  QX_PD_SET_FORCED_OFFLINE = 2,
};
enum {  // object kinds of QX_DiskHasOS
  QX_OS_CHECK_VDS = 0,
  QX_OS_CHECK_PDS = 1,
};

// Force-online request (QX_AES_ForcePDOnline): zero but for the command byte.
enum { QX_FORCE_ONLINE_COMMAND = 32 };
#define QX_FORCE_ONLINE_NO_PERCENTAGE 100u  // percentage code when none was chosen
typedef struct QX_FORCE_ONLINE {
  uint8_t reserved0;
  uint8_t command;             // QX_FORCE_ONLINE_COMMAND
  uint8_t reserved2[38];
} QX_FORCE_ONLINE;
QX_RECORD_SIZE(QX_FORCE_ONLINE, 40);
QX_FIELD_AT(QX_FORCE_ONLINE, command, 1);

// ---------------------------------------------------------------------------
// Virtual disks.
enum {
  QX_RAID0 = 0x00,
  QX_RAID1 = 0x01,
  QX_RAID5 = 0x05,
  QX_RAID6 = 0x06,
  QX_TIER_CAPACITY = 10,
  QX_TIER_SAFE = 11,
  QX_TIER_HYBRID = 12,
  QX_JBOD = 0x0F,
  QX_RAID10 = 0x10,
  QX_RAID1E = 0x11,
  QX_RAID50 = 0x50,
  QX_RAID60 = 0x60,
};
enum {
  QX_VD_FUNCTIONAL = 0,
  QX_VD_DEGRADED = 1,
  QX_VD_DELETED = 2,
  QX_VD_OFFLINE = 4,
  QX_VD_PARTIALLY_OPTIMAL = 5,
  QX_VD_FOREIGN = 6,
  QX_VD_IMPORTABLE_FOREIGN = 7,
  QX_VD_NOT_IMPORTABLE_FOREIGN = 8,
  QX_VD_CONFLICTED = 11,
  QX_VD_PLUGIN_CONFLICTED = 12,
  QX_VD_USING_TABLE = 14,
  QX_VD_FUNCTIONAL_INITIALIZED = 15,
};
enum {  // kinds of VD and array background activity
  QX_BGA_REBUILD = 0x01,
  QX_BGA_SYNCHRONIZE = 0x02,
  QX_BGA_REDUNDANCY_CHECK = 0x04,
  QX_BGA_INIT_FOREGROUND = 0x08,
  QX_BGA_INIT_BACKGROUND = 0x10,
  QX_BGA_MIGRATION = 0x20,
  QX_BGA_INIT_QUICK = 0x40,
  QX_BGA_COPY_BACK = 0x80,
};
enum {  // action codes of QX_LD_BGAControl, QX_DG_BGAControl, QX_PD_BGAControl
  QX_BGA_ACTION_START = 0,     // never sent: each activity has its own start call
  QX_BGA_ACTION_PAUSE = 2,
  QX_BGA_ACTION_RESUME = 3,
  QX_BGA_ACTION_STOP = 4,
  QX_BGA_ACTION_CANCEL = 7,    // QX_LD_BGAControl before a delete: end whatever runs
};
#define QX_VD_BLOCK_SLOTS 128
#define QX_VD_FIXED_BLOCK_TABLE 16   // entries when block_count is 0
#define QX_VD_BLOCK_EMPTY 0xFFFFu    // empty entry when block_count is not 0; 0xFF in the fixed table

typedef struct QX_VD_INFO {
  uint16_t vd_id;
  uint8_t state;               // QX_VD_...
  uint8_t bga_state;           // QX_BGA_NONE ... QX_BGA_INTERRUPTED
  uint16_t stripe_kb;
  uint8_t raid_level;          // QX_RAID...
  uint8_t pd_count;
  uint8_t cache_flags;         // bits 0, 1, 3: 0 cache on, 1 cache off
  uint8_t reserved9[8];
  uint8_t byte17;              // copied into migration requests
  uint8_t reserved18;
  uint8_t block_count;         // 0: fixed table of 16 entries, 255 marks an empty one
  uint16_t last_write_high;
  uint16_t array_id;
  uint64_t size_kb;
  char name[16];
  uint16_t block_ids[QX_VD_BLOCK_SLOTS];
  uint8_t sub_vd_count;        // RAID50, RAID60
  uint8_t parity_disks;        // RAID60 parity disks, RAID6 redundancy
  uint16_t last_write_low;
  uint8_t reserved308[4];
} QX_VD_INFO;
QX_RECORD_SIZE(QX_VD_INFO, 312);
QX_FIELD_AT(QX_VD_INFO, state, 2);
QX_FIELD_AT(QX_VD_INFO, bga_state, 3);
QX_FIELD_AT(QX_VD_INFO, stripe_kb, 4);
QX_FIELD_AT(QX_VD_INFO, raid_level, 6);
QX_FIELD_AT(QX_VD_INFO, pd_count, 7);
QX_FIELD_AT(QX_VD_INFO, cache_flags, 8);
QX_FIELD_AT(QX_VD_INFO, byte17, 17);
QX_FIELD_AT(QX_VD_INFO, block_count, 19);
QX_FIELD_AT(QX_VD_INFO, last_write_high, 20);
QX_FIELD_AT(QX_VD_INFO, array_id, 22);
QX_FIELD_AT(QX_VD_INFO, size_kb, 24);
QX_FIELD_AT(QX_VD_INFO, name, 32);
QX_FIELD_AT(QX_VD_INFO, block_ids, 48);
QX_FIELD_AT(QX_VD_INFO, sub_vd_count, 304);
QX_FIELD_AT(QX_VD_INFO, parity_disks, 305);
QX_FIELD_AT(QX_VD_INFO, last_write_low, 306);

// Status of one VD (QX_LD_GetStatus).
enum { QX_VD_STATUS_MEDIA_PATROL = 0x02 };
typedef struct QX_VD_STATUS {
  uint8_t state;               // QX_VD_...
  uint8_t bga_type;            // QX_BGA_REBUILD ...; 0 none
  uint16_t percent;
  uint8_t bga_state;           // QX_BGA_RUNNING ...
  uint8_t flags;               // QX_VD_STATUS_MEDIA_PATROL: a member disk runs media patrol
  uint8_t reserved6[2];
} QX_VD_STATUS;
QX_RECORD_SIZE(QX_VD_STATUS, 8);
QX_FIELD_AT(QX_VD_STATUS, bga_type, 1);
QX_FIELD_AT(QX_VD_STATUS, percent, 2);
QX_FIELD_AT(QX_VD_STATUS, bga_state, 4);
QX_FIELD_AT(QX_VD_STATUS, flags, 5);

// VD configuration (QX_LD_GetConfig, QX_LD_SetConfig).
enum {  // cache-policy codes in cache_flags & QX_VD_CACHE_POLICY_MASK
  QX_VD_CACHE_WRITE_BACK = 0,      // cache on; with the hybrid switch: restore off
  QX_VD_CACHE_WRITE_THROUGH = 1,   // cache off; with the hybrid switch: restore on
  QX_VD_CACHE_AUTO = 8,
  QX_VD_CACHE_POLICY_MASK = 0x0B,
  QX_VD_CACHE_READ_AHEAD = 0x04,
};
typedef struct QX_VD_CONFIG {
  uint8_t cache_flags;         // policy code (QX_VD_CACHE_POLICY_MASK) | QX_VD_CACHE_READ_AHEAD
  uint8_t reserved1[3];
  uint16_t vd_id;
  uint8_t restore_companion;   // set to 1 with restore on, on adapters with intelligent init
  uint8_t reserved7;
  char name[16];               // NUL-terminated
} QX_VD_CONFIG;
QX_RECORD_SIZE(QX_VD_CONFIG, 24);
QX_FIELD_AT(QX_VD_CONFIG, vd_id, 4);
QX_FIELD_AT(QX_VD_CONFIG, restore_companion, 6);
QX_FIELD_AT(QX_VD_CONFIG, name, 8);

// Request of QX_LD_Create; also of QX_LD_GetMaxSize, which answers the
// largest possible size, in KB, in size_mb.
enum {
  QX_ROUNDING_NONE = 0,
  QX_ROUNDING_1GB = 1,
  QX_ROUNDING_10GB = 2,
};
enum {
  QX_CACHE_WRITE_THROUGH = 1u << 0,
  QX_CACHE_READ_AHEAD = 1u << 2,
  QX_CACHE_AUTO = 1u << 3,         // VDs on arrays only
};
enum {
  QX_INIT_QUICK = 0,
  QX_INIT_FOREGROUND = 1,          // VDs on arrays only
  QX_INIT_BACKGROUND = 2,
  QX_INIT_NONE = 3,
  QX_INIT_INTELLIGENT = 5,
};
#define QX_TIER_MARKER 90u
#define QX_NAME_SIZE 16
typedef struct QX_CREATE_VD_REQUEST {
  uint8_t raid_level;
  uint8_t pd_count;
  uint8_t rounding;            // QX_ROUNDING_...
  uint8_t reserved3;
  uint16_t stripe_kb;
  uint8_t parity_disks;
  uint8_t cache_policy;        // QX_CACHE_...
  uint8_t init_mode;           // QX_INIT_...
  uint8_t always_one;
  uint8_t reserved10[3];
  uint8_t tier_marker;         // QX_TIER_MARKER for the hybrid-tier levels
  uint8_t reserved14;
  uint8_t force_size;
  uint16_t pd_ids[QX_MAX_CREATE_PDS];
  char name[QX_NAME_SIZE];
  uint64_t size_mb;            // 0: all available space
} QX_CREATE_VD_REQUEST;
QX_RECORD_SIZE(QX_CREATE_VD_REQUEST, 296);
QX_FIELD_AT(QX_CREATE_VD_REQUEST, rounding, 2);
QX_FIELD_AT(QX_CREATE_VD_REQUEST, stripe_kb, 4);
QX_FIELD_AT(QX_CREATE_VD_REQUEST, parity_disks, 6);
QX_FIELD_AT(QX_CREATE_VD_REQUEST, cache_policy, 7);
QX_FIELD_AT(QX_CREATE_VD_REQUEST, init_mode, 8);
QX_FIELD_AT(QX_CREATE_VD_REQUEST, always_one, 9);
QX_FIELD_AT(QX_CREATE_VD_REQUEST, tier_marker, 13);
QX_FIELD_AT(QX_CREATE_VD_REQUEST, force_size, 15);
QX_FIELD_AT(QX_CREATE_VD_REQUEST, pd_ids, 16);
QX_FIELD_AT(QX_CREATE_VD_REQUEST, name, 272);
QX_FIELD_AT(QX_CREATE_VD_REQUEST, size_mb, 288);

// Migration of a VD (QX_LD_GetMigratedLdSize, QX_LD_StartMigration). It
// has the create request's size and shares its level, count, parity, ids
// and size fields; bytes 9 to 11 differ.
enum { QX_MAX_MIGRATE_PDS = 128 };
typedef struct QX_VD_MIGRATION_REQUEST {
  uint8_t raid_level;          // target level
  uint8_t pd_count;
  uint8_t reserved2[4];
  uint8_t parity_disks;        // RAID6, RAID60
  uint8_t reserved7[2];
  uint8_t vd_byte17;           // byte17 of the VD's information record
  uint16_t vd_id;
  uint8_t reserved12[4];
  uint16_t pd_ids[QX_MAX_MIGRATE_PDS];
  uint8_t reserved272[16];
  uint64_t size_kb;            // answer: the size the VD would have, in KB
} QX_VD_MIGRATION_REQUEST;
QX_RECORD_SIZE(QX_VD_MIGRATION_REQUEST, 296);
QX_FIELD_AT(QX_VD_MIGRATION_REQUEST, pd_count, 1);
QX_FIELD_AT(QX_VD_MIGRATION_REQUEST, parity_disks, 6);
QX_FIELD_AT(QX_VD_MIGRATION_REQUEST, vd_byte17, 9);
QX_FIELD_AT(QX_VD_MIGRATION_REQUEST, vd_id, 10);
QX_FIELD_AT(QX_VD_MIGRATION_REQUEST, pd_ids, 16);
QX_FIELD_AT(QX_VD_MIGRATION_REQUEST, size_kb, 288);

enum { QX_INIT_FULL = 2 };            // mode of QX_LD_StartINIT
enum {                                // fix flag of QX_LD_StartConsistencyCheck
  QX_CHECK_ONLY = 0,
  QX_CHECK_AND_FIX = 1,
};
enum {                                // delete flag of QX_LD_Delete
  QX_DELETE_OFFLINE_OR_FOREIGN = 0,   // the VD is offline or foreign: nothing to stop
  QX_DELETE_LIVE = 1,
};

// VD-to-PD link of a hybrid-tier VD (QX_VDHDD_AddLink).
#define QX_NO_LINKED_PD 0xFFFFu
typedef struct QX_VD_PD_LINK {
  uint16_t vd_id;
  uint16_t pd_id;              // QX_NO_LINKED_PD: none given
} QX_VD_PD_LINK;
QX_RECORD_SIZE(QX_VD_PD_LINK, 4);
QX_FIELD_AT(QX_VD_PD_LINK, pd_id, 2);

// ---------------------------------------------------------------------------
// Arrays.
#define QX_NEW_ID 0xFFFFu             // id field of a create request
#define QX_NO_SLOT 0xFFu
#define QX_FREE_SLOT 0xFFFFu
enum {
  QX_ARRAY_MAX_PDS = 128,
  QX_ARRAY_MAX_SLOTS = 32,
};

// Array information (QX_DG_GetInfo). Sized 688 bytes. The member list at 60
// ends before the slot count at 319, which leaves room for 128 ids; the slot
// table at 576 ends before the activity at 660, which leaves room for 42
// slots, of which 32 are used. The id and name at 0 and 4 are placed as in
// the array request.
typedef struct QX_ARRAY_INFO {
  uint16_t array_id;
  uint8_t reserved2[2];
  char name[QX_NAME_SIZE];
  uint8_t raid_level;
  uint8_t byte21;              // copied into VD requests
  uint8_t parity_disks;
  uint8_t reserved23[3];
  uint16_t stripe_kb;
  uint32_t sector_size;        // block size of the member disks
  uint8_t reserved32[8];
  uint64_t free_kb;
  uint64_t rebuild_kb;         // free space a rebuild target must offer
  uint8_t reserved56;
  uint8_t media_patrol;        // non-zero: media patrol runs on a member
  uint8_t reserved58;
  uint8_t pd_count;
  uint16_t pd_ids[QX_ARRAY_MAX_PDS];
  uint8_t reserved316[3];
  uint8_t slot_count;
  uint8_t reserved320[256];
  uint16_t slot_vd_ids[QX_ARRAY_MAX_SLOTS];  // QX_FREE_SLOT when free
  uint8_t reserved640[20];
  uint16_t bga_type;           // QX_BGA_REBUILD ...; 0 none
  uint8_t bga_state;           // QX_BGA_...
  uint8_t reserved663[25];
} QX_ARRAY_INFO;
QX_RECORD_SIZE(QX_ARRAY_INFO, 688);
QX_FIELD_AT(QX_ARRAY_INFO, name, 4);
QX_FIELD_AT(QX_ARRAY_INFO, raid_level, 20);
QX_FIELD_AT(QX_ARRAY_INFO, byte21, 21);
QX_FIELD_AT(QX_ARRAY_INFO, parity_disks, 22);
QX_FIELD_AT(QX_ARRAY_INFO, stripe_kb, 26);
QX_FIELD_AT(QX_ARRAY_INFO, sector_size, 28);
QX_FIELD_AT(QX_ARRAY_INFO, free_kb, 40);
QX_FIELD_AT(QX_ARRAY_INFO, rebuild_kb, 48);
QX_FIELD_AT(QX_ARRAY_INFO, media_patrol, 57);
QX_FIELD_AT(QX_ARRAY_INFO, pd_count, 59);
QX_FIELD_AT(QX_ARRAY_INFO, pd_ids, 60);
QX_FIELD_AT(QX_ARRAY_INFO, slot_count, 319);
QX_FIELD_AT(QX_ARRAY_INFO, slot_vd_ids, 576);
QX_FIELD_AT(QX_ARRAY_INFO, bga_type, 660);
QX_FIELD_AT(QX_ARRAY_INFO, bga_state, 662);

// Array configuration (QX_DG_GetConfig, QX_DG_SetConfig).
typedef struct QX_ARRAY_CONFIG {
  uint16_t array_id;
  uint8_t write_cache;         // 1 = on
  uint8_t reserved3;
  char name[QX_NAME_SIZE];     // NUL-padded
  uint8_t reserved20[12];
} QX_ARRAY_CONFIG;
QX_RECORD_SIZE(QX_ARRAY_CONFIG, 32);
QX_FIELD_AT(QX_ARRAY_CONFIG, write_cache, 2);
QX_FIELD_AT(QX_ARRAY_CONFIG, name, 4);

// Array request (QX_CreateOrModify_DG, QX_DG_StartMigration). Creation
// fills everything; a migration request leaves name and init_mode zero and
// copies stripe_kb and sector_size from the array.
enum { QX_ARRAY_REQUEST_MAX_PDS = 192 };
enum {  // mode of QX_CreateOrModify_DG
  QX_DG_CREATE = 0,
  QX_DG_SIZE_ONLY = 1,   // only compute the size: of a new array, or of an array after migration
};
typedef struct QX_ARRAY_REQUEST {
  uint16_t array_id;           // QX_NEW_ID to create; the answer holds the new id
  uint8_t reserved2[2];
  char name[QX_NAME_SIZE];
  uint8_t raid_level;
  uint8_t reserved21;
  uint8_t parity_disks;
  uint8_t reserved23[7];
  uint16_t stripe_kb;
  uint64_t size;               // MB on input (0: all space); KB in the answer
  uint32_t sector_size;
  uint8_t init_mode;           // QX_INIT_...
  uint8_t reserved45[2];
  uint8_t pd_count;
  uint16_t pd_ids[QX_ARRAY_REQUEST_MAX_PDS];
} QX_ARRAY_REQUEST;
QX_RECORD_SIZE(QX_ARRAY_REQUEST, 432);
QX_FIELD_AT(QX_ARRAY_REQUEST, name, 4);
QX_FIELD_AT(QX_ARRAY_REQUEST, raid_level, 20);
QX_FIELD_AT(QX_ARRAY_REQUEST, parity_disks, 22);
QX_FIELD_AT(QX_ARRAY_REQUEST, stripe_kb, 30);
QX_FIELD_AT(QX_ARRAY_REQUEST, size, 32);
QX_FIELD_AT(QX_ARRAY_REQUEST, sector_size, 40);
QX_FIELD_AT(QX_ARRAY_REQUEST, init_mode, 44);
QX_FIELD_AT(QX_ARRAY_REQUEST, pd_count, 47);
QX_FIELD_AT(QX_ARRAY_REQUEST, pd_ids, 48);

// VD on an array (QX_CreateOrModify_VD).
typedef struct QX_ARRAY_VD_REQUEST {
  uint16_t vd_id;              // QX_NEW_ID; the answer holds the new id
  uint16_t array_id;
  char name[QX_NAME_SIZE];
  uint8_t raid_level;
  uint8_t array_byte21;        // byte21 of the array's information record
  uint8_t parity_disks;
  uint8_t slot;                // QX_NO_SLOT: the library picks one
  uint8_t reserved24[6];
  uint16_t stripe_kb;
  uint64_t size_mb;            // 0: all free space
  uint8_t rounding;            // QX_ROUNDING_...
  uint8_t cache_policy;        // QX_CACHE_...
  uint8_t init_mode;           // QX_INIT_...
  uint8_t always_one;
  uint32_t sector_size;
  uint8_t reserved48[256];
} QX_ARRAY_VD_REQUEST;
QX_RECORD_SIZE(QX_ARRAY_VD_REQUEST, 304);
QX_FIELD_AT(QX_ARRAY_VD_REQUEST, array_id, 2);
QX_FIELD_AT(QX_ARRAY_VD_REQUEST, name, 4);
QX_FIELD_AT(QX_ARRAY_VD_REQUEST, raid_level, 20);
QX_FIELD_AT(QX_ARRAY_VD_REQUEST, array_byte21, 21);
QX_FIELD_AT(QX_ARRAY_VD_REQUEST, parity_disks, 22);
QX_FIELD_AT(QX_ARRAY_VD_REQUEST, slot, 23);
QX_FIELD_AT(QX_ARRAY_VD_REQUEST, stripe_kb, 30);
QX_FIELD_AT(QX_ARRAY_VD_REQUEST, size_mb, 32);
QX_FIELD_AT(QX_ARRAY_VD_REQUEST, rounding, 40);
QX_FIELD_AT(QX_ARRAY_VD_REQUEST, cache_policy, 41);
QX_FIELD_AT(QX_ARRAY_VD_REQUEST, init_mode, 42);
QX_FIELD_AT(QX_ARRAY_VD_REQUEST, always_one, 43);
QX_FIELD_AT(QX_ARRAY_VD_REQUEST, sector_size, 44);

// An array and one VD on it in one request (QX_Create_PackageVD).
typedef struct QX_PACKAGE_VD_REQUEST {
  QX_ARRAY_VD_REQUEST vd;      // vd_id QX_NEW_ID; array_id and slot 0
  QX_ARRAY_REQUEST array;
} QX_PACKAGE_VD_REQUEST;
QX_RECORD_SIZE(QX_PACKAGE_VD_REQUEST, 736);
QX_FIELD_AT(QX_PACKAGE_VD_REQUEST, array, 304);

// Rebuild of an array onto new disks (QX_LD_DG_StartRebuild).
enum { QX_REBUILD_MAX_PDS = 160 };
enum { QX_REBUILD_ARRAY = 2 };
typedef struct QX_REBUILD_REQUEST {
  uint16_t array_id;
  uint8_t kind;                // QX_REBUILD_ARRAY
  uint8_t pd_count;
  uint8_t reserved4[4];
  uint16_t pd_ids[QX_REBUILD_MAX_PDS];
} QX_REBUILD_REQUEST;
QX_RECORD_SIZE(QX_REBUILD_REQUEST, 328);
QX_FIELD_AT(QX_REBUILD_REQUEST, kind, 2);
QX_FIELD_AT(QX_REBUILD_REQUEST, pd_count, 3);
QX_FIELD_AT(QX_REBUILD_REQUEST, pd_ids, 8);

enum {  // data protection of QX_LD_DG_QuickCreate
  QX_QUICK_CREATE_UNPROTECTED = 0,
  QX_QUICK_CREATE_PROTECTED = 1,
};

// ---------------------------------------------------------------------------
// Battery backup unit (QX_BBU_GetInfo). Only the presence word is read;
// 16 bytes leave the library room for the state it keeps.
typedef struct QX_BBU_INFO {
  uint32_t present;            // non-zero when a battery is present
  uint8_t reserved4[12];
} QX_BBU_INFO;
QX_RECORD_SIZE(QX_BBU_INFO, 16);

enum {  // actions of QX_BBU_ChangePower
  QX_BBU_RELEARN = 0,
  QX_BBU_CHARGE = 1,
  QX_BBU_DISCHARGE = 2,
  QX_BBU_STOP = 3,
};

// ---------------------------------------------------------------------------
// Event log record (QX_EVT_GetEvent).
enum {
  QX_EVT_CLASS_ADAPTER = 0,
  QX_EVT_CLASS_VD = 1,
  QX_EVT_CLASS_PD = 2,
  QX_EVT_CLASS_PM = 3,
  QX_EVT_CLASS_EXPANDER = 4,
  QX_EVT_CLASS_RMD = 5,
  QX_EVT_CLASS_BSL = 6,
  QX_EVT_CLASS_SAS = 7,
  QX_EVT_CLASS_ENCLOSURE = 8,
  QX_EVT_CLASS_BATTERY = 9,
  QX_EVT_CLASS_FLASH = 10,
  QX_EVT_CLASS_CACHE = 11,
  QX_EVT_CLASS_MISC = 12,
  QX_EVT_CLASS_ARRAY = 13,
  QX_EVT_CLASS_ENVIRONMENT = 15,
};
enum {
  QX_SEVERITY_UNKNOWN = 0,
  QX_SEVERITY_OTHER = 1,
  QX_SEVERITY_INFO = 2,
  QX_SEVERITY_WARNING = 3,
  QX_SEVERITY_MINOR = 4,
  QX_SEVERITY_MAJOR = 5,
  QX_SEVERITY_CRITICAL = 6,
  QX_SEVERITY_FATAL = 7,
};
enum {
  QX_EVT_MAX_EVENTS = 64,          // records one QX_EVT_GetEvent asks for
  QX_EVT_SENSE_MAX = 30,
  QX_EVT_TIER_VD = 1,              // class 1: params[3] of a TwinTier VD's event
};
#define QX_EVT_BOOT_TIME_LIMIT 157680000u  // times up to this count from boot
typedef struct QX_EVENT {
  uint16_t event_class;
  uint16_t code;
  uint32_t time;               // seconds; up to QX_EVT_BOOT_TIME_LIMIT they count from boot
  uint16_t device_id;
  uint8_t severity;            // QX_SEVERITY_...
  uint8_t adapter_number;
  uint32_t sequence;           // 0 in an empty slot
  union {
    uint32_t params[4];
    char name[16];             // class 1 code 3 with params[0] non-zero: the deleted VD's name
  };
  uint8_t sense_length;        // class 0 code 9: non-zero when sense holds the serial number
  uint8_t reserved33;
  uint8_t sense[QX_EVT_SENSE_MAX];  // sense bytes, or class 0 code 9 the serial number text
} QX_EVENT;
QX_RECORD_SIZE(QX_EVENT, 64);
QX_FIELD_AT(QX_EVENT, code, 2);
QX_FIELD_AT(QX_EVENT, time, 4);
QX_FIELD_AT(QX_EVENT, device_id, 8);
QX_FIELD_AT(QX_EVENT, severity, 10);
QX_FIELD_AT(QX_EVENT, adapter_number, 11);
QX_FIELD_AT(QX_EVENT, sequence, 12);
QX_FIELD_AT(QX_EVENT, params, 16);
QX_FIELD_AT(QX_EVENT, name, 16);
QX_FIELD_AT(QX_EVENT, sense_length, 32);
QX_FIELD_AT(QX_EVENT, sense, 34);

// ---------------------------------------------------------------------------
// Flash images.
enum {  // image types
  QX_IMAGE_CONFIG = 0,
  QX_IMAGE_BIN = 1,
  QX_IMAGE_BIOS = 2,
  QX_IMAGE_FIRMWARE = 3,
  QX_IMAGE_AUTOLOAD = 4,
  QX_IMAGE_NVSRAM = 5,
  QX_IMAGE_RAW = 6,
  QX_IMAGE_RAW_HBA = 7,
  QX_IMAGE_RAW_FILES = 8,
  QX_IMAGE_FW_BACKUP = 9,
};
enum {  // actions of QX_Flash_Bin
  QX_FLASH_ERASE = 1,
  QX_FLASH_UPDATE = 15,        // write one page to the adapter
  QX_FLASH_BACKUP = 240,       // read one page from the adapter
};
enum {  // pages of QX_Flash_Erase
  QX_FLASH_PAGE_PD = 1,        // keeps the entries of PD ids in use
  QX_FLASH_PAGE_PD_FORCE = 254,
};

// Version header of an image file (QX_Flash_GetHeaderInfo2).
typedef struct QX_FLASH_HEADER {
  uint16_t major;
  uint16_t minor;
  uint16_t revision;
  uint16_t build;
  uint8_t image_type;          // QX_IMAGE_...
  uint8_t reserved9;
  uint16_t device_id;          // 0: not stated
  uint16_t sub_device_id;      // compared with the subsystem id; 0: not stated
  uint16_t sub_vendor_id;      // compared with the subsystem vendor id; 0: not stated
} QX_FLASH_HEADER;
QX_RECORD_SIZE(QX_FLASH_HEADER, 16);
QX_FIELD_AT(QX_FLASH_HEADER, revision, 4);
QX_FIELD_AT(QX_FLASH_HEADER, build, 6);
QX_FIELD_AT(QX_FLASH_HEADER, image_type, 8);
QX_FIELD_AT(QX_FLASH_HEADER, device_id, 10);
QX_FIELD_AT(QX_FLASH_HEADER, sub_device_id, 12);
QX_FIELD_AT(QX_FLASH_HEADER, sub_vendor_id, 14);

// The header in front of every image file the simulated controller reads and
// writes: the library's own format, not the command's business. The header
// CRC covers bytes 0 to 43; the payload CRC covers the payload that follows
// the header. CRCs are the standard CRC-32 (api/crc32.h).
#define QX_IMAGE_SIGNATURE "QXIMAGE"
enum { QX_IMAGE_HEADER_VERSION = 1 };
typedef struct QX_IMAGE_FILE_HEADER {
  char signature[8];           // QX_IMAGE_SIGNATURE with its NUL
  uint16_t header_version;     // QX_IMAGE_HEADER_VERSION
  uint16_t header_length;      // sizeof(QX_IMAGE_FILE_HEADER)
  uint8_t image_type;          // QX_IMAGE_...
  uint8_t reserved13[3];
  uint16_t major;
  uint16_t minor;
  uint16_t revision;
  uint16_t build;
  uint16_t device_id;          // 0: fits any device
  uint16_t sub_device_id;      // 0: fits any subsystem
  uint16_t sub_vendor_id;      // 0: fits any subsystem vendor
  uint16_t reserved30;
  uint32_t payload_length;
  uint32_t payload_crc;
  uint8_t reserved40[4];
  uint32_t header_crc;
} QX_IMAGE_FILE_HEADER;
QX_RECORD_SIZE(QX_IMAGE_FILE_HEADER, 48);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, header_version, 8);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, header_length, 10);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, image_type, 12);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, major, 16);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, build, 22);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, device_id, 24);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, sub_device_id, 26);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, sub_vendor_id, 28);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, payload_length, 32);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, payload_crc, 36);
QX_FIELD_AT(QX_IMAGE_FILE_HEADER, header_crc, 44);

// Announcement of an update (QX_Flash_PreData).
typedef struct QX_FLASH_PRE_DATA {
  uint8_t image_type;          // QX_IMAGE_...
  uint8_t reserved1[3];
  uint32_t file_size;
} QX_FLASH_PRE_DATA;
QX_RECORD_SIZE(QX_FLASH_PRE_DATA, 8);
QX_FIELD_AT(QX_FLASH_PRE_DATA, file_size, 4);

// One page of an image (QX_Flash_Bin).
#define QX_FLASH_PAGE_SIZE 32768
typedef struct QX_FLASH_PAGE {
  uint32_t length;             // data bytes in this page
  uint16_t page_number;        // counted from 0
  uint8_t last_page;           // 1 on the last page
  uint8_t reserved7[5];
  uint8_t data[QX_FLASH_PAGE_SIZE];
} QX_FLASH_PAGE;
QX_RECORD_SIZE(QX_FLASH_PAGE, 12 + QX_FLASH_PAGE_SIZE);
QX_FIELD_AT(QX_FLASH_PAGE, page_number, 4);
QX_FIELD_AT(QX_FLASH_PAGE, last_page, 6);
QX_FIELD_AT(QX_FLASH_PAGE, data, 12);

// ---------------------------------------------------------------------------
// AES encryption entries and ports. Keys and passwords are 32-byte fields,
// zero-padded, not NUL-terminated when all 32 bytes are used.
#define QX_AES_TEXT_SIZE 32
#define QX_AES_NO_ENTRY 0xFFu
enum { QX_AES_INFO_PAIRS = 10 };

// One entry's key and password: the record behind the query header of
// QX_AES_GetEntryConfig (the caller fills the password, the library the id
// and key length) and the request of QX_AES_SetEntryConfig and
// QX_AES_VerifyKey.
typedef struct QX_AES_ENTRY_CONFIG {
  uint8_t entry_id;
  uint8_t key_length;          // QX_AES_TEXT_SIZE in requests
  uint8_t reserved2[6];
  char key[QX_AES_TEXT_SIZE];
  char password[QX_AES_TEXT_SIZE];
} QX_AES_ENTRY_CONFIG;
QX_RECORD_SIZE(QX_AES_ENTRY_CONFIG, 72);
QX_FIELD_AT(QX_AES_ENTRY_CONFIG, key_length, 1);
QX_FIELD_AT(QX_AES_ENTRY_CONFIG, key, 8);
QX_FIELD_AT(QX_AES_ENTRY_CONFIG, password, 40);

// Password change of an entry (QX_AES_ChangePwd).
typedef struct QX_AES_PASSWORD_CHANGE {
  uint8_t entry_id;
  uint8_t reserved1[7];
  char old_password[QX_AES_TEXT_SIZE];
  char new_password[QX_AES_TEXT_SIZE];
} QX_AES_PASSWORD_CHANGE;
QX_RECORD_SIZE(QX_AES_PASSWORD_CHANGE, 72);
QX_FIELD_AT(QX_AES_PASSWORD_CHANGE, old_password, 8);
QX_FIELD_AT(QX_AES_PASSWORD_CHANGE, new_password, 40);

// Entry information (QX_AES_GetEntryInfo). Two readers read its first 20
// bytes two ways: `aesport` as ten (port id, entry id) pairs, `aesentry` as
// the has-key flags of entries 0 to 9 in bytes 8 to 17. The two readings
// overlap, so a library fills whichever the adapter keeps; ours fills the
// pairs. Sized 32 bytes: both readings end at 20.
typedef struct QX_AES_PORT_LINK {
  uint8_t port_id;
  uint8_t entry_id;            // QX_AES_NO_ENTRY: not linked
} QX_AES_PORT_LINK;
QX_RECORD_SIZE(QX_AES_PORT_LINK, 2);

typedef struct QX_AES_KEY_FLAGS {
  uint8_t reserved0[8];
  uint8_t has_key[QX_AES_INFO_PAIRS];  // entries 0 to 9
  uint8_t reserved18[2];
} QX_AES_KEY_FLAGS;
QX_RECORD_SIZE(QX_AES_KEY_FLAGS, 20);
QX_FIELD_AT(QX_AES_KEY_FLAGS, has_key, 8);

typedef struct QX_AES_ENTRY_INFO {
  union {
    QX_AES_PORT_LINK links[QX_AES_INFO_PAIRS];  // as `aesport` reads it
    QX_AES_KEY_FLAGS keys;                      // as `aesentry` reads it
  };
  uint8_t reserved20[12];
} QX_AES_ENTRY_INFO;
QX_RECORD_SIZE(QX_AES_ENTRY_INFO, 32);
QX_FIELD_AT(QX_AES_ENTRY_INFO, links, 0);
QX_FIELD_AT(QX_AES_ENTRY_INFO, keys, 0);

// Port list record (QX_AES_OnlyGetPortInfo).
typedef struct QX_AES_PORT_INFO {
  uint8_t port_id;
  uint8_t entry_id;            // QX_AES_NO_ENTRY: not linked
  uint8_t reserved2[6];
} QX_AES_PORT_INFO;
QX_RECORD_SIZE(QX_AES_PORT_INFO, 8);
QX_FIELD_AT(QX_AES_PORT_INFO, entry_id, 1);

// Port configuration (QX_AES_GetPortConfig list record, QX_AES_SetPortConfig).
typedef struct QX_AES_PORT_CONFIG {
  uint8_t port_id;
  uint8_t aes_enabled;         // non-zero: enabled
  uint8_t reserved2[6];
} QX_AES_PORT_CONFIG;
QX_RECORD_SIZE(QX_AES_PORT_CONFIG, 8);
QX_FIELD_AT(QX_AES_PORT_CONFIG, aes_enabled, 1);

// Entry list record (QX_AES_OnlyGetEntryInfo).
enum { QX_AES_ENTRY_LINKED = 1 };
typedef struct QX_AES_ENTRY_STATUS {
  uint8_t entry_id;
  uint8_t status;              // QX_AES_ENTRY_LINKED: a port is linked to it
  uint8_t reserved2[6];
} QX_AES_ENTRY_STATUS;
QX_RECORD_SIZE(QX_AES_ENTRY_STATUS, 8);
QX_FIELD_AT(QX_AES_ENTRY_STATUS, status, 1);

// Link of a port to an entry (QX_AES_SetLink).
typedef struct QX_AES_LINK_REQUEST {
  uint8_t port_id;
  uint8_t entry_id;
  uint8_t reserved2[6];
  char password[QX_AES_TEXT_SIZE];
} QX_AES_LINK_REQUEST;
QX_RECORD_SIZE(QX_AES_LINK_REQUEST, 40);
QX_FIELD_AT(QX_AES_LINK_REQUEST, entry_id, 1);
QX_FIELD_AT(QX_AES_LINK_REQUEST, password, 8);

// ---------------------------------------------------------------------------
// Hybrid tier.

// An operating-system disk number as decimal text beside a device id:
// QX_Tier_GetHDMagic and QX_Tier_GetVDMagic fill the text for the given PD
// or VD id (empty: no mapping); QX_Tier_GetVDLink fills the VD id for the
// given text.
typedef struct QX_OS_DISK_MAP {
  uint16_t id;                 // PD or VD id
  uint8_t reserved2[6];
  char disk_number[24];        // NUL-terminated
} QX_OS_DISK_MAP;
QX_RECORD_SIZE(QX_OS_DISK_MAP, 32);
QX_FIELD_AT(QX_OS_DISK_MAP, disk_number, 8);

// File-system entry of a tier VD: the record behind the query header of
// QX_TwinTier_AddFSEntries.
typedef struct QX_TIER_FS_ENTRY {
  uint64_t start;
  uint32_t length;
  uint8_t reserved12[4];
} QX_TIER_FS_ENTRY;
QX_RECORD_SIZE(QX_TIER_FS_ENTRY, 16);
QX_FIELD_AT(QX_TIER_FS_ENTRY, length, 8);

// Entry table of a tier VD (QX_TwinTier_GetEntriesTableInfo).
typedef struct QX_TIER_TABLE_INFO {
  uint16_t total_entries;
  uint16_t free_entries;
} QX_TIER_TABLE_INFO;
QX_RECORD_SIZE(QX_TIER_TABLE_INFO, 4);
QX_FIELD_AT(QX_TIER_TABLE_INFO, free_entries, 2);

// New segment of a tier VD (QX_TwinTier_AddSegment).
typedef struct QX_TIER_SEGMENT {
  uint64_t vd_id;
  uint64_t start;              // 512-byte sectors
  uint64_t length;             // 512-byte sectors
} QX_TIER_SEGMENT;
QX_RECORD_SIZE(QX_TIER_SEGMENT, 24);
QX_FIELD_AT(QX_TIER_SEGMENT, start, 8);
QX_FIELD_AT(QX_TIER_SEGMENT, length, 16);

// Segment list record (QX_TwinTier_GetSegment).
typedef struct QX_TIER_SEGMENT_ENTRY {
  uint8_t reserved0[2];
  uint8_t segment_number;
  uint8_t reserved3[5];
  uint64_t start;
  uint64_t length;
} QX_TIER_SEGMENT_ENTRY;
QX_RECORD_SIZE(QX_TIER_SEGMENT_ENTRY, 24);
QX_FIELD_AT(QX_TIER_SEGMENT_ENTRY, segment_number, 2);
QX_FIELD_AT(QX_TIER_SEGMENT_ENTRY, start, 8);
QX_FIELD_AT(QX_TIER_SEGMENT_ENTRY, length, 16);

enum { QX_TIER_ADD_ENTRIES = 0 };     // mode of QX_TwinTier_AddFSEntries

// ---------------------------------------------------------------------------
// Pass-through and diagnostics.

// SCSI command to a disk (QX_PassThrough_SCSI). The data area starts at 56
// and runs past the record: the caller allocates 64 + data_size bytes, so the
// 8 bytes of data_start are the first bytes of the area.
enum {
  QX_SCSI_FROM_DEVICE = 0,
  QX_SCSI_TO_DEVICE = 1,
};
enum {
  QX_SCSI_CDB_SIZE = 16,
  QX_SCSI_SENSE_SIZE = 32,
  QX_SCSI_REQUEST_SIZE = 64,
  QX_SCSI_DATA_OFFSET = 56,
};
#define QX_SCSI_NO_CHECKSUM 0xFFFFFFFFu
typedef struct QX_SCSI_REQUEST {
  uint8_t cdb[QX_SCSI_CDB_SIZE];
  uint16_t data_size;
  uint8_t direction;           // QX_SCSI_...
  uint8_t cdb_length;          // QX_SCSI_CDB_SIZE
  uint32_t checksum;           // QX_SCSI_NO_CHECKSUM, or the CRC of the data sent
  uint8_t sense[QX_SCSI_SENSE_SIZE];
  uint8_t data_start[8];
} QX_SCSI_REQUEST;
QX_RECORD_SIZE(QX_SCSI_REQUEST, QX_SCSI_REQUEST_SIZE);
QX_FIELD_AT(QX_SCSI_REQUEST, data_size, 16);
QX_FIELD_AT(QX_SCSI_REQUEST, direction, 18);
QX_FIELD_AT(QX_SCSI_REQUEST, cdb_length, 19);
QX_FIELD_AT(QX_SCSI_REQUEST, checksum, 20);
QX_FIELD_AT(QX_SCSI_REQUEST, sense, 24);
QX_FIELD_AT(QX_SCSI_REQUEST, data_start, QX_SCSI_DATA_OFFSET);

// ECC request (QX_PassThrough). Sized 780 bytes: the named fields sit at
// the end.
enum {
  QX_ECC_INDUCE = 1,
  QX_ECC_GET_SIZE = 2,
};
typedef struct QX_ECC_REQUEST {
  uint8_t reserved0[768];
  uint16_t size;               // block size plus ECC size; the answer of QX_ECC_GET_SIZE
  uint8_t reserved770[2];
  uint16_t pd_id;
  uint8_t operation;           // QX_ECC_...
  uint8_t reserved775;
  uint32_t lba;
} QX_ECC_REQUEST;
QX_RECORD_SIZE(QX_ECC_REQUEST, 780);
QX_FIELD_AT(QX_ECC_REQUEST, size, 768);
QX_FIELD_AT(QX_ECC_REQUEST, pd_id, 772);
QX_FIELD_AT(QX_ECC_REQUEST, operation, 774);
QX_FIELD_AT(QX_ECC_REQUEST, lba, 776);

// Address translation between a PD and a VD (QX_DBG_Map).
enum {
  QX_MAP_VD_TO_PD = 0,
  QX_MAP_PD_TO_VD = 1,
};
#define QX_MAP_NO_VD 0xFFFFu
#define QX_MAP_NO_LBA 0xFFFFFFFFu      // both halves: no place on that PD
typedef struct QX_MAP_RECORD {
  uint32_t vd_lba_low;
  uint32_t vd_lba_high;
  uint32_t pd_lba_low;
  uint32_t pd_lba_high;
  uint16_t vd_id;              // QX_MAP_NO_VD: none
  uint16_t pd_id;
  uint8_t parity;              // answer: 1 when the PD holds parity there
  uint8_t direction;           // QX_MAP_...
  uint8_t reserved22[34];
} QX_MAP_RECORD;
QX_RECORD_SIZE(QX_MAP_RECORD, 56);
QX_FIELD_AT(QX_MAP_RECORD, vd_lba_high, 4);
QX_FIELD_AT(QX_MAP_RECORD, pd_lba_low, 8);
QX_FIELD_AT(QX_MAP_RECORD, pd_lba_high, 12);
QX_FIELD_AT(QX_MAP_RECORD, vd_id, 16);
QX_FIELD_AT(QX_MAP_RECORD, pd_id, 18);
QX_FIELD_AT(QX_MAP_RECORD, parity, 20);
QX_FIELD_AT(QX_MAP_RECORD, direction, 21);

// ---------------------------------------------------------------------------
// Firmware debug-message dump.
enum { QX_DUMP_DISABLE = 0, QX_DUMP_ENABLE = 1 };  // value of qx_dump_dbg_msg_handle_set_cfg

typedef struct QX_DUMP_CONFIG {
  uint8_t enabled;             // 1 enabled, 0 disabled
  uint8_t started;             // 1 started, 0 stopped
} QX_DUMP_CONFIG;
QX_RECORD_SIZE(QX_DUMP_CONFIG, 2);
QX_FIELD_AT(QX_DUMP_CONFIG, started, 1);

// Dump status (qx_dump_dbg_msg_handle_status). Sized 16 bytes: the pending
// count at 4 is ours, the rest room for the library.
typedef struct QX_DUMP_STATUS {
  int32_t buffer_size;         // size of the firmware's message buffer; 0 or less: nothing to read
  uint32_t pending;            // message bytes not yet read
  uint8_t reserved8[8];
} QX_DUMP_STATUS;
QX_RECORD_SIZE(QX_DUMP_STATUS, 16);
QX_FIELD_AT(QX_DUMP_STATUS, pending, 4);

// One chunk of messages (qx_dump_dbg_msg_handle_data).
#define QX_DUMP_CHUNK_SIZE 4096
typedef struct QX_DUMP_CHUNK {
  uint32_t length;             // message bytes in this chunk; 0: no more
  uint8_t reserved4[4];
  char data[QX_DUMP_CHUNK_SIZE - 8];
} QX_DUMP_CHUNK;
QX_RECORD_SIZE(QX_DUMP_CHUNK, QX_DUMP_CHUNK_SIZE);
QX_FIELD_AT(QX_DUMP_CHUNK, data, 8);


#endif  // QX_API_RECORDS_H
