#!/usr/bin/env bash
# The include rules of the layout. qxcli's sources (shell/, commands/,
# platform/) reach the simulator only through api/ and the library, so none
# of them includes a sim/ header. The shell never includes a command's
# header, so the dependency runs from commands/ to shell/ only.
# usage: include_check.sh SOURCE_DIR
set -euo pipefail
cd "$1"
status=0
# check WHAT PATH_PATTERN DIR...: every include of a matching path is a fault.
check() {
  local what=$1 pattern=$2
  shift 2
  local found
  if found=$(grep -rnE --include='*.cpp' --include='*.h' \
               "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"](\.\./)*($pattern)" "$@"); then
    printf '%s:\n%s\n' "$what" "$found" >&2
    status=1
  fi
}
check "qxcli sources that include a simulator header" 'sim/' shell commands platform
check "shell sources that include a command header" 'commands/' shell
exit $status
