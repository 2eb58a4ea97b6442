// Fixed-layout records exchanged with the RAID API library.
//
// Every record is a plain struct whose memory layout is the record's wire
// layout: little-endian fixed-width fields at fixed offsets, reserved byte
// arrays for stretches nobody reads. Command code and the simulated
// controller name a field only through these structs.
#ifndef QX_API_RECORDS_H
#define QX_API_RECORDS_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "records are little-endian; this host is not");
#define QX_RECORD_SIZE(T, n) static_assert(sizeof(T) == (n), #T " has the wrong size")
#define QX_FIELD_AT(T, f, off) static_assert(offsetof(T, f) == (off), #T "::" #f " is at the wrong offset")
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
enum {
  QX_FEATURE_REBUILD = 1u << 0,
  QX_FEATURE_BACKGROUND_INIT = 1u << 1,
  QX_FEATURE_SYNCHRONIZE = 1u << 2,
  QX_FEATURE_MIGRATION = 1u << 3,
  QX_FEATURE_PD_BGA_STATUS = 1u << 4,
  QX_FEATURE_FOREGROUND_INIT = 1u << 5,
  QX_FEATURE_COPY_BACK = 1u << 6,
  QX_FEATURE_SAME_TYPE_ONLY = 1u << 7,
};

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
  uint8_t port_types;          // bit 0 SATA, 1 PATA, 2 SAS
  uint8_t features;            // QX_FEATURE_...
  uint8_t buzzer;              // 1 = present
  uint8_t chip_revision;
  uint8_t max_disks_per_vd;
  uint16_t stripe_sizes;       // bit k: 2^(k+4) KB supported, k = 0..6
  uint32_t adv_features;
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
  uint16_t raid_modes;
  uint8_t reserved96[8];
  uint16_t max_disks;
  uint16_t max_buffer_kb;      // size of the largest query buffer, in KB
  uint16_t max_total_blocks_wide;
  uint8_t aes_port_count;
  uint8_t reserved111;
  uint8_t max_tier_ssds;
  uint8_t reserved113;
  uint8_t max_ssd_segments;
  uint8_t reserved115;
  uint32_t adv_features2;
  uint8_t reserved120[4];
  char serial[20];
  uint8_t sas_address[16][8];  // port p at 144 + 8p
  uint8_t pcie_max_speed;      // 0: no PCIe data
  uint8_t pcie_current_speed;
  uint8_t pcie_max_width;
  uint8_t pcie_current_width;
  uint8_t image_health[6];     // image, autoload, boot loader, firmware, boot ROM, HBA info
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

// OEM data request of QX_Adapter_Get_OEM_Data / QX_Adapter_Set_OEM_Data.
enum { QX_OEM_REQUEST_ROM_VERSION = 72 };
typedef struct QX_OEM_DATA {
  uint16_t request;            // QX_OEM_REQUEST_...
  uint8_t reserved2[14];
  uint8_t sub_request;
  uint8_t reserved17[7];
  uint16_t rom_version[4];     // answer of the ROM-version request
  uint8_t reserved32[96];
} QX_OEM_DATA;
QX_RECORD_SIZE(QX_OEM_DATA, 128);
QX_FIELD_AT(QX_OEM_DATA, sub_request, 16);
QX_FIELD_AT(QX_OEM_DATA, rom_version, 24);

// ---------------------------------------------------------------------------
// Physical disk information (QX_PD_GetHDInfo_Ext extended form,
// QX_PD_GetHDInfo plain form; the same layout).
enum {
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
enum {  // extended-form link bits
  QX_PD_LINK_BIT0 = 1u << 0,
  QX_PD_LINK_BIT1 = 1u << 1,
  QX_PD_LINK_BIT2 = 1u << 2,
  QX_PD_LINK_BIT3 = 1u << 3,
  QX_PD_LINK_ATAPI = 1u << 4,
  QX_PD_LINK_LOCATE_LED = 1u << 5,
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

typedef struct QX_PD_INFO {
  uint16_t parent_id;          // expander or port multiplier the disk hangs on
  uint8_t link_kind;           // QX_LINK_...
  uint8_t reserved3;
  uint8_t port;
  uint8_t reserved5[31];
  uint16_t pd_id;
  uint8_t reserved38[10];
  uint8_t sas_address[8];
  uint16_t enclosure_id;
  uint8_t reserved58[6];
  uint8_t adapter_id;
  uint8_t reserved65;
  uint8_t type_bits;           // plain form: QX_PD_TYPE_...
  uint8_t pio_modes;           // 255 = none
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
QX_FIELD_AT(QX_PD_INFO, port, 4);
QX_FIELD_AT(QX_PD_INFO, pd_id, 36);
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

// PD configuration (QX_PD_GetConfig).
typedef struct QX_PD_CONFIG {
  uint8_t write_cache;         // 1 = on
  uint8_t smart;               // 1 = on
  uint8_t reserved2;
  uint8_t link_speed;          // 1 1.5 Gb/s, 2 3 Gb/s, 3 6 Gb/s, 4 12 Gb/s
  uint8_t reserved4[12];
} QX_PD_CONFIG;
QX_RECORD_SIZE(QX_PD_CONFIG, 16);
QX_FIELD_AT(QX_PD_CONFIG, smart, 1);
QX_FIELD_AT(QX_PD_CONFIG, link_speed, 3);

// PD RAID status (QX_PD_GetHDRaidStatus).
enum {
  QX_PD_RAID_FREE = 0x01,
  QX_PD_RAID_IN_USE = 0x02,        // member of a VD or array; for a spare: spare in use
  QX_PD_RAID_GLOBAL_SPARE = 0x04,
  QX_PD_RAID_OFFLINE = 0x08,
  QX_PD_RAID_MEDIA_PATROL = 0x20,
  QX_PD_RAID_DEDICATED_SPARE = 0x40,
  QX_PD_RAID_FOREIGN = 0x80,
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

// Blocks of one disk (QX_BLK_GetHDBlock).
#define QX_HD_BLOCK_MAX 64
#define QX_HD_BLOCK_FIXED_TABLE 16   // entries when block_count is 0
typedef struct QX_HD_BLOCK {
  uint16_t pd_id;
  uint8_t reserved2;
  uint8_t block_count;         // 0: fixed table of 16 entries, 255 marks an unused one
  uint8_t reserved4[4];
  uint16_t block_ids[QX_HD_BLOCK_MAX];
} QX_HD_BLOCK;
QX_RECORD_SIZE(QX_HD_BLOCK, 136);
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

// Free space of one disk (QX_PD_GetFreeSpaceInfo).
typedef struct QX_FREE_SPACE {
  uint16_t pd_id;
  uint8_t reserved2[6];
  uint64_t usable_kb;
  uint8_t reserved16[16];
} QX_FREE_SPACE;
QX_RECORD_SIZE(QX_FREE_SPACE, 32);
QX_FIELD_AT(QX_FREE_SPACE, usable_kb, 8);

// Background activity of one disk (QX_PD_GetBGAStatus).
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
  uint8_t activity;            // QX_PD_BGA_...
  uint8_t reserved5;
  uint8_t state;               // QX_BGA_...
  uint8_t reserved7[9];
} QX_PD_BGA_STATUS;
QX_RECORD_SIZE(QX_PD_BGA_STATUS, 16);
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
enum {  // kinds of VD background activity
  QX_BGA_REBUILD = 0x01,
  QX_BGA_SYNCHRONIZE = 0x02,
  QX_BGA_REDUNDANCY_CHECK = 0x04,
  QX_BGA_INIT_FOREGROUND = 0x08,
  QX_BGA_INIT_BACKGROUND = 0x10,
  QX_BGA_MIGRATION = 0x20,
  QX_BGA_INIT_QUICK = 0x40,
  QX_BGA_COPY_BACK = 0x80,
};
#define QX_VD_BLOCK_SLOTS 128
#define QX_VD_FIXED_BLOCK_TABLE 16   // entries when block_count is 0

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
  uint8_t bga_type;            // QX_BGA_REBUILD ...
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

// Request of QX_LD_Create.
enum {
  QX_ROUNDING_NONE = 0,
  QX_ROUNDING_1GB = 1,
  QX_ROUNDING_10GB = 2,
};
enum {
  QX_CACHE_WRITE_THROUGH = 1u << 0,
  QX_CACHE_READ_AHEAD = 1u << 2,
};
enum {
  QX_INIT_QUICK = 0,
  QX_INIT_BACKGROUND = 2,
  QX_INIT_NONE = 3,
  QX_INIT_INTELLIGENT = 5,
};
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
  uint8_t tier_marker;         // 90 for the hybrid-tier levels
  uint8_t reserved14;
  uint8_t force_size;
  uint16_t pd_ids[QX_MAX_CREATE_PDS];
  char name[16];
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

// ---------------------------------------------------------------------------
// Battery backup unit (QX_BBU_GetInfo).
typedef struct QX_BBU_INFO {
  uint32_t present;            // non-zero when a battery is present
  uint8_t reserved4[60];
} QX_BBU_INFO;
QX_RECORD_SIZE(QX_BBU_INFO, 64);

// ---------------------------------------------------------------------------
// Event log record (QX_EVT_GetEvent).
enum {
  QX_EVT_CLASS_ADAPTER = 0,
  QX_EVT_CLASS_VD = 1,
  QX_EVT_CLASS_PD = 2,
  QX_EVT_CLASS_EXPANDER = 4,
  QX_EVT_CLASS_BATTERY = 9,
  QX_EVT_CLASS_FLASH = 10,
  QX_EVT_CLASS_MISC = 12,
  QX_EVT_CLASS_ARRAY = 13,
  QX_EVT_CLASS_ENVIRONMENT = 15,
};
typedef struct QX_EVENT {
  uint16_t event_class;
  uint16_t code;
  uint32_t time;               // seconds; small values count from boot
  uint16_t device_id;
  uint8_t severity;
  uint8_t adapter_number;
  uint32_t sequence;
  uint32_t params[4];
  uint8_t sense_length;
  uint8_t reserved33;
  uint8_t sense[30];
} QX_EVENT;
QX_RECORD_SIZE(QX_EVENT, 64);
QX_FIELD_AT(QX_EVENT, code, 2);
QX_FIELD_AT(QX_EVENT, time, 4);
QX_FIELD_AT(QX_EVENT, device_id, 8);
QX_FIELD_AT(QX_EVENT, severity, 10);
QX_FIELD_AT(QX_EVENT, adapter_number, 11);
QX_FIELD_AT(QX_EVENT, sequence, 12);
QX_FIELD_AT(QX_EVENT, params, 16);
QX_FIELD_AT(QX_EVENT, sense_length, 32);
QX_FIELD_AT(QX_EVENT, sense, 34);


#endif  // QX_API_RECORDS_H
