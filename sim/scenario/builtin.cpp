#include "sim/scenario/builtin.h"

#include <algorithm>
#include <cstdio>

#include "sim/scenario/scenario.h"

namespace qx::sim {

namespace {

struct GeneratedScenario {
  const char* name;
  const char* description;
  nlohmann::ordered_json (*make)();
};

const GeneratedScenario kGenerated[] = {
    {"large",
     "One arrays-less SAS adapter with 1,024 disks behind 32 expanders in 32 enclosures, cabled as 8 chains of 4, "
     "for benchmarks.",
     &large_scenario},
};

}  // namespace

nlohmann::ordered_json large_scenario() {
  using json = nlohmann::ordered_json;
  constexpr int kDisks = 1024;
  constexpr int kPerExpander = 32;
  constexpr int kChainLength = 4;
  constexpr int kUplinkPhy = kPerExpander, kDownlinkPhy = kPerExpander + 1;
  json enclosures = json::array(), expanders = json::array(), elements = json::array();
  for (int x = 0; x < kDisks / kPerExpander; ++x) {
    char address[17];
    std::snprintf(address, sizeof address, "5F0A3C22%08X", 0x00100000u + static_cast<unsigned>(x));
    const bool first = x % kChainLength == 0;
    enclosures.push_back({{"id", x}, {"logical_id", address}, {"slots", kPerExpander}});
    expanders.push_back({{"id", x},
                         {"parent_kind", first ? 255 : 3},
                         {"parent_id", first ? 0 : x - 1},
                         {"parent_phys", json::array({first ? x / kChainLength : kDownlinkPhy})},
                         {"phys", json::array({kUplinkPhy})},
                         {"sas_address", address},
                         {"enclosure_id", x}});
    for (int slot = 0; slot < kPerExpander; ++slot)
      elements.push_back({{"enclosure", x}, {"type", "dev"}, {"number", slot}});
    for (int n = 0; n < 2; ++n) {
      elements.push_back({{"enclosure", x}, {"type", "pow"}, {"number", n}, {"flags", 8}});
      elements.push_back({{"enclosure", x}, {"type", "fan"}, {"number", n}, {"rpm", 6000}, {"max_rpm", 9000}});
    }
    elements.push_back({{"enclosure", x},       {"type", "tpr"},         {"number", 0},
                        {"celsius", 31},        {"high_critical", 60},   {"high_warning", 50},
                        {"low_critical", 5},    {"low_warning", 10}});
  }
  json disks = json::array();
  for (int i = 0; i < kDisks; ++i) {
    char serial[21];
    char sas[17];
    std::snprintf(serial, sizeof serial, "QL%08d", 500000 + i);
    std::snprintf(sas, sizeof sas, "5F0A3C22%08X", 0x00200000u + static_cast<unsigned>(i) * 4u);
    disks.push_back({{"id", i},
                     {"link_kind", 3},
                     {"parent_id", i / kPerExpander},
                     {"port", i % kPerExpander},
                     {"enclosure_id", i / kPerExpander},
                     {"type_bits", 4},
                     {"link_bits", 0x26},
                     {"model", "QXD-K1200 SAS"},
                     {"firmware", "KQ13"},
                     {"serial", serial},
                     {"sas_address", sas},
                     {"size_kb", 1172123568},
                     {"capabilities", 0x4F9},
                     {"link_speed", 4}});
  }
  json adapter = {{"id", 0},
                  {"device_id", 0x3180},
                  {"model", "QXR-3180 SAS HBA"},
                  {"serial", "QXC26010001"},
                  {"port_count", 8},
                  {"port_types", 0x05},
                  {"expander_support", 1},
                  {"adv_features", "0x00100000"},  // enclosures
                  {"max_disks", kDisks},
                  {"highest_pd_id", 255},
                  {"max_buffer_kb", 256},
                  {"disks", disks},
                  {"enclosures", enclosures},
                  {"expanders", expanders},
                  {"elements", elements}};
  return {{"description", kGenerated[0].description}, {"adapters", json::array({adapter})}};
}

std::vector<std::pair<std::string, std::string>> builtin_scenario_list() {
  std::vector<std::pair<std::string, std::string>> list;
  for (const BuiltinScenario& s : builtin_scenarios()) {
    nlohmann::ordered_json doc = parse_scenario(s.text);
    list.emplace_back(s.name, doc.value("description", ""));
  }
  for (const GeneratedScenario& g : kGenerated) list.emplace_back(g.name, g.description);
  std::sort(list.begin(), list.end());
  return list;
}

std::optional<nlohmann::ordered_json> builtin_scenario(const std::string& name) {
  for (const BuiltinScenario& s : builtin_scenarios())
    if (name == s.name) return parse_scenario(s.text);
  for (const GeneratedScenario& g : kGenerated)
    if (name == g.name) return g.make();
  return std::nullopt;
}

}  // namespace qx::sim
