#!/bin/sh
# Flash throughput: `flash -a update` and `flash -a backup` of a 16 MiB
# firmware image, side by side with an empty process, the floor program and
# a plain copy of the same file, in one run. Prints the medians, then the
# throughput of each transfer: 16 MiB over its median wall time, the whole
# process included.
# Usage: bench/flash.sh QXCLI QXSIM TIME_COMMANDS FLOOR [ROUNDS]
set -eu
qxcli=$1 qxsim=$2 timer=$3 floor=$4 rounds=${5:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

export QX_SIM_HOME="$work/state"
"$qxsim" init --scenario default --force >/dev/null
"$qxsim" clock freeze >/dev/null
# 16 MiB in all: the 48-byte header and the payload.
"$qxsim" image make "$work/16mib.img" --type firmware --adapter 0 --version 9.9.9.9 --size 16777168 >/dev/null
bytes=$(wc -c <"$work/16mib.img")

# A backup and a copy need a file that is not there yet: the wrapper removes
# it first, and times the same way with /bin/true as the empty process.
cat >"$work/fresh.sh" <<'SCRIPT'
#!/bin/sh
rm -f "$1"
shift
exec "$@"
SCRIPT
chmod +x "$work/fresh.sh"

"$timer" --rounds "$rounds" \
  --case "empty process (rm, /bin/true)" "$work/fresh.sh" "$work/out" /bin/true \
  --case "floor (default)" "$floor" \
  --case "cp 16 MiB" "$work/fresh.sh" "$work/copy.img" cp "$work/16mib.img" "$work/copy.img" \
  --case "flash -a update (16 MiB)" "$qxcli" flash -a update -t firmware -f "$work/16mib.img" \
  --case "flash -a backup (16 MiB)" "$work/fresh.sh" "$work/backup.img" "$qxcli" flash -a backup -t firmware \
  -f "$work/backup.img" | tee "$work/times"

cmp -s "$work/16mib.img" "$work/backup.img" || { echo "the backup differs from the image" >&2; exit 1; }
echo
# The label takes the first 40 columns; the median follows.
awk -v bytes="$bytes" '/^(flash|cp)/ {
  split(substr($0, 41), times, " ")
  printf "%-40s %8.0f MB/s\n", substr($0, 1, 40), bytes / 1000 / times[1]
}' "$work/times"
