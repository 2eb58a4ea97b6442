#!/usr/bin/env bash
# Runs one libFuzzer target for a bounded time, starting from its seeds.
# usage: run_fuzzer.sh TARGET_BINARY SEED_DIR SECONDS
# New inputs go to a scratch corpus, so the seed directory stays as committed.
# Exits non-zero on a crash, a hang (an input running over 10 s), a leak or a
# sanitizer report; the offending input is left in the working directory.
set -euo pipefail

if [[ $# -ne 3 ]]; then
  echo "usage: $0 TARGET_BINARY SEED_DIR SECONDS" >&2
  exit 2
fi
binary=$1
seeds=$2
seconds=$3

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT

echo "== $(basename "$binary"): ${seconds} s"
"$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
  -print_final_stats=1 -close_fd_mask=2 "$corpus" "$seeds"
