#include "sim/engine/smart_records.h"

#include <algorithm>

#include "sim/model/record_text.h"
#include "sim/store/table.h"

namespace qx::sim {

bool smart_healthy(const std::vector<SmartAttribute>& attributes) {
  return std::none_of(attributes.begin(), attributes.end(),
                      [](const SmartAttribute& a) { return a.threshold != 0 && a.current <= a.threshold; });
}

bool reports_smart(const Disk& d) {
  return is_data_disk(d) && (d.type_bits & QX_PD_TYPE_SATA) != 0 && (d.capabilities & QX_PD_CAP_SMART) != 0 &&
         d.smart;
}

std::vector<SmartAttribute> disk_smart(const Session& s, uint16_t pd) {
  return select_rows(s.db(), smart_model(), s.adapter_id(), "pd = ?1", {json(pd)}, "id");
}

QX_SMART_INFO smart_record(const std::vector<SmartAttribute>& attributes, uint8_t max_attributes, int64_t now_ms) {
  QX_SMART_INFO r{};
  r.status = smart_healthy(attributes) ? QX_SMART_STATUS_OK : 0;
  const size_t n = std::min<size_t>({attributes.size(), size_t{max_attributes}, size_t{QX_SMART_MAX_ATTRIBUTES}});
  for (size_t i = 0; i < n; ++i) {
    const SmartAttribute& a = attributes[i];
    QX_SMART_ATTRIBUTE& out = r.attributes[i];
    out.id = a.id;
    copy_text(out.name, a.name);
    out.current = a.current;
    out.worst = a.worst;
    out.threshold = a.threshold;
    const uint64_t raw = raw_now(a, now_ms);
    for (size_t b = 0; b < sizeof out.raw; ++b) out.raw[b] = static_cast<uint8_t>(raw >> (8 * b));
  }
  r.attribute_count = static_cast<uint16_t>(n);
  return r;
}

}  // namespace qx::sim
