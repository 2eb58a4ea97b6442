#!/usr/bin/env bash
# scripts/wine-run.sh retries wine's loader failure (status 127 with
# "Inconsistency detected by ld.so") once, counting it, passes every other
# result through untouched, and shows wine's own error lines marked. A
# stand-in for wine plays each part.
# usage: wine_retry_check.sh WINE_RUN
set -euo pipefail
wine_run=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$*" >&2; exit 1; }

# The stand-in fails the way the loader does while $scratch/flakes holds a
# count above 0 (taking one off each time), then prints and exits as asked.
cat >"$scratch/wine" <<'STANDIN'
#!/usr/bin/env bash
flakes=$(cat "$STANDIN_DIR/flakes")
if [[ $flakes -gt 0 ]]; then
  echo $((flakes - 1)) >"$STANDIN_DIR/flakes"
  echo "Inconsistency detected by ld.so: dl-open.c: 123: assertion failed" >&2
  exit 127
fi
cat                      # the program's input reaches it whole
echo "err: $*" >&2
exit "$STANDIN_STATUS"
STANDIN
chmod +x "$scratch/wine"
export QX_WINE=$scratch/wine STANDIN_DIR=$scratch QX_WINE_RETRY_LOG=$scratch/retries

run() {  # FLAKES STATUS: runs the wrapper with "in" as input; sets out, err, status
  echo "$1" >"$scratch/flakes"
  : >"$QX_WINE_RETRY_LOG"
  status=0
  STANDIN_STATUS=$2 "$wine_run" prog.exe a b <<<"in" >"$scratch/out" 2>"$scratch/err" || status=$?
  out=$(cat "$scratch/out") err=$(cat "$scratch/err")
}

run 0 3
[[ $status == 3 && $out == in && $err == "err: prog.exe a b" ]] || fail "plain run: $status '$out' '$err'"
[[ ! -s $QX_WINE_RETRY_LOG ]] || fail "a plain run was counted as a retry"

run 1 0
[[ $status == 0 && $out == in && $err == "err: prog.exe a b" ]] || fail "after one flake: $status '$out' '$err'"
[[ $(wc -l <"$QX_WINE_RETRY_LOG") == 1 ]] || fail "the retry was not counted"

run 2 0
[[ $status == 127 && $err == *"Inconsistency detected by ld.so"* ]] || fail "a second flake must not be retried: $status"

# Status 127 without the loader's message is the program's own.
cat >"$scratch/wine" <<'STANDIN'
#!/usr/bin/env bash
echo "tries" >>"$STANDIN_DIR/tries"
echo "not found" >&2
exit 127
STANDIN
run 0 0
[[ $status == 127 && $err == "not found" && $(wc -l <"$scratch/tries") == 1 ]] ||
  fail "another status 127 was retried or changed: $status '$err'"
# Wine's own error lines are set apart from the program's standard error and
# marked; without them the program's standard error passes byte for byte.
cat >"$scratch/wine" <<'STANDIN'
#!/usr/bin/env bash
printf 'err:virtual:virtual_alloc_first_teb failed\nown line\n0024:err:module:import_dll failed\nlast' >&2
exit 1
STANDIN
run 0 0
[[ $status == 1 && $err == $'own line\nlast\nwine: err:virtual:virtual_alloc_first_teb failed\nwine: 0024:err:module:import_dll failed' ]] ||
  fail "wine's error lines were not set apart: $status '$err'"
printf 'no line end' >"$scratch/expected"
cat >"$scratch/wine" <<'STANDIN'
#!/usr/bin/env bash
printf 'no line end' >&2
STANDIN
run 0 0
cmp -s "$scratch/err" "$scratch/expected" || fail "the program's standard error was changed"
echo "wine retry ok"
