// Arrays and package VDs: QX_DG_GetInfo, QX_DG_GetConfig, QX_DG_SetConfig, QX_DG_Delete, QX_PackageVD_Delete.
// Arrays-less adapters have none of them and answer 160.
#include <cstring>

#include "api/event_catalogue.h"
#include "api/qx_api.h"
#include "api/status.h"
#include "sim/api/library.h"
#include "sim/engine/array_delete.h"
#include "sim/engine/array_records.h"
#include "sim/engine/events.h"
#include "sim/engine/paging.h"
#include "sim/engine/settings.h"
#include "sim/model/disk.h"
#include "sim/store/table.h"

using qx::sim::Call;
using qx::sim::Array;
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
    source.record = [](const ArrayView& v) { return qx::sim::array_info_record(v); };
    return qx::sim::serve_list(query, s.adapter().max_buffer_kb, source);
  });
}

QX_API_EXPORT uint8_t QX_DG_GetConfig(uint8_t adapter, QX_QUERY_HEADER* query) {
  return qx::sim::api_call(Call::QX_DG_GetConfig, adapter, [&](Session& s) {
    if (!has_arrays(s)) return uint8_t{qx::kNotSupportedOnAdapter};
    qx::sim::ListSource<Array, QX_ARRAY_CONFIG> source;
    source.missing_status = qx::kInvalidArrayId;
    source.page = [&s](int64_t start, int64_t limit) {
      return qx::sim::select_key_range(s.db(), qx::sim::array_model(), s.adapter_id(), start, qx::sim::kLastKey, limit);
    };
    source.one = [&s](int64_t id) { return qx::sim::select_by_id(s.db(), qx::sim::array_model(), s.adapter_id(), id); };
    source.id_of = [](const Array& a) { return int64_t{a.id}; };
    source.record = [](const Array& a) { return qx::sim::array_config_record(a); };
    return qx::sim::serve_list(query, s.adapter().max_buffer_kb, source);
  });
}

// The array's write cache is its member disks': a change reaches each of them.
QX_API_EXPORT uint8_t QX_DG_SetConfig(uint8_t adapter, uint16_t array_id, const QX_ARRAY_CONFIG* config) {
  if (config == nullptr) return qx::kInvalidParameter;
  return qx::sim::api_call(Call::QX_DG_SetConfig, adapter, [&](Session& s) {
    if (!has_arrays(s)) return uint8_t{qx::kNotSupportedOnAdapter};
    std::optional<Array> array = qx::sim::select_by_id(s.db(), qx::sim::array_model(), s.adapter_id(), array_id);
    if (!array) return uint8_t{qx::kInvalidArrayId};
    if (config->write_cache > 1) return uint8_t{qx::kInvalidParameter};
    // A name may fill the whole field, without its NUL.
    const size_t name_length = strnlen(config->name, sizeof config->name);
    array->name.assign(config->name, name_length);
    const bool cache = config->write_cache == 1;
    if (cache != array->write_cache) {
      array->write_cache = cache;
      for (uint16_t pd : array->pds) {
        std::optional<qx::sim::Disk> disk = qx::sim::select_by_id(s.db(), qx::sim::disk_model(), s.adapter_id(), pd);
        if (!disk || disk->write_cache == cache) continue;
        disk->write_cache = cache;
        qx::sim::update_row(s.db(), qx::sim::disk_model(), s.adapter_id(), *disk);
        qx::sim::log_event(s, qx::sim::NewEvent(qx::events::kPdCacheModeChanged, pd));
      }
    }
    qx::sim::update_row(s.db(), qx::sim::array_model(), s.adapter_id(), *array);
    return uint8_t{qx::kOk};
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
