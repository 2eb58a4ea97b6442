#!/usr/bin/env bash
# Runs a Windows program under wine for the tests: `wine-run.sh PROGRAM ARGS...`,
# with the program's standard streams and exit status passed through.
#
# Wine places some of its own memory at fixed addresses before the program
# starts. With the address space randomized, the system now and then has put
# something there first, and wine ended at once: with status 1 and "failed to
# map the shared user data" on its error channel (which WINEDEBUG=-all hides,
# so the step ended with status 1 and no output at all), or with status 127
# and "Inconsistency detected by ld.so". Wine therefore runs with address
# space randomization off for it (setarch -R), where the system allows it.
#
# The ld.so failure is still retried, once: it comes before the program
# starts, so the program has read no input and written nothing. Each retry
# is counted in the file named by QX_WINE_RETRY_LOG, when set. Any other
# failure is the program's own and is passed on as it is.
#
# Wine's own error channel stays on, so that a failure inside wine says what
# it was instead of leaving a bare status: its lines ("0024:err:...", or
# "err:..." before the first thread) follow the program's standard error,
# each marked "wine: ", and fail the step that shows them.
set -uo pipefail
wine=("${QX_WINE:-wine}")
# (A container may forbid the change; then wine runs as it is.)
if setarch "$(uname -m)" -R true 2>/dev/null; then wine=(setarch "$(uname -m)" -R "${wine[@]}"); fi
export WINEDEBUG=-all,err+all
err=$(mktemp)
trap 'rm -f "$err"' EXIT
for attempt in 1 2; do
  "${wine[@]}" "$@" 2>"$err"
  status=$?
  if [[ $status -eq 127 ]] && grep -q "Inconsistency detected by ld.so" "$err"; then
    [[ -n ${QX_WINE_RETRY_LOG:-} ]] && echo "$*" >>"$QX_WINE_RETRY_LOG"
    [[ $attempt -lt 2 ]] && continue
  fi
  break
done
wine_line='^([0-9a-f]{4,}:)?err:[a-z0-9_]+:'
if grep -aqE "$wine_line" "$err"; then
  grep -avE "$wine_line" "$err" >&2
  grep -aE "$wine_line" "$err" | sed 's/^/wine: /' >&2
else
  cat "$err" >&2   # byte for byte
fi
exit "$status"
