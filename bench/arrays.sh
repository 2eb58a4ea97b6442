#!/bin/sh
# Building an array, and a VD on one, against the floor program on the same
# state: on an array-capable adapter that is the only one (build.json's
# shape) and on adapter 1 of `default`, whose start-up reads two adapters.
# Every run starts from a fresh copy of its state, the floor's too, so the
# copy costs both sides alike. With valgrind at hand it also prints the
# instruction counts (callgrind), which repeat exactly whatever the load.
# Usage: bench/arrays.sh QXCLI QXSIM TIME_COMMANDS FLOOR [ROUNDS]
set -eu
qxcli=$1 qxsim=$2 timer=$3 floor=$4 rounds=${5:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One array-capable adapter with nothing built: six free disks.
cat > "$work/build.json" <<'JSON'
{"clock": {"frozen": true, "time_ms": 1767225600000}, "adapters": [{
  "model": "QXR-7210 SAS", "device_id": "0x7210", "features": "0x5F", "adv_features": "0x00000040",
  "raid_modes": "0x01FF", "stripe_sizes": "0x7F", "highest_pd_id": 31, "max_vds": 16, "max_arrays": 4,
  "max_vds_per_array": 3, "max_disks_per_array": 16, "max_raid6_parity": 4, "max_total_blocks_wide": 64,
  "max_buffer_kb": 4,
  "disks": [{"id": 0, "size_kb": 10489093}, {"id": 1, "port": 1, "size_kb": 10489093},
            {"id": 2, "port": 2, "size_kb": 10489093}, {"id": 3, "port": 3, "size_kb": 10485760},
            {"id": 4, "port": 4, "size_kb": 10485760}, {"id": 5, "port": 5, "size_kb": 10485760}]}]}
JSON
state() {  # NAME SCENARIO [QXCLI ARGS...]: a state, frozen, with what the arguments build
  name=$1 scenario=$2; shift 2
  QX_SIM_HOME=$work/$name "$qxsim" init --scenario "$scenario" --force >/dev/null
  QX_SIM_HOME=$work/$name "$qxsim" clock freeze >/dev/null
  [ $# -eq 0 ] || QX_SIM_HOME=$work/$name "$qxcli" "$@" >/dev/null
}
state build "$work/build.json"
state build_array "$work/build.json" create -o array -r 5 -d 0,1,2 -n data --waiveconfirmation
state default default
state default_array default 1 create -o array -r 5 -d 12,13,14 --waiveconfirmation

# run.sh STATE PROGRAM [ARGS...]: the program on a fresh copy of the state.
cat > "$work/run.sh" <<SCRIPT
#!/bin/sh
state=\$1; shift
rm -rf "$work/run.\$\$"; cp -R "$work/\$state" "$work/run.\$\$"
TZ=UTC QX_SIM_HOME="$work/run.\$\$" "\$@" >/dev/null; status=\$?
rm -rf "$work/run.\$\$"; exit \$status
SCRIPT
chmod +x "$work/run.sh"

array_build="create -o array -r 5 -d 0,1,2 -n data --waiveconfirmation"
vd_build="create -a 0 -s 3000 -n first"
array_default="1 create -o array -r 5 -d 12,13,14 --waiveconfirmation"
vd_default="1 create -a 1 -s 10000"

# shellcheck disable=SC2086 # the command lines split into their words
"$timer" --rounds "$rounds" \
  --case "floor (one adapter)" "$work/run.sh" build "$floor" \
  --floor "floor (one adapter)" \
  --case "create -o array (one adapter)" "$work/run.sh" build "$qxcli" $array_build \
  --case "create a VD on it" "$work/run.sh" build_array "$qxcli" $vd_build \
  --case "floor (default)" "$work/run.sh" default "$floor" \
  --floor "floor (default)" \
  --case "create -o array (default, adapter 1)" "$work/run.sh" default "$qxcli" $array_default \
  --case "create a VD on it" "$work/run.sh" default_array "$qxcli" $vd_default

command -v valgrind >/dev/null || exit 0
instructions() {  # STATE PROGRAM [ARGS...]: instructions of one run on a fresh copy
  state=$1; shift
  rm -rf "$work/cg"; cp -R "$work/$state" "$work/cg"
  TZ=UTC QX_SIM_HOME=$work/cg valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
    sed -n 's/.*refs: *//p' | tr -d ,
}
echo
printf '%-40s %12s %12s %6s\n' "instructions (callgrind)" "run" "floor" "/floor"
for line in "array (one adapter)|build|$array_build" "VD on it|build_array|$vd_build" \
            "array (default, adapter 1)|default|$array_default" "VD on it|default_array|$vd_default"; do
  label=${line%%|*} rest=${line#*|}
  state=${rest%%|*} args=${rest#*|}
  # shellcheck disable=SC2086
  run=$(instructions "$state" "$qxcli" $args)
  base=$(instructions "$state" "$floor")
  printf '%-40s %12s %12s %6s\n' "$label" "$run" "$base" "$(awk -v a="$run" -v b="$base" 'BEGIN { printf "%.2fx", a / b }')"
done
