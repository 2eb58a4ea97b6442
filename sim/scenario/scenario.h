// Scenarios: JSON documents that describe a state to start from. Loading one
// replaces the whole state; exporting the state gives a scenario that loads
// back into the same state.
#ifndef QX_SIM_SCENARIO_SCENARIO_H
#define QX_SIM_SCENARIO_SCENARIO_H

#include <cstddef>
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "sim/store/db.h"

namespace qx::sim {

// A scenario that cannot be loaded; the message names the key and the value.
class ScenarioError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A scenario file holds at most this many bytes (the largest built-in one
// is far below), and its values nest at most this deep.
inline constexpr size_t kMaxScenarioBytes = size_t{64} << 20;
inline constexpr size_t kMaxScenarioDepth = 32;

// Parses scenario text; a syntax error names the line and column. A key
// given twice in one object, or nesting deeper than kMaxScenarioDepth, is
// refused with the path where it happens.
nlohmann::ordered_json parse_scenario(const std::string& text);

// Checks the whole document and writes it into the state, replacing what
// was there. Needs a write transaction. Nothing is written when it throws
// (images written to content files are named by no row then). The content
// files of the images it replaces are the caller's to remove after the
// commit.
void load_scenario(Db& db, const nlohmann::ordered_json& scenario);

// The state as a scenario document.
nlohmann::ordered_json export_scenario(Db& db);

// Reads a built-in scenario by name, or a file by path.
nlohmann::ordered_json read_scenario(const std::string& name_or_path);

}  // namespace qx::sim

#endif  // QX_SIM_SCENARIO_SCENARIO_H
