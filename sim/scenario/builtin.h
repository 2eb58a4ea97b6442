// Scenarios compiled into the library.
#ifndef QX_SIM_SCENARIO_BUILTIN_H
#define QX_SIM_SCENARIO_BUILTIN_H

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace qx::sim {

// A JSON document from sim/scenarios/, embedded at build time.
struct BuiltinScenario {
  const char* name;
  const char* text;
};
const std::vector<BuiltinScenario>& builtin_scenarios();

// Every built-in scenario name with a one-line description, in name order.
std::vector<std::pair<std::string, std::string>> builtin_scenario_list();

// The document of a built-in scenario (embedded or generated), if it exists.
std::optional<nlohmann::ordered_json> builtin_scenario(const std::string& name);

// Generated scenarios (too large or too regular to keep as text).
nlohmann::ordered_json large_scenario();

}  // namespace qx::sim

#endif  // QX_SIM_SCENARIO_BUILTIN_H
