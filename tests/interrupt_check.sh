#!/usr/bin/env bash
# An interrupt (Ctrl+C) at the interactive prompt ends qxcli at once through
# its console control handler, without a hang: not by the end of its input,
# which stays open.
# usage: interrupt_check.sh QXCLI [EMULATOR...]   (EMULATOR runs a cross-built qxcli)
set -euo pipefail
qxcli=$1
run=("${@:2}")
scratch=$(mktemp -d)
pid=
cleanup() {
  [[ -n $pid ]] && kill -KILL "$pid" 2>/dev/null
  exec 3>&- || true
  rm -rf "$scratch"
}
trap cleanup EXIT
export QX_SIM_HOME=$scratch/state TZ=UTC
mkfifo "$scratch/input"
exec 3<>"$scratch/input"   # held open here, so qxcli never sees the end of its input

"${run[@]}" "$qxcli" <"$scratch/input" >"$scratch/out" 2>&1 &
pid=$!
for _ in $(seq 1 400); do
  grep -q '^> ' "$scratch/out" && break
  sleep 0.05
done
grep -q '^> ' "$scratch/out" || { echo "no prompt within 20 s:" >&2; cat "$scratch/out" >&2; exit 1; }

# Under an emulator the program is the wrapper's child.
target=$pid
if [[ ${#run[@]} -gt 0 ]]; then
  target=$(ps -o pid= --ppid "$pid" | head -1 | tr -d ' ')
  [[ -n $target ]] || { echo "the program under the emulator was not found" >&2; exit 1; }
fi
kill -INT "$target"
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.05
done
if kill -0 "$pid" 2>/dev/null; then
  echo "qxcli still runs 5 s after the interrupt" >&2
  exit 1
fi
status=0
wait "$pid" || status=$?
pid=
# 255 is the shell's own end (exit, quit, the end of input): the interrupt did not end it.
[[ $status -ne 255 ]] || { echo "qxcli ended as if its input had ended" >&2; exit 1; }
echo "interrupt ok (status $status)"
