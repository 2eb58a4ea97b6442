#!/usr/bin/env bash
# Builds qxcli, qxsim and the simulated controller library, then runs qxcli
# with the given arguments (no arguments: the interactive shell).
# The simulated controllers live in $QX_SIM_HOME (default ~/.local/state/qxraid),
# created with the built-in "default" scenario on first use.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/deps.sh"
build="$top/build"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target qxcli qxsim >/dev/null
exec "$build/qxcli" "$@"
