// Where the simulator keeps its state, and opening it.
#ifndef QX_SIM_STORE_STATE_DIR_H
#define QX_SIM_STORE_STATE_DIR_H

#include <functional>
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

// QX_SIM_HOME as given; else $XDG_STATE_HOME/qxraid; else
// $HOME/.local/state/qxraid; else the same below the home directory the
// user database gives the user. XDG_STATE_HOME and HOME count only when they
// are absolute paths, so that the state never depends on the current
// directory. Without any of them StateError names the variables to set.
std::string choose_state_directory(const char* qx_sim_home, const char* xdg_state_home, const char* home,
                                   const std::function<std::string()>& account_home_of_user);
// The choice above from this process's environment and user.
std::string state_directory();
std::string state_file(const std::string& directory);

// Opens the state in `directory`, after checking its schema. When there is
// no state yet, it is created first with the built-in "default" scenario
// (safely against other processes doing the same). Never overwrites an
// existing file. Every error names the state file and says what is wrong.
std::unique_ptr<Db> open_state(const std::string& directory);

// Creates or replaces the state in `directory` with `scenario` (a built-in
// name or a file). Without `replace`, an existing state is left alone and
// StateError says so. With it, a state of ours is replaced in one
// transaction; a file that is not one (not a database, another schema) is
// removed and built afresh. A state that is locked, unreadable or not a
// regular file is never replaced: StateError says why.
void init_state(const std::string& directory, const std::string& scenario, bool replace);

}  // namespace qx::sim

#endif  // QX_SIM_STORE_STATE_DIR_H
