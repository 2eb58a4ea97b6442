// A state directory of its own for a test, removed afterwards.
#ifndef QX_SIM_TESTING_TEMP_STATE_H
#define QX_SIM_TESTING_TEMP_STATE_H

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>

#include "sim/store/state_dir.h"

namespace qx::sim::testing {

class TempState {
 public:
  // Creates the directory; with a scenario, loads it.
  explicit TempState(const std::string& scenario = "") {
    // create_directory() is false for a name that exists, so each test gets a
    // folder of its own even when test programs run side by side.
    std::random_device seed;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100 && dir_.empty(); ++attempt) {
      auto candidate = base / ("qxsim-test-" + std::to_string(seed()));
      if (std::filesystem::create_directory(candidate)) dir_ = candidate.string();
    }
    if (dir_.empty()) throw std::runtime_error("cannot create a temporary state directory");
    if (!scenario.empty()) init_state(dir_, scenario, false);
  }
  ~TempState() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  TempState(const TempState&) = delete;
  TempState& operator=(const TempState&) = delete;

  const std::string& dir() const { return dir_; }
  std::string file() const { return state_file(dir_); }
  std::unique_ptr<Db> open() const { return open_state(dir_); }

 private:
  std::string dir_;
};

}  // namespace qx::sim::testing

#endif  // QX_SIM_TESTING_TEMP_STATE_H
