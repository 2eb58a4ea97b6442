#!/bin/sh
# Times one-shot qxcli displays side by side with an empty process and with
# the floor program on the same state.
# Usage: bench/run.sh QXCLI QXSIM TIME_COMMANDS FLOOR [ROUNDS]
set -eu
qxcli=$1 qxsim=$2 timer=$3 floor=$4 rounds=${5:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QX_SIM_HOME=$work/default "$qxsim" init --scenario default --force >/dev/null
QX_SIM_HOME=$work/large "$qxsim" init --scenario large --force >/dev/null
QX_SIM_HOME=$work/large "$qxsim" clock freeze >/dev/null
QX_SIM_HOME=$work/default "$qxsim" clock freeze >/dev/null
# Event logs of 64 records and of 4,096, the most an adapter keeps.
for n in 64 4096; do
  {
    printf '{"clock": {"frozen": true, "time_ms": 1767225600000}, "adapters": [{"events": ['
    i=1
    while [ "$i" -le "$n" ]; do
      [ "$i" -gt 1 ] && printf ','
      printf '{"class": 2, "code": 8, "time": %d, "device_id": 1}' $((1767225000 + i))
      i=$((i + 1))
    done
    printf ']}]}\n'
  } >"$work/events$n.json"
  QX_SIM_HOME=$work/events$n "$qxsim" init --scenario "$work/events$n.json" --force >/dev/null
done
# A host that sees 64 disks: the boot disk, a capacity-tier VD 0 and 62
# free disks exposed to it; diskidofvd walks them all and matches the VD.
{
  printf '{"clock": {"frozen": true, "time_ms": 1767225600000}, "adapters": [{"max_disks": 64, "highest_pd_id": 63, "disks": ['
  i=0
  while [ "$i" -lt 64 ]; do
    [ "$i" -gt 0 ] && printf ','
    exposed=true
    [ "$i" -lt 2 ] && exposed=false
    printf '{"id": %d, "port": %d, "size_kb": 104857600, "serial": "QB%08d", "model": "QXD-B1000 HDD", "os_exposed": %s}' \
      "$i" "$i" "$i" "$exposed"
    i=$((i + 1))
  done
  printf '], "vds": [{"id": 0, "raid_level": 10, "size_kb": 10485760}], "blocks": ['
  printf '{"id": 0, "pd": 0, "vd": 0, "member": 0, "start_kb": 262144, "size_kb": 10485760},'
  printf '{"id": 1, "pd": 1, "vd": 0, "member": 1, "start_kb": 262144, "size_kb": 10485760}]}]}\n'
} >"$work/host64.json"
QX_SIM_HOME=$work/host64 "$qxsim" init --scenario "$work/host64.json" --force >/dev/null
QX_SIM_HOME=$work/host64 "$qxsim" host present "$work/host64-root" >/dev/null
"$timer" --rounds "$rounds" \
  --case "empty process (/bin/true)" /bin/true \
  --case "floor (default)" "QX_SIM_HOME=$work/default" "$floor" \
  --floor "floor (default)" \
  --case "info -o hba (default)" TZ=UTC "QX_SIM_HOME=$work/default" "$qxcli" info -o hba \
  --case "info -o pd (default)" TZ=UTC "QX_SIM_HOME=$work/default" "$qxcli" info -o pd \
  --case "info -o vd (default)" TZ=UTC "QX_SIM_HOME=$work/default" "$qxcli" info -o vd \
  --case "topology (default)" TZ=UTC "QX_SIM_HOME=$work/default" "$qxcli" 1 topology \
  --case "enc -o ele (default)" TZ=UTC "QX_SIM_HOME=$work/default" "$qxcli" 1 enc -o ele \
  --case "smart -p 2 (default)" TZ=UTC "QX_SIM_HOME=$work/default" "$qxcli" smart -p 2 \
  --case "rct -d 13 (default)" TZ=UTC "QX_SIM_HOME=$work/default" "$qxcli" rct -d 13 \
  --case "aesport -o getCfg (default)" TZ=UTC "QX_SIM_HOME=$work/default" "$qxcli" 1 aesport -o getCfg \
  --case "map -a vd2pd (default)" TZ=UTC "QX_SIM_HOME=$work/default" "$qxcli" map -a vd2pd -p 3 -v 1 -u 1 \
  --case "map -a pd2vd (default)" TZ=UTC "QX_SIM_HOME=$work/default" "$qxcli" map -a pd2vd -p 4 -l 0x80080000 \
  --floor "" \
  --case "floor (large)" "QX_SIM_HOME=$work/large" "$floor" \
  --floor "floor (large)" \
  --case "info -o pd (large, 1,024 disks)" TZ=UTC "QX_SIM_HOME=$work/large" "$qxcli" info -o pd \
  --case "info -o vd (large)" TZ=UTC "QX_SIM_HOME=$work/large" "$qxcli" info -o vd \
  --case "get -o pd (large)" TZ=UTC "QX_SIM_HOME=$work/large" "$qxcli" get -o pd \
  --case "set -o hba (large)" TZ=UTC "QX_SIM_HOME=$work/large" "$qxcli" set -o hba -r 50 \
  --case "topology (large)" TZ=UTC "QX_SIM_HOME=$work/large" "$qxcli" topology \
  --case "enc -o ele (large)" TZ=UTC "QX_SIM_HOME=$work/large" "$qxcli" enc -o ele \
  --case "enc -o elecfg (large)" TZ=UTC "QX_SIM_HOME=$work/large" "$qxcli" enc -o elecfg \
  --floor "" \
  --case "floor (64 OS disks)" "QX_SIM_HOME=$work/host64" "$floor" \
  --floor "floor (64 OS disks)" \
  --case "diskidofvd -i 0 (64 OS disks)" TZ=UTC "QX_SIM_HOME=$work/host64" "QX_OS_ROOT=$work/host64-root" \
    "$qxcli" diskidofvd -i 0 \
  --floor "" \
  --case "event (64 events)" TZ=UTC "QX_SIM_HOME=$work/events64" "$qxcli" event \
  --floor "event (64 events)" \
  --case "event (4,096 events)" TZ=UTC "QX_SIM_HOME=$work/events4096" "$qxcli" event

# A full debug dump: a 64 KB ring filled with event messages (each qxsim run
# logs one), read into a new file once: reading consumes the ring and the file
# must be new, so it is timed once rather than in rounds.
QX_SIM_HOME=$work/dump "$qxsim" init --scenario default --force >/dev/null
QX_SIM_HOME=$work/dump "$qxsim" clock freeze >/dev/null
QX_SIM_HOME=$work/dump "$qxcli" dpmsg -s enable >/dev/null
i=0
while [ "$i" -lt 1100 ]; do
  QX_SIM_HOME=$work/dump "$qxsim" event add --class 2 --code 8 --device 1 >/dev/null
  i=$((i + 1))
done
start=$(date +%s%N)
QX_SIM_HOME=$work/dump "$qxcli" dpmsg -d "$work/dump.txt" >/dev/null
end=$(date +%s%N)
awk -v ns=$((end - start)) -v bytes="$(wc -c <"$work/dump.txt")" \
  'BEGIN { printf "%-40s %10.2f ms for %d bytes (target: under 1 s)\n", "dpmsg -d (a full 64 KB ring)", ns / 1e6, bytes }'
