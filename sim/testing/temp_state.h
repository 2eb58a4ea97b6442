// A state directory of its own for a test, removed afterwards.
#ifndef QX_SIM_TESTING_TEMP_STATE_H
#define QX_SIM_TESTING_TEMP_STATE_H

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "sim/store/state_dir.h"

namespace qx::sim::testing {

class TempState {
 public:
  // Creates the directory; with a scenario, loads it.
  explicit TempState(const std::string& scenario = "") {
    std::string pattern = (std::filesystem::temp_directory_path() / "qxsim-test-XXXXXX").string();
    dir_ = ::mkdtemp(pattern.data()) ? pattern : throw std::runtime_error("mkdtemp failed");
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
