// Every call the RAID API library declares, in one list: its name, whether
// it reads or changes the state, and whether the library implements it yet.
// An exported function takes its name and access from here, and qxsim checks
// a fault's function name against it.
#ifndef QX_SIM_ENGINE_CALL_REGISTRY_H
#define QX_SIM_ENGINE_CALL_REGISTRY_H

#include <span>
#include <string_view>

#include "sim/engine/call.h"

// X(name, access, implemented); in the order of api/qx_api.h.
// clang-format off
#define QX_CALL_LIST(X) \
  X(QX_API_Initialize, kRead, true) \
  X(QX_API_Finalize, kNone, true) \
  X(QX_API_Version, kNone, true) \
  X(QX_Adapter_GetCount, kRead, true) \
  X(QX_Adapter_GetInfo, kRead, true) \
  X(QX_Adapter_GetConfig, kRead, true) \
  X(QX_Adapter_SetConfig, kWrite, true) \
  X(QX_Adapter_Get_OEM_Data, kRead, true) \
  X(QX_Adapter_Set_OEM_Data, kWrite, true) \
  X(QX_AdapterMute, kWrite, true) \
  X(QX_Adapter_Read_Register, kRead, true) \
  X(QX_Adapter_Write_Register, kWrite, true) \
  X(QX_GetDriverMode, kRead, true) \
  X(QX_SetDriverMode, kWrite, true) \
  X(QX_LD_GetInfo, kRead, true) \
  X(QX_LD_GetStatus, kRead, true) \
  X(QX_LD_GetConfig, kRead, true) \
  X(QX_LD_SetConfig, kWrite, true) \
  X(QX_LD_GetTargetLDInfo, kRead, true) \
  X(QX_LD_Create, kWrite, true) \
  X(QX_LD_GetMaxSize, kRead, true) \
  X(QX_LD_Delete, kWrite, true) \
  X(QX_LD_Import, kWrite, true) \
  X(QX_LD_BGAControl, kWrite, true) \
  X(QX_LD_StartINIT, kWrite, true) \
  X(QX_LD_StartConsistencyCheck, kWrite, true) \
  X(QX_LD_StartRebuild, kWrite, true) \
  X(QX_LD_GetMigratedLdSize, kRead, true) \
  X(QX_LD_StartMigration, kWrite, true) \
  X(QX_LD_DG_QuickCreate, kWrite, true) \
  X(QX_LD_DG_StartRebuild, kWrite, true) \
  X(QX_VD_OEMData, kRead, true) \
  X(QX_DG_GetInfo, kRead, true) \
  X(QX_DG_GetConfig, kRead, true) \
  X(QX_DG_SetConfig, kWrite, true) \
  X(QX_DG_Delete, kWrite, true) \
  X(QX_DG_BGAControl, kWrite, true) \
  X(QX_DG_StartMigration, kWrite, true) \
  X(QX_CreateOrModify_DG, kWrite, true) \
  X(QX_CreateOrModify_VD, kWrite, true) \
  X(QX_Create_PackageVD, kWrite, true) \
  X(QX_PackageVD_Delete, kWrite, true) \
  X(QX_PD_GetHDInfo_Ext, kRead, true) \
  X(QX_PD_GetHDInfo, kRead, true) \
  X(QX_PD_GetConfig, kRead, true) \
  X(QX_PD_SetConfig, kWrite, true) \
  X(QX_PD_GetHDRaidStatus, kRead, true) \
  X(QX_PD_GetFreeSpaceInfo, kRead, true) \
  X(QX_PD_GetBGAStatus, kRead, true) \
  X(QX_PD_GetExpanderInfo, kRead, true) \
  X(QX_PD_GetPMInfo, kRead, true) \
  X(QX_PD_GetMBRInfo, kRead, true) \
  X(QX_PD_GET_SMART_INFO, kRead, true) \
  X(QX_PD_BGAControl, kWrite, true) \
  X(QX_PD_StartMediaPatrol, kWrite, true) \
  X(QX_PD_StartDataScrub, kWrite, true) \
  X(QX_PD_SetHDStatus, kWrite, true) \
  X(QX_PD_FreeHD2GlobalSpare, kWrite, true) \
  X(QX_PD_FreeHD2DGSpare, kWrite, true) \
  X(QX_PD_Spare2FreeHD, kWrite, true) \
  X(QX_PD_WipeHDRMD, kWrite, true) \
  X(QX_PD_OEMData, kWrite, true) \
  X(QX_PD_RCT_GetCount, kRead, true) \
  X(QX_PD_GetRCT, kRead, true) \
  X(QX_BLK_GetHDBlock, kRead, true) \
  X(QX_BLK_GetInfo, kRead, true) \
  X(QX_DiskHasOS, kRead, true) \
  X(QX_BBU_GetInfo, kRead, true) \
  X(QX_BBU_ChangePower, kWrite, true) \
  X(QX_ENC_GetEnclosureInfo, kRead, true) \
  X(QX_ENC_GetElementInfo, kRead, true) \
  X(QX_ENC_GetElementConfig, kRead, true) \
  X(QX_LocateArrayDevice, kWrite, true) \
  X(QX_EVT_GetEvent, kRead, true) \
  X(QX_Flash_GetHeaderInfo2, kNone, true) \
  X(QX_Flash_PreData, kRead, true) \
  X(QX_Flash_Bin, kWrite, true) \
  X(QX_Flash_Erase, kWrite, true) \
  X(QX_AES_GetEntryConfig, kRead, true) \
  X(QX_AES_SetEntryConfig, kWrite, true) \
  X(QX_AES_GetEntryInfo, kRead, true) \
  X(QX_AES_OnlyGetEntryInfo, kRead, true) \
  X(QX_AES_OnlyGetPortInfo, kRead, true) \
  X(QX_AES_GetPortConfig, kRead, true) \
  X(QX_AES_SetPortConfig, kWrite, true) \
  X(QX_AES_SetLink, kWrite, true) \
  X(QX_AES_ClearLink, kWrite, true) \
  X(QX_AES_ChangePwd, kWrite, true) \
  X(QX_AES_VerifyKey, kRead, true) \
  X(QX_AES_ForcePDOnline, kWrite, true) \
  X(QX_TwinTier_AddFSEntries, kWrite, true) \
  X(QX_TwinTier_GetEntriesTableInfo, kRead, true) \
  X(QX_TwinTier_RemoveEntriesTable, kWrite, true) \
  X(QX_TwinTier_AddSegment, kWrite, true) \
  X(QX_TwinTier_GetSegment, kRead, true) \
  X(QX_TwinTier_RemoveSegments, kWrite, true) \
  X(QX_Tier_GetHDMagic, kRead, true) \
  X(QX_Tier_GetVDMagic, kRead, true) \
  X(QX_Tier_GetVDLink, kRead, true) \
  X(QX_VDHDD_AddLink, kWrite, true) \
  X(QX_PassThrough, kWrite, true) \
  X(QX_PassThrough_SCSI, kWrite, true) \
  X(QX_DBG_Map, kRead, true) \
  X(qx_dump_dbg_msg_handle_set_cfg, kWrite, true) \
  X(qx_dump_dbg_msg_handle_get_cfg, kRead, true) \
  X(qx_dump_dbg_msg_handle_status, kRead, true) \
  X(qx_dump_dbg_msg_handle_data, kWrite, true)
// clang-format on

namespace qx::sim {

// One enumerator per call, named as the function is.
enum class Call : uint8_t {
#define QX_CALL_ENUMERATOR(name, access, implemented) name,
  QX_CALL_LIST(QX_CALL_ENUMERATOR)
#undef QX_CALL_ENUMERATOR
};

struct CallInfo {
  const char* name;
  Access access;     // kNone: answered without the state, so no fault applies
  bool implemented;  // exported by the library
};

// The entry of a call.
const CallInfo& call_info(Call call);

// Every declared call.
std::span<const CallInfo> all_calls();

// The entry of the call named `name`; nullptr when the library declares none.
const CallInfo* find_call(std::string_view name);

// Why an injected fault on the function `name` could never fire ("is not
// the name of a library function", ...); nullptr when it can.
const char* fault_refusal(std::string_view name);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_CALL_REGISTRY_H
