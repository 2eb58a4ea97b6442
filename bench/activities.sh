#!/bin/sh
# Background activities: one `qxsim clock advance` that completes 500
# activities (250 initializations, 250 media patrols, each due at its own
# time), timed side by side with one that completes none; and `info -o vd`
# on `default` with every VD busy, side by side with the floor program.
# Usage: bench/activities.sh QXCLI QXSIM TIME_COMMANDS FLOOR [ROUNDS]
set -eu
qxcli=$1 qxsim=$2 timer=$3 floor=$4 rounds=${5:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# 250 single-disk VDs, each initializing, and a media patrol on every disk.
{
  printf '{"clock": {"frozen": true, "time_ms": 1767225600000}, "adapters": [{"max_vds": 255, '
  printf '"max_total_blocks_wide": 255, "features": "0x3F", "highest_pd_id": 255, "disks": ['
  i=0; while [ $i -lt 250 ]; do
    [ $i -gt 0 ] && printf ','
    printf '{"id": %d, "port": %d, "size_kb": 10485760}' $i $i; i=$((i + 1)); done
  printf '], "vds": ['
  i=0; while [ $i -lt 250 ]; do
    [ $i -gt 0 ] && printf ','
    printf '{"id": %d, "raid_level": 0, "size_kb": 10223616}' $i; i=$((i + 1)); done
  printf '], "blocks": ['
  i=0; while [ $i -lt 250 ]; do
    [ $i -gt 0 ] && printf ','
    printf '{"id": %d, "pd": %d, "vd": %d, "start_kb": 262144, "size_kb": 10223616}' $i $i $i; i=$((i + 1)); done
  printf '], "activities": ['
  i=0; while [ $i -lt 250 ]; do
    [ $i -gt 0 ] && printf ','
    printf '{"id": %d, "kind": "init_background", "vd": %d, "duration_s": %d},' $i $i $((100 + i))
    printf '{"id": %d, "kind": "media_patrol", "pd": %d, "duration_s": %d}' $((250 + i)) $i $((50 + 2 * i))
    i=$((i + 1)); done
  printf ']}]}\n'
} > "$work/busy.json"

# 256 disks, each busy: a media patrol on every even one (a member of a
# one-disk VD), data scrubbing on every odd one (a spare); the device id is one
# whose PD listing shows each disk's activity. With "idle", the same disks
# without activities.
patrols() {
  printf '{"clock": {"frozen": true, "time_ms": 1767225600000}, "adapters": [{"max_vds": 255, '
  printf '"max_total_blocks_wide": 255, "features": "0x3F", "device_id": "0x7230", "highest_pd_id": 255, "max_disks": 256, "disks": ['
  i=0; while [ $i -lt 256 ]; do
    [ $i -gt 0 ] && printf ','
    spare=none; [ $((i % 2)) -eq 1 ] && spare=global
    printf '{"id": %d, "port": %d, "size_kb": 10485760, "spare": "%s"}' $i $((i % 16)) $spare; i=$((i + 1)); done
  printf '], "vds": ['
  i=0; while [ $i -lt 128 ]; do
    [ $i -gt 0 ] && printf ','
    printf '{"id": %d, "raid_level": 0, "size_kb": 10223616}' $i; i=$((i + 1)); done
  printf '], "blocks": ['
  i=0; while [ $i -lt 128 ]; do
    [ $i -gt 0 ] && printf ','
    printf '{"id": %d, "pd": %d, "vd": %d, "start_kb": 262144, "size_kb": 10223616}' $i $((2 * i)) $i; i=$((i + 1)); done
  printf '], "activities": ['
  i=0; while [ "$1" = busy ] && [ $i -lt 256 ]; do
    [ $i -gt 0 ] && printf ','
    kind=media_patrol; [ $((i % 2)) -eq 1 ] && kind=data_scrub
    printf '{"id": %d, "kind": "%s", "pd": %d, "duration_s": 100000}' $i $kind $i; i=$((i + 1)); done
  printf ']}]}\n'
}
for load in busy idle; do
  patrols $load > "$work/patrols_$load.json"
  QX_SIM_HOME=$work/patrols_$load "$qxsim" init --scenario "$work/patrols_$load.json" --force >/dev/null
done

# Each round loads the state afresh, so every advance completes all 500.
cat > "$work/advance.sh" <<SCRIPT
#!/bin/sh
QX_SIM_HOME=$work/\$1 "$qxsim" init --scenario "$work/busy.json" --force >/dev/null
QX_SIM_HOME=$work/\$1 "$qxsim" clock advance \$2 >/dev/null
SCRIPT
chmod +x "$work/advance.sh"

QX_SIM_HOME=$work/default "$qxsim" init --scenario default --force >/dev/null
QX_SIM_HOME=$work/default "$qxsim" clock freeze >/dev/null
QX_SIM_HOME=$work/default "$qxcli" cc -l 1 >/dev/null
QX_SIM_HOME=$work/default "$qxsim" pd pull 0 >/dev/null
QX_SIM_HOME=$work/default "$qxcli" rebuild -l 0 -d 10 >/dev/null

"$timer" --rounds "$rounds" \
  --case "load, advance completing none" "$work/advance.sh" none 1 \
  --case "load, advance completing 500" "$work/advance.sh" all 100000 \
  --floor "" \
  --case "floor (default)" "QX_SIM_HOME=$work/default" "$floor" \
  --floor "floor (default)" \
  --case "info -o vd (default, every VD busy)" TZ=UTC "QX_SIM_HOME=$work/default" "$qxcli" info -o vd \
  --case "floor (256 disks)" "QX_SIM_HOME=$work/patrols_busy" "$floor" \
  --floor "floor (256 disks)" \
  --case "info -o pd (256 disks, each patrolled or scrubbed)" TZ=UTC "QX_SIM_HOME=$work/patrols_busy" "$qxcli" info -o pd \
  --case "info -o pd (the 256 disks idle)" TZ=UTC "QX_SIM_HOME=$work/patrols_idle" "$qxcli" info -o pd
