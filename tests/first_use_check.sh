#!/usr/bin/env bash
# Eight processes use a state directory that does not exist yet, all at once:
# each must succeed and see the same adapters, and exactly one state must be
# left, without temporary files.
# usage: first_use_check.sh QXCLI [EMULATOR...]   (EMULATOR runs a cross-built qxcli)
set -euo pipefail
qxcli=$1
run=("${@:2}")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export QX_SIM_HOME=$scratch/first/use TZ=UTC

pids=()
for i in 1 2 3 4 5 6 7 8; do
  "${run[@]}" "$qxcli" adapter >"$scratch/out.$i" 2>"$scratch/err.$i" &
  pids+=($!)
done
failed=0
for i in "${!pids[@]}"; do
  if ! wait "${pids[$i]}"; then
    echo "process $((i + 1)) failed:" >&2
    cat "$scratch/err.$((i + 1))" >&2
    failed=1
  fi
done
[[ $failed -eq 0 ]] || exit 1
for i in 2 3 4 5 6 7 8; do
  cmp -s "$scratch/out.1" "$scratch/out.$i" || { echo "process $i printed something else:" >&2; diff "$scratch/out.1" "$scratch/out.$i" >&2; exit 1; }
done
grep -q "^Total number of adapters: [1-9]" "$scratch/out.1" || { echo "no adapter was found:" >&2; cat "$scratch/out.1" >&2; exit 1; }
left=$(cd "$QX_SIM_HOME" && ls -A)
[[ $left == "state.db"* && $left != *".new."* ]] || { echo "left in the state directory: $left" >&2; exit 1; }
echo "first use ok"
