// Scenario documents from outside: any text must be refused with a message
// or loaded, and an accepted document must round-trip through the state.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "sim/engine/clock.h"
#include "sim/model/field.h"
#include "sim/scenario/scenario.h"
#include "sim/store/schema.h"

using namespace qx::sim;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static std::unique_ptr<Db> db = [] {
    auto d = std::make_unique<Db>(":memory:", Db::Mode::kCreate);
    create_schema(*d);
    return d;
  }();
  std::string text(reinterpret_cast<const char*>(data), size);
  json doc;
  try {
    doc = parse_scenario(text);
  } catch (const ScenarioError&) {
    return 0;
  }
  Transaction txn(*db, Transaction::Kind::kWrite);
  try {
    load_scenario(*db, doc);
  } catch (const ScenarioError&) {
    return 0;
  }
  // Freeze time so that activity progress cannot move between the exports.
  Clock clock = read_clock(*db);
  clock.freeze();
  write_clock(*db, clock);
  json first = export_scenario(*db);
  load_scenario(*db, first);
  if (export_scenario(*db) != first) std::abort();
  return 0;
}
