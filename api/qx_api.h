// The RAID API library: every QX_ function, with C linkage.
//
// Every call returns a u8 status (0 = success, other values: api/status.h),
// except QX_API_Version (the library's version text) and QX_Adapter_GetCount
// (the number of adapters). Calls on an adapter take its id first. Records
// are caller-allocated (api/records.h). A list call takes one buffer: a
// QX_QUERY_HEADER followed by room for `requested` records.
#ifndef QX_API_QX_API_H
#define QX_API_QX_API_H

#include <stdint.h>

#include "api/records.h"

#if defined(_WIN32)
#define QX_API_EXPORT __declspec(dllexport)
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
QX_API_EXPORT uint8_t QX_Adapter_Get_OEM_Data(uint8_t adapter, QX_OEM_DATA* request);

// --- physical disks ----------------------------------------------------------
QX_API_EXPORT uint8_t QX_PD_GetHDInfo_Ext(uint8_t adapter, QX_QUERY_HEADER* query);  // QX_PD_INFO
QX_API_EXPORT uint8_t QX_PD_GetHDInfo(uint8_t adapter, QX_QUERY_HEADER* query);      // QX_PD_INFO
QX_API_EXPORT uint8_t QX_PD_GetConfig(uint8_t adapter, QX_QUERY_HEADER* query);      // QX_PD_CONFIG
QX_API_EXPORT uint8_t QX_PD_GetHDRaidStatus(uint8_t adapter, QX_QUERY_HEADER* query);  // QX_PD_RAID_STATUS
QX_API_EXPORT uint8_t QX_PD_GetFreeSpaceInfo(uint8_t adapter, QX_QUERY_HEADER* query);  // QX_FREE_SPACE
QX_API_EXPORT uint8_t QX_PD_GetBGAStatus(uint8_t adapter, QX_QUERY_HEADER* query);   // QX_PD_BGA_STATUS
QX_API_EXPORT uint8_t QX_PD_GetMBRInfo(uint8_t adapter, QX_MBR_INFO* info);
QX_API_EXPORT uint8_t QX_PD_BGAControl(uint8_t adapter, uint16_t pd_id, uint8_t action);
QX_API_EXPORT uint8_t QX_PD_Spare2FreeHD(uint8_t adapter, uint16_t pd_id);
QX_API_EXPORT uint8_t QX_BLK_GetHDBlock(uint8_t adapter, QX_QUERY_HEADER* query);    // QX_HD_BLOCK
QX_API_EXPORT uint8_t QX_BLK_GetInfo(uint8_t adapter, QX_QUERY_HEADER* query);       // QX_BLOCK_INFO
// kind: 1 physical disks, 0 virtual disks; answers 158 or 159 when one of
// the `count` objects carries the running operating system.
QX_API_EXPORT uint8_t QX_DiskHasOS(uint8_t adapter, uint8_t kind, uint8_t count, uint16_t* ids);

// --- virtual disks -----------------------------------------------------------
QX_API_EXPORT uint8_t QX_LD_GetInfo(uint8_t adapter, QX_QUERY_HEADER* query);        // QX_VD_INFO
QX_API_EXPORT uint8_t QX_LD_GetStatus(uint8_t adapter, QX_QUERY_HEADER* query);      // QX_VD_STATUS
QX_API_EXPORT uint8_t QX_LD_GetTargetLDInfo(uint8_t adapter, uint16_t vd_id, QX_VD_INFO* target);
QX_API_EXPORT uint8_t QX_LD_Create(uint8_t adapter, QX_CREATE_VD_REQUEST* request);
QX_API_EXPORT uint8_t QX_LD_Delete(uint8_t adapter, uint16_t vd_id, uint8_t flag);
QX_API_EXPORT uint8_t QX_LD_BGAControl(uint8_t adapter, uint16_t vd_id, uint8_t action);

// --- arrays --------------------------------------------------------------------
QX_API_EXPORT uint8_t QX_DG_GetInfo(uint8_t adapter, QX_QUERY_HEADER* query);
QX_API_EXPORT uint8_t QX_DG_Delete(uint8_t adapter, uint16_t array_id);
QX_API_EXPORT uint8_t QX_PackageVD_Delete(uint8_t adapter, uint16_t package_vd_id, uint8_t flag);

// --- battery -------------------------------------------------------------------
QX_API_EXPORT uint8_t QX_BBU_GetInfo(uint8_t adapter, QX_BBU_INFO* info);

// --- events --------------------------------------------------------------------
// Fills up to `max` records, oldest first, and their number into `count`.
QX_API_EXPORT uint8_t QX_EVT_GetEvent(uint8_t adapter, uint8_t max, uint8_t* count, QX_EVENT* events);

#ifdef __cplusplus
}
#endif

#endif  // QX_API_QX_API_H
