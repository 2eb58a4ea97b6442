#!/usr/bin/env bash
# Installs into a scratch prefix and checks each system's rule for finding the
# library: the installed qxcli finds the installed library by itself, and a
# library of the same name in the place the system looks first takes its
# place (earlier on LD_LIBRARY_PATH on Linux; beside the program on Windows).
# Also checks that the installed header compiles.
# usage: install_check.sh BUILD_DIR [EMULATOR...]   (EMULATOR: a Windows build)
set -euo pipefail
build=$1
run=("${@:2}")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
export QX_SIM_HOME=$scratch/state

fail() { echo "$*" >&2; exit 1; }
runs_version() { "$@" version 2>/dev/null | grep -q '^RaidAPI Version: '; }

if [[ ${#run[@]} -eq 0 ]]; then
  for f in bin/qxcli bin/qxsim lib/libqx_api.so include/qxraid/api/qx_api.h include/qxraid/api/records.h; do
    [[ -e $scratch/prefix/$f ]] || fail "not installed: $f"
  done

  # Found through the binary's own run path.
  runs_version "$scratch/prefix/bin/qxcli" || fail "installed qxcli did not run"
  loaded=$(LD_DEBUG=libs "$scratch/prefix/bin/qxcli" version 2>&1 >/dev/null | grep -o 'calling init: [^ ]*libqx_api.so' | head -1)
  [[ $loaded == "calling init: $scratch/prefix/bin/../lib/libqx_api.so" ]] || fail "loaded: $loaded"

  # A library of the same name earlier on the search path wins.
  mkdir "$scratch/other"
  cp "$scratch/prefix/lib/libqx_api.so" "$scratch/other/"
  loaded=$(LD_LIBRARY_PATH=$scratch/other LD_DEBUG=libs "$scratch/prefix/bin/qxcli" version 2>&1 >/dev/null |
    grep -o 'calling init: [^ ]*libqx_api.so' | head -1)
  [[ $loaded == "calling init: $scratch/other/libqx_api.so" ]] || fail "with LD_LIBRARY_PATH, loaded: $loaded"
  cc=(cc) cxx=(c++)
else
  # One folder, the library beside the programs.
  for f in qxcli.exe qxsim.exe qx_api.dll README.md include/qxraid/api/qx_api.h include/qxraid/api/records.h; do
    [[ -e $scratch/prefix/$f ]] || fail "not installed: $f"
  done
  runs_version "${run[@]}" "$scratch/prefix/qxcli.exe" || fail "installed qxcli.exe did not run"

  # The program's own folder comes before the search path: with a good
  # library only on the path, qxcli runs; with an unusable one beside it as
  # well, that one is taken (and fails to load), not the one on the path.
  mkdir "$scratch/program" "$scratch/path"
  cp "$scratch/prefix/qxcli.exe" "$scratch/program/"
  cp "$scratch/prefix/qx_api.dll" "$scratch/path/"
  export WINEPATH=$scratch/path
  runs_version "${run[@]}" "$scratch/program/qxcli.exe" || fail "qxcli.exe did not find qx_api.dll on the search path"
  echo "not a library" >"$scratch/program/qx_api.dll"
  ! runs_version "${run[@]}" "$scratch/program/qxcli.exe" || fail "qx_api.dll beside qxcli.exe was passed over"
  unset WINEPATH
  cc=(x86_64-w64-mingw32-gcc-posix) cxx=(x86_64-w64-mingw32-g++-posix)
fi

# The installed header stands on its own, for C and C++ callers.
printf '#include "api/qx_api.h"\nint main(void) { return QX_API_Initialize() == 0 ? 0 : 1; }\n' > "$scratch/use.c"
"${cc[@]}" -std=c11 -Wall -Werror -I"$scratch/prefix/include/qxraid" -c "$scratch/use.c" -o "$scratch/use.o"
"${cxx[@]}" -std=c++20 -Wall -Werror -x c++ -I"$scratch/prefix/include/qxraid" -c "$scratch/use.c" -o "$scratch/use2.o"
echo "install ok"
