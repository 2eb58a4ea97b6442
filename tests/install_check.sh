#!/usr/bin/env bash
# Installs into a scratch prefix and checks that the installed qxcli finds
# the installed library by itself, that a library of the same name earlier on
# the search path takes its place, and that the installed header compiles.
# usage: install_check.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
export QX_SIM_HOME=$scratch/state

for f in bin/qxcli bin/qxsim lib/libqx_api.so include/qxraid/api/qx_api.h include/qxraid/api/records.h; do
  [[ -e $scratch/prefix/$f ]] || { echo "not installed: $f" >&2; exit 1; }
done

# Found through the binary's own run path.
"$scratch/prefix/bin/qxcli" version | grep -q '^RaidAPI Version: ' || { echo "installed qxcli did not run" >&2; exit 1; }
loaded=$(LD_DEBUG=libs "$scratch/prefix/bin/qxcli" version 2>&1 >/dev/null | grep -o 'calling init: [^ ]*libqx_api.so' | head -1)
[[ $loaded == "calling init: $scratch/prefix/bin/../lib/libqx_api.so" ]] || { echo "loaded: $loaded" >&2; exit 1; }

# A library of the same name earlier on the search path wins.
mkdir "$scratch/other"
cp "$scratch/prefix/lib/libqx_api.so" "$scratch/other/"
loaded=$(LD_LIBRARY_PATH=$scratch/other LD_DEBUG=libs "$scratch/prefix/bin/qxcli" version 2>&1 >/dev/null |
  grep -o 'calling init: [^ ]*libqx_api.so' | head -1)
[[ $loaded == "calling init: $scratch/other/libqx_api.so" ]] || { echo "with LD_LIBRARY_PATH, loaded: $loaded" >&2; exit 1; }

# The installed header stands on its own, for C and C++ callers.
printf '#include "api/qx_api.h"\nint main(void) { return QX_API_Initialize() == 0 ? 0 : 1; }\n' > "$scratch/use.c"
cc -std=c11 -Wall -Werror -I"$scratch/prefix/include/qxraid" -c "$scratch/use.c" -o "$scratch/use.o"
c++ -std=c++20 -Wall -Werror -x c++ -I"$scratch/prefix/include/qxraid" -c "$scratch/use.c" -o "$scratch/use2.o"
echo "install ok"
