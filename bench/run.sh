#!/bin/sh
# Times one-shot qxcli displays against an empty process, side by side.
# Usage: bench/run.sh QXCLI QXSIM TIME_COMMANDS [ROUNDS]
set -eu
qxcli=$1 qxsim=$2 timer=$3 rounds=${4:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QX_SIM_HOME=$work/default "$qxsim" init --scenario default --force >/dev/null
QX_SIM_HOME=$work/large "$qxsim" init --scenario large --force >/dev/null
QX_SIM_HOME=$work/large "$qxsim" clock freeze >/dev/null
QX_SIM_HOME=$work/default "$qxsim" clock freeze >/dev/null
"$timer" --rounds "$rounds" \
  --case "empty process (/bin/true)" /bin/true \
  --case "info -o hba (default)" TZ=UTC "QX_SIM_HOME=$work/default" "$qxcli" info -o hba \
  --case "info -o pd (default)" TZ=UTC "QX_SIM_HOME=$work/default" "$qxcli" info -o pd \
  --case "info -o vd (default)" TZ=UTC "QX_SIM_HOME=$work/default" "$qxcli" info -o vd \
  --case "info -o pd (large, 1,024 disks)" TZ=UTC "QX_SIM_HOME=$work/large" "$qxcli" info -o pd \
  --case "info -o vd (large)" TZ=UTC "QX_SIM_HOME=$work/large" "$qxcli" info -o vd
