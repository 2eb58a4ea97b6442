// QX_Adapter_Get_OEM_Data: the OEM data an adapter answers.
#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"

using qx::sim::Call;
using qx::sim::Session;

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
      default:
        // The adapter key and the media-patrol schedule are not part of the
        // simulated adapter yet; it answers as an adapter without them.
        return uint8_t{qx::kNotSupported};
    }
  });
}

}  // extern "C"
