// Reading VDs: QX_LD_GetInfo, QX_LD_GetStatus, QX_LD_GetTargetLDInfo.
#include <optional>
#include <set>
#include <vector>

#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/battery_power.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/paging.h"
#include "sim/engine/settings.h"
#include "sim/engine/vd_records.h"

using qx::sim::Call;
using qx::sim::ListSource;
using qx::sim::Session;
using qx::sim::VdView;

namespace {

// The listed VDs of the call's adapter, each answered as `Record`.
template <class Record>
ListSource<VdView, Record> vd_source(Session& s, std::function<Record(const VdView&)> record) {
  ListSource<VdView, Record> source;
  source.missing_status = qx::kVdMissing;
  source.page = [&s](int64_t start, int64_t limit) {
    return qx::sim::listed_vds(s, start, limit);
  };
  source.one = [&s](int64_t id) { return qx::sim::listed_vd(s, id); };
  source.id_of = [](const VdView& v) { return int64_t{v.vd.id}; };
  source.record = std::move(record);
  return source;
}

}  // namespace

extern "C" {

// The record shows the cache mode a VD runs in: one whose policy is
// automatic writes through while the battery is low.
QX_API_EXPORT uint8_t QX_LD_GetInfo(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call(Call::QX_LD_GetInfo, adapter, [&](Session& s) {
    std::optional<bool> battery_low;  // read once, when the first automatic VD is answered
    return qx::sim::serve_list(query, s.adapter().max_buffer_kb, vd_source<QX_VD_INFO>(s, [&](const VdView& v) {
                                 QX_VD_INFO r = qx::sim::vd_info_record(v);
                                 if ((r.cache_flags & QX_VD_CACHE_POLICY_MASK) != QX_VD_CACHE_AUTO) return r;
                                 if (!battery_low) {
                                   std::optional<qx::sim::Battery> b = qx::sim::read_battery(s);
                                   battery_low = b && qx::sim::battery_low(*b);
                                 }
                                 if (*battery_low)
                                   r.cache_flags = static_cast<uint8_t>((r.cache_flags & ~QX_VD_CACHE_POLICY_MASK) |
                                                                        QX_VD_CACHE_WRITE_THROUGH);
                                 return r;
                               }));
  });
}

QX_API_EXPORT uint8_t QX_LD_GetConfig(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call(Call::QX_LD_GetConfig, adapter, [&](Session& s) {
    return qx::sim::serve_list(query, s.adapter().max_buffer_kb, vd_source<QX_VD_CONFIG>(s, [](const VdView& v) {
                                 return qx::sim::vd_config_record(v.vd);
                               }));
  });
}

QX_API_EXPORT uint8_t QX_LD_GetStatus(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call(Call::QX_LD_GetStatus, adapter, [&](Session& s) {
    const std::set<uint16_t> patrolled = qx::sim::disks_under_patrol(s);
    auto source = vd_source<QX_VD_STATUS>(s, [&](const VdView& v) {
      return qx::sim::vd_status_record(v, s.now_ms(), qx::sim::has_patrolling_member(v, patrolled));
    });
    return qx::sim::serve_list(query, s.adapter().max_buffer_kb, source);
  });
}

QX_API_EXPORT uint8_t QX_LD_GetTargetLDInfo(uint8_t adapter, uint16_t vd_id, QX_VD_INFO* target) {
  if (target == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_LD_GetTargetLDInfo, adapter, [&](Session& s) {
    if (!qx::sim::listed_vd(s, vd_id)) return uint8_t{qx::kVdMissing};
    std::optional<VdView> built = qx::sim::migration_target(s, vd_id);
    // A VD that is not migrating has no target.
    if (!built) return uint8_t{qx::kInvalidRequest};
    *target = qx::sim::vd_info_record(*built);
    return uint8_t{qx::kOk};
  });
}

}  // extern "C"
