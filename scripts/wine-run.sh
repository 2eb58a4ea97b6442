#!/usr/bin/env bash
# Runs a Windows program under wine for the tests: `wine-run.sh PROGRAM ARGS...`,
# with the program's standard streams and exit status passed through.
#
# One failure of wine itself is retried: its loader now and then exits with
# status 127 and "Inconsistency detected by ld.so" before the program starts
# (so the program has read no input and written nothing). Each retry is
# counted in the file named by QX_WINE_RETRY_LOG, when set. Any other
# failure is the program's own and is passed on as it is.
set -uo pipefail
wine=${QX_WINE:-wine}
err=$(mktemp)
trap 'rm -f "$err"' EXIT
for attempt in 1 2; do
  "$wine" "$@" 2>"$err"
  status=$?
  if [[ $status -eq 127 ]] && grep -q "Inconsistency detected by ld.so" "$err"; then
    [[ -n ${QX_WINE_RETRY_LOG:-} ]] && echo "$*" >>"$QX_WINE_RETRY_LOG"
    [[ $attempt -lt 2 ]] && continue
  fi
  break
done
cat "$err" >&2
exit "$status"
