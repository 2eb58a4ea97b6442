// The RAID API library: every QX_ function, with C linkage.
//
// Every call returns a u8 status (0 = success, other values: api/status.h),
// except QX_API_Version (the library's version text) and QX_Adapter_GetCount
// (the number of adapters). Calls on an adapter take its id first; only the
// library calls, QX_Adapter_GetCount and QX_Flash_GetHeaderInfo2 take none.
// Records are caller-allocated (api/records.h). A list or get call takes one
// buffer: a QX_QUERY_HEADER followed by room for `requested` records of the
// type named in its comment.
//
// docs/api.md lists every function with a line on what it does and says
// which ones the library implements so far.
#ifndef QX_API_QX_API_H
#define QX_API_QX_API_H

#include <stdint.h>

#include "api/records.h"

#if defined(_WIN32) && defined(QX_API_BUILDING)
#define QX_API_EXPORT __declspec(dllexport)
#elif defined(_WIN32)
#define QX_API_EXPORT __declspec(dllimport)
#else
#define QX_API_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

// --- library ---------------------------------------------------------------
QX_API_EXPORT uint8_t QX_API_Initialize(void);
QX_API_EXPORT uint8_t QX_API_Finalize(void);
QX_API_EXPORT const char* QX_API_Version(void);

// --- adapter ---------------------------------------------------------------
QX_API_EXPORT uint8_t QX_Adapter_GetCount(void);
// `out` receives a byte that callers do not read.
QX_API_EXPORT uint8_t QX_Adapter_GetInfo(uint8_t adapter, uint8_t* out, QX_ADAPTER_INFO* info);
// `configs` has room for QX_ADAPTER_CONFIG_MAX records; `count` holds 0 on
// the way in and the number of records filled on the way out.
QX_API_EXPORT uint8_t QX_Adapter_GetConfig(uint8_t adapter, uint8_t* count, QX_ADAPTER_CONFIG* configs);
QX_API_EXPORT uint8_t QX_Adapter_SetConfig(uint8_t adapter, const QX_ADAPTER_CONFIG* config);
QX_API_EXPORT uint8_t QX_Adapter_Get_OEM_Data(uint8_t adapter, QX_OEM_DATA* request);
QX_API_EXPORT uint8_t QX_Adapter_Set_OEM_Data(uint8_t adapter, const QX_OEM_DATA* request);
QX_API_EXPORT uint8_t QX_AdapterMute(uint8_t adapter);
// type: QX_REGISTER_...
QX_API_EXPORT uint8_t QX_Adapter_Read_Register(uint8_t adapter, uint8_t type, uint32_t address,
                                               QX_REGISTER_REQUEST* request);
QX_API_EXPORT uint8_t QX_Adapter_Write_Register(uint8_t adapter, uint8_t type, uint32_t address,
                                                const QX_REGISTER_REQUEST* request);
// mode: QX_DRIVER_...; QX_SetDriverMode also takes QX_DRIVER_MODE_UNSET.
QX_API_EXPORT uint8_t QX_GetDriverMode(uint8_t adapter, uint32_t* mode);
QX_API_EXPORT uint8_t QX_SetDriverMode(uint8_t adapter, uint32_t mode);

// --- virtual disks -----------------------------------------------------------
QX_API_EXPORT uint8_t QX_LD_GetInfo(uint8_t adapter, QX_QUERY_HEADER* query);        // QX_VD_INFO
QX_API_EXPORT uint8_t QX_LD_GetStatus(uint8_t adapter, QX_QUERY_HEADER* query);      // QX_VD_STATUS
QX_API_EXPORT uint8_t QX_LD_GetConfig(uint8_t adapter, QX_QUERY_HEADER* query);      // QX_VD_CONFIG
QX_API_EXPORT uint8_t QX_LD_SetConfig(uint8_t adapter, uint16_t vd_id, const QX_VD_CONFIG* config);
// The VD a migrating VD turns into.
QX_API_EXPORT uint8_t QX_LD_GetTargetLDInfo(uint8_t adapter, uint16_t vd_id, QX_VD_INFO* target);
QX_API_EXPORT uint8_t QX_LD_Create(uint8_t adapter, const QX_CREATE_VD_REQUEST* request);
// Answers the largest size, in KB, in the request's size field.
QX_API_EXPORT uint8_t QX_LD_GetMaxSize(uint8_t adapter, QX_CREATE_VD_REQUEST* request);
// flag: QX_DELETE_...
QX_API_EXPORT uint8_t QX_LD_Delete(uint8_t adapter, uint16_t vd_id, uint8_t flag);
QX_API_EXPORT uint8_t QX_LD_Import(uint8_t adapter, uint16_t vd_id);
// action: QX_BGA_ACTION_...
QX_API_EXPORT uint8_t QX_LD_BGAControl(uint8_t adapter, uint16_t vd_id, uint8_t action);
// mode: QX_INIT_FULL
QX_API_EXPORT uint8_t QX_LD_StartINIT(uint8_t adapter, uint16_t vd_id, uint8_t mode);
// fix: QX_CHECK_AND_FIX or QX_CHECK_ONLY
QX_API_EXPORT uint8_t QX_LD_StartConsistencyCheck(uint8_t adapter, uint16_t vd_id, uint8_t fix);
QX_API_EXPORT uint8_t QX_LD_StartRebuild(uint8_t adapter, uint16_t vd_id, uint16_t pd_id);
// Answers the migrated size in the request's size field.
QX_API_EXPORT uint8_t QX_LD_GetMigratedLdSize(uint8_t adapter, QX_VD_MIGRATION_REQUEST* request);
QX_API_EXPORT uint8_t QX_LD_StartMigration(uint8_t adapter, const QX_VD_MIGRATION_REQUEST* request);
// The two QX_LD_DG_ calls act on arrays. protection: QX_QUICK_CREATE_...
QX_API_EXPORT uint8_t QX_LD_DG_QuickCreate(uint8_t adapter, uint8_t protection);
QX_API_EXPORT uint8_t QX_LD_DG_StartRebuild(uint8_t adapter, const QX_REBUILD_REQUEST* request);
// request->sub_request: QX_OEM_DISK_KEY
QX_API_EXPORT uint8_t QX_VD_OEMData(uint8_t adapter, QX_DISK_OEM_DATA* request);

// --- arrays --------------------------------------------------------------------
QX_API_EXPORT uint8_t QX_DG_GetInfo(uint8_t adapter, QX_QUERY_HEADER* query);        // QX_ARRAY_INFO
QX_API_EXPORT uint8_t QX_DG_GetConfig(uint8_t adapter, QX_QUERY_HEADER* query);      // QX_ARRAY_CONFIG
QX_API_EXPORT uint8_t QX_DG_SetConfig(uint8_t adapter, uint16_t array_id, const QX_ARRAY_CONFIG* config);
QX_API_EXPORT uint8_t QX_DG_Delete(uint8_t adapter, uint16_t array_id);
// action: QX_BGA_ACTION_...
QX_API_EXPORT uint8_t QX_DG_BGAControl(uint8_t adapter, uint16_t array_id, uint8_t action);
QX_API_EXPORT uint8_t QX_DG_StartMigration(uint8_t adapter, const QX_ARRAY_REQUEST* request);
// mode: QX_DG_CREATE, or QX_DG_SIZE_ONLY to answer a size (KB) without
// creating: of a new array, or of an existing one after a migration.
QX_API_EXPORT uint8_t QX_CreateOrModify_DG(uint8_t adapter, QX_ARRAY_REQUEST* request, uint8_t mode);
QX_API_EXPORT uint8_t QX_CreateOrModify_VD(uint8_t adapter, QX_ARRAY_VD_REQUEST* request);
QX_API_EXPORT uint8_t QX_Create_PackageVD(uint8_t adapter, QX_PACKAGE_VD_REQUEST* request);
// flag: 1 (the only value sent)
QX_API_EXPORT uint8_t QX_PackageVD_Delete(uint8_t adapter, uint16_t package_vd_id, uint8_t flag);

// --- physical disks ----------------------------------------------------------
QX_API_EXPORT uint8_t QX_PD_GetHDInfo_Ext(uint8_t adapter, QX_QUERY_HEADER* query);  // QX_PD_INFO
QX_API_EXPORT uint8_t QX_PD_GetHDInfo(uint8_t adapter, QX_QUERY_HEADER* query);      // QX_PD_INFO
QX_API_EXPORT uint8_t QX_PD_GetConfig(uint8_t adapter, QX_QUERY_HEADER* query);      // QX_PD_CONFIG
QX_API_EXPORT uint8_t QX_PD_SetConfig(uint8_t adapter, uint16_t pd_id, const QX_PD_CONFIG* config);
QX_API_EXPORT uint8_t QX_PD_GetHDRaidStatus(uint8_t adapter, QX_QUERY_HEADER* query);  // QX_PD_RAID_STATUS
QX_API_EXPORT uint8_t QX_PD_GetFreeSpaceInfo(uint8_t adapter, QX_QUERY_HEADER* query);  // QX_FREE_SPACE
QX_API_EXPORT uint8_t QX_PD_GetBGAStatus(uint8_t adapter, QX_QUERY_HEADER* query);   // QX_PD_BGA_STATUS
QX_API_EXPORT uint8_t QX_PD_GetExpanderInfo(uint8_t adapter, QX_QUERY_HEADER* query);  // QX_EXPANDER_INFO
QX_API_EXPORT uint8_t QX_PD_GetPMInfo(uint8_t adapter, QX_QUERY_HEADER* query);      // QX_PM_INFO
QX_API_EXPORT uint8_t QX_PD_GetMBRInfo(uint8_t adapter, QX_MBR_INFO* info);
// max_attributes: QX_SMART_MAX_ATTRIBUTES
QX_API_EXPORT uint8_t QX_PD_GET_SMART_INFO(uint8_t adapter, uint16_t pd_id, uint8_t max_attributes,
                                           QX_SMART_INFO* smart);
// action: QX_BGA_ACTION_...
QX_API_EXPORT uint8_t QX_PD_BGAControl(uint8_t adapter, uint16_t pd_id, uint8_t action);
QX_API_EXPORT uint8_t QX_PD_StartMediaPatrol(uint8_t adapter, uint16_t pd_id);
QX_API_EXPORT uint8_t QX_PD_StartDataScrub(uint8_t adapter, uint16_t pd_id);
// state: QX_PD_SET_...
QX_API_EXPORT uint8_t QX_PD_SetHDStatus(uint8_t adapter, uint16_t pd_id, uint8_t state);
QX_API_EXPORT uint8_t QX_PD_FreeHD2GlobalSpare(uint8_t adapter, uint16_t pd_id);
QX_API_EXPORT uint8_t QX_PD_FreeHD2DGSpare(uint8_t adapter, uint16_t pd_id, uint16_t array_id);
QX_API_EXPORT uint8_t QX_PD_Spare2FreeHD(uint8_t adapter, uint16_t pd_id);
// force: 1 wipes even when a VD uses the disk.
QX_API_EXPORT uint8_t QX_PD_WipeHDRMD(uint8_t adapter, uint16_t pd_id, uint8_t force);
// request->sub_request: QX_OEM_DISK_LOCATE
QX_API_EXPORT uint8_t QX_PD_OEMData(uint8_t adapter, QX_DISK_OEM_DATA* request);
QX_API_EXPORT uint8_t QX_PD_RCT_GetCount(uint8_t adapter, uint16_t pd_id, uint32_t* count);
// `entries` has room for `count` records.
QX_API_EXPORT uint8_t QX_PD_GetRCT(uint8_t adapter, uint16_t pd_id, QX_RCT_ENTRY* entries, uint32_t count);
QX_API_EXPORT uint8_t QX_BLK_GetHDBlock(uint8_t adapter, QX_QUERY_HEADER* query);    // QX_HD_BLOCK
QX_API_EXPORT uint8_t QX_BLK_GetInfo(uint8_t adapter, QX_QUERY_HEADER* query);       // QX_BLOCK_INFO
// kind: QX_OS_CHECK_PDS or QX_OS_CHECK_VDS; answers status 158 (a VD) or
// 159 (a disk) when one of the `count` objects carries the running
// operating system, 0 when none does.
QX_API_EXPORT uint8_t QX_DiskHasOS(uint8_t adapter, uint8_t kind, uint8_t count, const uint16_t* ids);

// --- battery -------------------------------------------------------------------
QX_API_EXPORT uint8_t QX_BBU_GetInfo(uint8_t adapter, QX_BBU_INFO* info);
// action: QX_BBU_...
QX_API_EXPORT uint8_t QX_BBU_ChangePower(uint8_t adapter, uint8_t action);

// --- enclosures ----------------------------------------------------------------
QX_API_EXPORT uint8_t QX_ENC_GetEnclosureInfo(uint8_t adapter, QX_QUERY_HEADER* query);  // QX_ENCLOSURE_INFO
// enclosure_id: QX_ALL_ENCLOSURES for all. `elements` has room for
// QX_ENC_MAX_ELEMENTS records.
QX_API_EXPORT uint8_t QX_ENC_GetElementInfo(uint8_t adapter, uint16_t enclosure_id, QX_ENC_ELEMENT* elements,
                                            uint16_t* count);
// The count is one byte: one answer holds at most 255 of the room for
// QX_ENC_MAX_ELEMENTS records.
QX_API_EXPORT uint8_t QX_ENC_GetElementConfig(uint8_t adapter, uint16_t enclosure_id,
                                              QX_ENC_ELEMENT_CONFIG* configs, uint8_t* count);
// kind: QX_LOCATE_PD; led: QX_LED_...
QX_API_EXPORT uint8_t QX_LocateArrayDevice(uint8_t adapter, uint8_t kind, uint16_t id, uint8_t led);

// --- events --------------------------------------------------------------------
// Fills up to `max` records, oldest first, and their number into `count`.
QX_API_EXPORT uint8_t QX_EVT_GetEvent(uint8_t adapter, uint8_t max, uint8_t* count, QX_EVENT* events);

// --- flash ---------------------------------------------------------------------
// Reads the version header of an image file; no adapter is involved.
QX_API_EXPORT uint8_t QX_Flash_GetHeaderInfo2(const char* file_name, QX_FLASH_HEADER* header);
QX_API_EXPORT uint8_t QX_Flash_PreData(uint8_t adapter, const QX_FLASH_PRE_DATA* pre_data);
// action: QX_FLASH_UPDATE writes the page, QX_FLASH_BACKUP fills it,
// QX_FLASH_ERASE erases the image of `image_type`.
QX_API_EXPORT uint8_t QX_Flash_Bin(uint8_t adapter, uint8_t action, uint8_t image_type, QX_FLASH_PAGE* page);
// page: QX_FLASH_PAGE_PD or QX_FLASH_PAGE_PD_FORCE
QX_API_EXPORT uint8_t QX_Flash_Erase(uint8_t adapter, uint8_t page);

// --- encryption ----------------------------------------------------------------
QX_API_EXPORT uint8_t QX_AES_GetEntryConfig(uint8_t adapter, QX_QUERY_HEADER* query);  // QX_AES_ENTRY_CONFIG
QX_API_EXPORT uint8_t QX_AES_SetEntryConfig(uint8_t adapter, const QX_AES_ENTRY_CONFIG* request);
QX_API_EXPORT uint8_t QX_AES_GetEntryInfo(uint8_t adapter, QX_AES_ENTRY_INFO* info);
QX_API_EXPORT uint8_t QX_AES_OnlyGetEntryInfo(uint8_t adapter, QX_QUERY_HEADER* query);  // QX_AES_ENTRY_STATUS
QX_API_EXPORT uint8_t QX_AES_OnlyGetPortInfo(uint8_t adapter, QX_QUERY_HEADER* query);   // QX_AES_PORT_INFO
QX_API_EXPORT uint8_t QX_AES_GetPortConfig(uint8_t adapter, QX_QUERY_HEADER* query);     // QX_AES_PORT_CONFIG
QX_API_EXPORT uint8_t QX_AES_SetPortConfig(uint8_t adapter, const QX_AES_PORT_CONFIG* request);
QX_API_EXPORT uint8_t QX_AES_SetLink(uint8_t adapter, const QX_AES_LINK_REQUEST* request);
QX_API_EXPORT uint8_t QX_AES_ClearLink(uint8_t adapter, uint8_t port_id);
QX_API_EXPORT uint8_t QX_AES_ChangePwd(uint8_t adapter, const QX_AES_PASSWORD_CHANGE* request);
QX_API_EXPORT uint8_t QX_AES_VerifyKey(uint8_t adapter, const QX_AES_ENTRY_CONFIG* request);
// percentage: 0 to 10 (tens of percent), or QX_FORCE_ONLINE_NO_PERCENTAGE.
QX_API_EXPORT uint8_t QX_AES_ForcePDOnline(uint8_t adapter, const QX_FORCE_ONLINE* request, uint8_t pd_id,
                                           uint8_t percentage);

// --- hybrid tier ---------------------------------------------------------------
// mode: QX_TIER_ADD_ENTRIES
QX_API_EXPORT uint8_t QX_TwinTier_AddFSEntries(uint8_t adapter, uint16_t vd_id, QX_QUERY_HEADER* query,
                                               uint8_t mode);  // QX_TIER_FS_ENTRY
QX_API_EXPORT uint8_t QX_TwinTier_GetEntriesTableInfo(uint8_t adapter, uint16_t vd_id, QX_TIER_TABLE_INFO* info);
QX_API_EXPORT uint8_t QX_TwinTier_RemoveEntriesTable(uint8_t adapter, uint16_t vd_id, uint32_t sector_size);
QX_API_EXPORT uint8_t QX_TwinTier_AddSegment(uint8_t adapter, const QX_TIER_SEGMENT* segment);
// Lists the adapter's segments, whatever VD they belong to.
QX_API_EXPORT uint8_t QX_TwinTier_GetSegment(uint8_t adapter, QX_QUERY_HEADER* query);  // QX_TIER_SEGMENT_ENTRY
QX_API_EXPORT uint8_t QX_TwinTier_RemoveSegments(uint8_t adapter, uint16_t vd_id);
// Fill the disk number of each of the `count` records from its id.
QX_API_EXPORT uint8_t QX_Tier_GetHDMagic(uint8_t adapter, uint8_t count, QX_OS_DISK_MAP* maps);
QX_API_EXPORT uint8_t QX_Tier_GetVDMagic(uint8_t adapter, uint8_t count, QX_OS_DISK_MAP* maps);
// Fills the tier VD id of each of the `count` records from its disk number.
QX_API_EXPORT uint8_t QX_Tier_GetVDLink(uint8_t adapter, uint8_t count, QX_OS_DISK_MAP* maps);
QX_API_EXPORT uint8_t QX_VDHDD_AddLink(uint8_t adapter, const QX_VD_PD_LINK* link);

// --- pass-through --------------------------------------------------------------
QX_API_EXPORT uint8_t QX_PassThrough(uint8_t adapter, QX_ECC_REQUEST* request);
// `request` is QX_SCSI_REQUEST_SIZE + request->data_size bytes long.
QX_API_EXPORT uint8_t QX_PassThrough_SCSI(uint8_t adapter, uint16_t pd_id, QX_SCSI_REQUEST* request);
QX_API_EXPORT uint8_t QX_DBG_Map(uint8_t adapter, QX_MAP_RECORD* map);

// --- firmware debug-message dump -----------------------------------------------
// value: QX_DUMP_ENABLE or QX_DUMP_DISABLE
QX_API_EXPORT uint8_t qx_dump_dbg_msg_handle_set_cfg(uint8_t adapter, uint8_t value);
QX_API_EXPORT uint8_t qx_dump_dbg_msg_handle_get_cfg(uint8_t adapter, QX_DUMP_CONFIG* config);
QX_API_EXPORT uint8_t qx_dump_dbg_msg_handle_status(uint8_t adapter, QX_DUMP_STATUS* status);
// buffer_size: the status record's buffer_size. Fills the next chunk; a
// length of 0 means nothing is left.
QX_API_EXPORT uint8_t qx_dump_dbg_msg_handle_data(uint8_t adapter, QX_DUMP_CHUNK* chunk, int32_t buffer_size);

#ifdef __cplusplus
}
#endif

#endif  // QX_API_QX_API_H
