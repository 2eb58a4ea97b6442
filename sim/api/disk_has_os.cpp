// QX_DiskHasOS: whether the running operating system is on one of the given
// VDs or disks.
#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/vd_records.h"

using qx::sim::Call;
using qx::sim::Session;

extern "C" {

QX_API_EXPORT uint8_t QX_DiskHasOS(uint8_t adapter, uint8_t kind, uint8_t count, const uint16_t* ids) {
  if (kind != QX_OS_CHECK_VDS && kind != QX_OS_CHECK_PDS) return qx::kInvalidParameter;
  if (count == 0 || ids == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_DiskHasOS, adapter, [&](Session& s) {
    // Every object must exist before any answer is given.
    bool has_os = false;
    for (uint8_t i = 0; i < count; ++i) {
      if (kind == QX_OS_CHECK_VDS) {
        if (!qx::sim::vd_exists(s, ids[i])) return uint8_t{qx::kVdMissing};
        has_os = has_os || qx::sim::vds_with_os(s).count(ids[i]) != 0;
      } else {
        std::optional<qx::sim::Disk> disk = qx::sim::present_disk(s, ids[i]);
        if (!disk) return uint8_t{qx::kPdMissing};
        has_os = has_os || qx::sim::disk_carries_os(s, *disk);
      }
    }
    if (!has_os) return uint8_t{qx::kOk};
    return uint8_t{kind == QX_OS_CHECK_VDS ? qx::kVdHasOs : qx::kDiskHasOs};
  });
}

}  // extern "C"
