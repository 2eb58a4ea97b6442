// Changing settings: QX_Adapter_GetConfig, QX_Adapter_SetConfig,
// QX_LD_SetConfig, QX_PD_SetConfig, QX_PD_SetHDStatus, QX_PD_OEMData,
// QX_VD_OEMData, QX_VDHDD_AddLink, QX_AdapterMute, QX_GetDriverMode, QX_SetDriverMode. The rules are in sim/engine/settings.h.
#include "api/event_catalogue.h"
#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/activity_rates.h"
#include "sim/engine/events.h"
#include "sim/engine/settings.h"
#include "sim/model/adapter.h"
#include "sim/model/disk.h"
#include "sim/model/vd.h"
#include "sim/store/table.h"

using qx::sim::Call;
using qx::sim::Disk;
using qx::sim::NewEvent;
using qx::sim::Session;

namespace {

std::optional<Disk> present_disk(Session& s, uint16_t pd) {
  std::optional<Disk> disk = qx::sim::select_by_id(s.db(), qx::sim::disk_model(), s.adapter_id(), pd);
  if (disk && !disk->present) return std::nullopt;
  return disk;
}

}  // namespace

extern "C" {

QX_API_EXPORT uint8_t QX_Adapter_GetConfig(uint8_t adapter, uint8_t* count, QX_ADAPTER_CONFIG* configs) {
  if (count == nullptr || configs == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_Adapter_GetConfig, adapter, [&](Session& s) {
    configs[0] = qx::sim::adapter_config_record(s.adapter());
    *count = 1;
    return uint8_t{qx::kOk};
  });
}

QX_API_EXPORT uint8_t QX_Adapter_SetConfig(uint8_t adapter, const QX_ADAPTER_CONFIG* config) {
  if (config == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_Adapter_SetConfig, adapter, [&](Session& s) {
    qx::sim::AdapterChange change = qx::sim::change_adapter_config(s.adapter(), *config);
    if (change.status != qx::kOk) return change.status;
    qx::sim::save_adapter(s.db(), change.adapter);
    qx::sim::rescale_activities(s, s.adapter(), change.adapter);
    for (const NewEvent& event : change.events) qx::sim::log_event(s, event);
    return uint8_t{qx::kOk};
  });
}

QX_API_EXPORT uint8_t QX_LD_SetConfig(uint8_t adapter, uint16_t vd_id, const QX_VD_CONFIG* config) {
  if (config == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_LD_SetConfig, adapter, [&](Session& s) {
    std::optional<qx::sim::Vd> vd = qx::sim::select_by_id(s.db(), qx::sim::vd_model(), s.adapter_id(), vd_id);
    if (!vd || vd->target_of != qx::sim::kNoId) return uint8_t{qx::kVdMissing};
    const uint8_t state = vd->state;
    if (state == QX_VD_OFFLINE || state == QX_VD_FOREIGN || state == QX_VD_IMPORTABLE_FOREIGN ||
        state == QX_VD_NOT_IMPORTABLE_FOREIGN)
      return uint8_t{qx::kVdStateWrong};
    qx::sim::VdChange change = qx::sim::change_vd_config(s.adapter(), *vd, *config);
    if (change.status != qx::kOk) return change.status;
    qx::sim::update_row(s.db(), qx::sim::vd_model(), s.adapter_id(), change.vd);
    if (change.policy_changed)
      qx::sim::log_event(s, NewEvent(qx::events::kVdCacheModeChanged, vd_id));
    return uint8_t{qx::kOk};
  });
}

QX_API_EXPORT uint8_t QX_PD_SetConfig(uint8_t adapter, uint16_t pd_id, const QX_PD_CONFIG* config) {
  if (config == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_PD_SetConfig, adapter, [&](Session& s) {
    std::optional<Disk> disk = present_disk(s, pd_id);
    if (!disk) return uint8_t{qx::kPdMissing};
    if (const uint8_t status = qx::sim::check_pd_config(*disk, *config); status != qx::kOk) return status;
    const bool cache = config->write_cache == 1;
    if (cache == disk->write_cache) return uint8_t{qx::kOk};
    disk->write_cache = cache;
    qx::sim::update_row(s.db(), qx::sim::disk_model(), s.adapter_id(), *disk);
    qx::sim::log_event(s, NewEvent(qx::events::kPdCacheModeChanged, pd_id));
    return uint8_t{qx::kOk};
  });
}

QX_API_EXPORT uint8_t QX_PD_SetHDStatus(uint8_t adapter, uint16_t pd_id, uint8_t state) {
  return qx::sim::api_call(Call::QX_PD_SetHDStatus, adapter,
                           [&](Session& s) { return qx::sim::set_disk_state(s, pd_id, state); });
}

// The locate LED, the only PD OEM request a disk answers; the locate command
// and `info -o pd` share its state.
QX_API_EXPORT uint8_t QX_PD_OEMData(uint8_t adapter, QX_DISK_OEM_DATA* request) {
  if (request == nullptr || request->length != QX_OEM_DISK_LENGTH) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_PD_OEMData, adapter, [&](Session& s) {
    if (request->sub_request != QX_OEM_DISK_LOCATE) return uint8_t{qx::kNotSupported};
    return qx::sim::set_locate_led(s, request->device_id, request->locate_on);
  });
}

// The key of a VD, the only VD OEM request a VD answers.
QX_API_EXPORT uint8_t QX_VD_OEMData(uint8_t adapter, QX_DISK_OEM_DATA* request) {
  if (request == nullptr || request->length != QX_OEM_DISK_LENGTH) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_VD_OEMData, adapter, [&](Session& s) {
    if (request->sub_request != QX_OEM_DISK_KEY) return uint8_t{qx::kNotSupported};
    std::optional<qx::sim::Vd> vd = qx::sim::select_by_id(s.db(), qx::sim::vd_model(), s.adapter_id(), request->device_id);
    if (!vd || vd->target_of != qx::sim::kNoId) return uint8_t{qx::kVdMissing};
    if (!vd->has_key) return uint8_t{qx::kNotSupported};
    for (size_t i = 0; i < 3; ++i) request->key[i] = vd->key[i];
    return uint8_t{qx::kOk};
  });
}

// A hybrid-tier VD's link to a disk; disk 65535 unlinks it.
QX_API_EXPORT uint8_t QX_VDHDD_AddLink(uint8_t adapter, const QX_VD_PD_LINK* link) {
  if (link == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_VDHDD_AddLink, adapter, [&](Session& s) {
    std::optional<qx::sim::Vd> vd = qx::sim::select_by_id(s.db(), qx::sim::vd_model(), s.adapter_id(), link->vd_id);
    if (!vd || vd->target_of != qx::sim::kNoId) return uint8_t{qx::kVdMissing};
    if (link->pd_id != qx::sim::kNoId && !present_disk(s, link->pd_id)) return uint8_t{qx::kPdMissing};
    if (vd->raid_level != QX_TIER_HYBRID) return uint8_t{qx::kNotSupported};
    vd->linked_pd = link->pd_id;
    qx::sim::update_row(s.db(), qx::sim::vd_model(), s.adapter_id(), *vd);
    return uint8_t{qx::kOk};
  });
}

// Silences the alarm of an adapter with a buzzer.
QX_API_EXPORT uint8_t QX_AdapterMute(uint8_t adapter) {
  return qx::sim::api_call(Call::QX_AdapterMute, adapter, [&](Session& s) {
    if (s.adapter().buzzer == 0) return uint8_t{qx::kNotSupported};
    qx::sim::Adapter muted = s.adapter();
    muted.alarm_muted = true;
    qx::sim::save_adapter(s.db(), muted);
    qx::sim::log_event(s, NewEvent(qx::events::kMiscBuzzerMuted, adapter));
    return uint8_t{qx::kOk};
  });
}

QX_API_EXPORT uint8_t QX_GetDriverMode(uint8_t adapter, uint32_t* mode) {
  if (mode == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_GetDriverMode, adapter, [&](Session& s) {
    *mode = s.adapter().driver_mode;
    return uint8_t{qx::kOk};
  });
}

QX_API_EXPORT uint8_t QX_SetDriverMode(uint8_t adapter, uint32_t mode) {
  return qx::sim::api_call(Call::QX_SetDriverMode, adapter, [&](Session& s) {
    if (mode != QX_DRIVER_POWER_SAVING && mode != QX_DRIVER_PERFORMANCE) return uint8_t{qx::kInvalidParameter};
    qx::sim::Adapter changed = s.adapter();
    changed.driver_mode = static_cast<uint8_t>(mode);
    qx::sim::save_adapter(s.db(), changed);
    return uint8_t{qx::kOk};
  });
}

}  // extern "C"
