// Scenario documents from outside: any text must be refused with a message
// or loaded, and an accepted document must round-trip through the state.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "sim/engine/clock.h"
#include "sim/engine/image_files.h"
#include "sim/model/field.h"
#include "sim/scenario/scenario.h"
#include "sim/store/schema.h"

using namespace qx::sim;

namespace {

// Loads and round-trips one document in a transaction that is never
// committed.
void round_trip(Db& db, const json& doc) {
  Transaction txn(db, Transaction::Kind::kWrite);
  try {
    load_scenario(db, doc);
  } catch (const ScenarioError&) {
    return;
  }
  // Freeze time so that activity progress cannot move between the exports.
  Clock clock = read_clock(db);
  clock.freeze();
  write_clock(db, clock);
  json first = export_scenario(db);
  load_scenario(db, first);
  if (export_scenario(db) != first) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A state in a directory of its own: written images go to files beside it.
  static const std::string directory = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "qxsim-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    return pattern;
  }();
  static std::unique_ptr<Db> db = [] {
    auto d = std::make_unique<Db>(directory + "/state.db", Db::Mode::kCreate);
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
  round_trip(*db, doc);
  std::error_code ec;
  std::filesystem::remove_all(image_directory(*db), ec);  // no row names them: nothing was committed
  return 0;
}
