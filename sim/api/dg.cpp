// Arrays and package VDs: QX_DG_GetInfo, QX_DG_Delete, QX_PackageVD_Delete.
// Arrays-less adapters have none of them and answer 160.
#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/array_delete.h"
#include "sim/engine/array_records.h"
#include "sim/engine/paging.h"

using qx::sim::Call;
using qx::sim::ArrayView;
using qx::sim::Session;

namespace {

bool has_arrays(Session& s) {
  return s.adapter().max_arrays != 0;
}

}  // namespace

extern "C" {

QX_API_EXPORT uint8_t QX_DG_GetInfo(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call(Call::QX_DG_GetInfo, adapter, [&](Session& s) {
    if (!has_arrays(s)) return uint8_t{qx::kNotSupportedOnAdapter};
    qx::sim::ListSource<ArrayView, QX_ARRAY_INFO> source;
    source.missing_status = qx::kInvalidArrayId;
    source.page = [&s](int64_t start, int64_t limit) {
      return qx::sim::array_views(s, start, limit);
    };
    source.one = [&s](int64_t id) { return qx::sim::array_view(s, id); };
    source.id_of = [](const ArrayView& v) { return int64_t{v.array.id}; };
    source.record = [&s](const ArrayView& v) { return qx::sim::array_info_record(v, s.adapter()); };
    return qx::sim::serve_list(query, s.adapter().max_buffer_kb, source);
  });
}

QX_API_EXPORT uint8_t QX_DG_Delete(uint8_t adapter, uint16_t array_id) {
  return qx::sim::api_call(Call::QX_DG_Delete, adapter, [&](Session& s) {
    if (!has_arrays(s)) return uint8_t{qx::kNotSupportedOnAdapter};
    return qx::sim::delete_array(s, array_id);
  });
}

// `flag` 1 is the only value callers send.
QX_API_EXPORT uint8_t QX_PackageVD_Delete(uint8_t adapter, uint16_t package_vd_id, uint8_t flag) {
  return qx::sim::api_call(Call::QX_PackageVD_Delete, adapter, [&](Session& s) {
    if (!has_arrays(s)) return uint8_t{qx::kNotSupportedOnAdapter};
    if (flag != 1) return uint8_t{qx::kInvalidParameter};
    return qx::sim::delete_package_vd(s, package_vd_id);
  });
}

}  // extern "C"
