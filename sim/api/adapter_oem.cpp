// QX_Adapter_Get_OEM_Data and QX_Adapter_Set_OEM_Data: the ROM version, the
// adapter key, the GUID wipe and the media-patrol schedule.
#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/patrol_schedule.h"
#include "sim/engine/settings.h"

using qx::sim::Call;
using qx::sim::Session;

namespace {
constexpr uint32_t kSecondsPerDay = 86400;
}  // namespace

extern "C" {

QX_API_EXPORT uint8_t QX_Adapter_Get_OEM_Data(uint8_t adapter, QX_OEM_DATA* request) {
  if (request == nullptr || request->length != QX_OEM_ADAPTER_LENGTH) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_Adapter_Get_OEM_Data, adapter, [&](Session& s) {
    const qx::sim::Adapter& a = s.adapter();
    switch (request->sub_request) {
      case QX_OEM_SUB_ROM_VERSION:
        // An adapter without an option ROM has no version to report.
        if (!a.has_rom_version) return uint8_t{qx::kNotSupported};
        for (size_t i = 0; i < 4; ++i) request->rom_version[i] = a.rom_version[i];
        return uint8_t{qx::kOk};
      case QX_OEM_SUB_KEY:
        if (!a.has_key) return uint8_t{qx::kNotSupported};
        for (size_t i = 0; i < 3; ++i) request->key[i] = a.key[i];
        return uint8_t{qx::kOk};
      case QX_OEM_SUB_SCHEDULE:
        if (!(a.features & QX_FEATURE_PD_BGA_STATUS)) return uint8_t{qx::kNotSupported};
        request->schedule = QX_OEM_SCHEDULE{};
        request->schedule.mode = a.schedule_mode;
        request->schedule.interval_seconds = uint32_t{a.schedule_days} * kSecondsPerDay;
        return uint8_t{qx::kOk};
      default:
        return uint8_t{qx::kNotSupported};
    }
  });
}

QX_API_EXPORT uint8_t QX_Adapter_Set_OEM_Data(uint8_t adapter, const QX_OEM_DATA* request) {
  if (request == nullptr || request->length != QX_OEM_ADAPTER_LENGTH) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_Adapter_Set_OEM_Data, adapter, [&](Session& s) {
    qx::sim::Adapter a = s.adapter();
    switch (request->sub_request) {
      case QX_OEM_SUB_WIPE_GUID:
        // A new GUID, as a controller draws one; it differs from the old.
        a.guid = a.guid * 1103515245u + 12345u + static_cast<uint32_t>(s.now_ms() & 0xFFFF);
        break;
      case QX_OEM_SUB_SCHEDULE:
        if (!(a.features & QX_FEATURE_PD_BGA_STATUS)) return uint8_t{qx::kNotSupported};
        if (request->schedule.mode > QX_SCHEDULE_AUTO) return uint8_t{qx::kInvalidParameter};
        qx::sim::set_patrol_schedule(a, request->schedule.mode, request->schedule.interval_seconds, s.now_ms());
        break;
      default:
        return uint8_t{qx::kNotSupported};
    }
    qx::sim::save_adapter(s.db(), a);
    return uint8_t{qx::kOk};
  });
}

}  // extern "C"
