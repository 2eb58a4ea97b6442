#!/usr/bin/env bash
# Cross-builds the Windows programs (qxcli.exe, qxsim.exe, qx_api.dll) into
# build-windows/ with MinGW-w64 and runs the whole test suite against them
# under wine: the unit tests through wine, every transcript through the
# native runner in its "\r\n" mode. Then packs qxraid-VERSION-windows-x64.zip.
# usage: scripts/windows.sh   (any arguments go to ctest, e.g. -R cli/)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
# Each stage is announced with the seconds since the start, to show where the time goes.
stage() { echo "== $1 (at ${SECONDS} s)"; }
"$top/scripts/deps.sh" --windows

# A compiler cache, when there is one, serves the cross-build as it serves the native one.
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

stage "native transcript runner"
native=$top/build
cmake -S "$top" -B "$native" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQX_WERROR=ON "${launcher[@]}" >/dev/null
cmake --build "$native" -j"$jobs" --target cli_transcript_runner

# wine gets a prefix of its own, never the user's, and says nothing of its
# own. A wineserver started first and kept running serves every test; its
# output goes nowhere, or a background wine process would hold the runner's
# pipes open.
scratch=$(mktemp -d)
export WINEPREFIX=$scratch/wine WINEDEBUG=-all
export QX_WINE_RETRY_LOG=$scratch/wine-retries
export QX_SIM_HOME=$scratch/state   # a program run by hand never touches the user's state
: >"$QX_WINE_RETRY_LOG"
stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$scratch"
}
trap stop_wine EXIT
mkdir -p "$WINEPREFIX"
wineserver -p >/dev/null 2>&1 </dev/null
# The prefix is created once, before any test, while the programs build.
wineboot -i >/dev/null 2>&1 </dev/null &
prefix_ready=$!

stage "cross-build"
build=$top/build-windows
cmake -S "$top" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release -DQX_WERROR=ON \
  "${launcher[@]}" -DQX_SQLITE_SOURCE="$top/build-deps/sqlite" \
  -DQX_TRANSCRIPT_RUNNER="$native/tests/cli/cli_transcript_runner" >/dev/null
cmake --build "$build" -j"$jobs"
wait "$prefix_ready" || true   # a prefix wineboot could not finish shows in the tests

stage "tests under wine"
status=0
ctest --test-dir "$build" -j"$jobs" --output-on-failure "$@" || status=$?
retries=$(wc -l <"$QX_WINE_RETRY_LOG")
echo "wine's loader failure (status 127, \"Inconsistency detected by ld.so\") was retried $retries times"
[[ $status -eq 0 ]] || exit "$status"

stage "package"
(cd "$build" && cpack -G ZIP >/dev/null)
zip=("$build"/qxraid-*-windows-x64.zip)
# One folder with the programs, the library beside them and the README; nothing else.
folder=$(basename "${zip[0]}" .zip)
listed=$(cmake -E tar tf "${zip[0]}" | sort | tr '\n' ' ')
expected="$folder/README.md $folder/qx_api.dll $folder/qxcli.exe $folder/qxsim.exe "
[[ $listed == "$expected" ]] || { echo "${zip[0]} holds: $listed" >&2; exit 1; }
echo "${zip[0]}"
stage "done"
