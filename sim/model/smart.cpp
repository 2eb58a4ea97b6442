#include "sim/model/smart.h"

#include <algorithm>

namespace qx::sim {

const Model<SmartAttribute>& smart_model() {
  using S = SmartAttribute;
  static const Model<SmartAttribute> model = [] {
    Model<S> m;
    m.table = "smart_attributes";
    m.doc =
        "SMART attributes of SATA disks, at most 30 a disk. A disk's SMART status is OK unless an "
        "attribute's current value is at or below its non-zero threshold; the worst value follows the "
        "lowest current one, and attribute 9's raw value counts simulated hours on.";
    m.key = {"pd", "id"};
    m.fields = {
        integer_field<S>("pd", &S::pd, 0, "SMART record", "disk the attribute belongs to"),
        integer_field<S>("id", &S::id, 0, "attribute id (0)", "attribute id"),
        text_field<S>("name", &S::name, 65, "", "attribute name (1)", "attribute name"),
        integer_field<S>("current", &S::current, 100, "current value (67)", "current normalized value"),
        integer_field<S>("worst", &S::worst, 100, "worst value (68)", "lowest value seen"),
        integer_field<S>("threshold", &S::threshold, 0, "threshold (75)", "failure threshold; 0 = none"),
        integer_field<S>("raw", &S::raw, 0, "raw value (69)", "raw value, 48 bits", 0, (int64_t{1} << 48) - 1),
    };
    Field<S> since = integer_field<S>("since_ms", &S::since_ms, 0, "raw value of attribute 9",
                                      "simulated time the raw value was set");
    since.in_scenario = false;
    m.fields.push_back(std::move(since));
    return m;
  }();
  return model;
}

uint64_t raw_now(const SmartAttribute& a, int64_t now_ms) {
  if (a.id != kPowerOnHoursAttribute || now_ms <= a.since_ms) return a.raw;
  const uint64_t raw = a.raw + static_cast<uint64_t>((now_ms - a.since_ms) / kMsPerHour);
  return std::min<uint64_t>(raw, (uint64_t{1} << 48) - 1);
}

std::vector<SmartAttribute> smart_set(const std::string& name, uint16_t pd) {
  struct Row {
    uint8_t id;
    const char* name;
    uint8_t value, threshold;
    uint64_t raw;
  };
  static const Row kHdd[] = {
      {1, "Raw Read Error Rate", 100, 16, 0},     {3, "Spin Up Time", 97, 24, 412},
      {4, "Start/Stop Count", 100, 0, 58},        {5, "Reallocated Sector Count", 100, 36, 0},
      {7, "Seek Error Rate", 100, 30, 0},         {9, "Power On Hours", 98, 0, 1520},
      {12, "Power Cycle Count", 100, 20, 57},     {194, "Temperature", 130, 0, 33},
      {197, "Current Pending Sector", 100, 0, 0}, {199, "UltraDMA CRC Error Count", 200, 0, 0},
  };
  static const Row kSsd[] = {
      {5, "Reallocated Sector Count", 100, 36, 0}, {9, "Power On Hours", 100, 0, 1520},
      {12, "Power Cycle Count", 100, 20, 57},      {173, "Wear Leveling Count", 99, 5, 12},
      {177, "Wear Range Delta", 100, 0, 1},        {194, "Temperature", 67, 0, 33},
      {241, "Total LBAs Written", 100, 0, 918273645},
  };
  std::vector<SmartAttribute> out;
  auto add = [&](const auto& rows) {
    for (const Row& r : rows) out.push_back({pd, r.id, r.name, r.value, r.value, r.threshold, r.raw, 0});
  };
  if (name == "hdd") add(kHdd);
  if (name == "ssd") add(kSsd);
  return out;
}

}  // namespace qx::sim
