// What each qxsim subcommand does.
#ifndef QX_TOOLS_QXSIM_ACTIONS_H
#define QX_TOOLS_QXSIM_ACTIONS_H

#include <cstdint>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace qxsim {

struct Options {
  std::string scenario = "default";
  bool force = false;
  double seconds = 0;
  double time = 0;
  std::string function;
  int status = 1;
  std::optional<int> adapter;
  std::optional<int> times;
  bool always = false;
  std::optional<int64_t> fault_id;
  int pd = 0;
  int pd_adapter = 0;
};

// Runs the parsed subcommand; returns the exit status.
int run(const CLI::App& app, const Options& options);

}  // namespace qxsim

#endif  // QX_TOOLS_QXSIM_ACTIONS_H
