// Where the simulator keeps its state, and opening it.
#ifndef QX_SIM_STORE_STATE_DIR_H
#define QX_SIM_STORE_STATE_DIR_H

#include <memory>
#include <stdexcept>
#include <string>

#include "sim/store/db.h"

namespace qx::sim {

// A state that cannot be opened or is not ours; the message names the file
// and the problem.
class StateError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// QX_SIM_HOME; else $XDG_STATE_HOME/qxraid; else ~/.local/state/qxraid.
std::string state_directory();
std::string state_file(const std::string& directory);

// Opens the state in `directory`, after checking its schema. When there is
// no state yet, it is created first with the built-in "default" scenario
// (safely against other processes doing the same). Never overwrites an
// existing file.
std::unique_ptr<Db> open_state(const std::string& directory);

// Creates or replaces the state in `directory` with `scenario` (a built-in
// name or a file). Without `replace`, an existing state is left alone and
// StateError says so. A state that fails its schema check is replaced only
// when `replace` is set.
void init_state(const std::string& directory, const std::string& scenario, bool replace);

}  // namespace qx::sim

#endif  // QX_SIM_STORE_STATE_DIR_H
