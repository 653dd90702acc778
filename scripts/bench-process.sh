#!/usr/bin/env bash
# Whole-process benchmark under Wine on a virtual display: Tiklet.exe with the
# default settings against the floor program (FloorClock.exe), alternating,
# with 0, 100 and 1,000 alarm entries. For each run: CPU seconds of the
# process and of Wine's server (registry calls execute there) over
# BENCH_SECONDS (default 60), peak resident memory, and the time from process
# start to first paint. Prints a table, the ratios Tiklet / floor, and the
# size of Tiklet.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
run_seconds=${BENCH_SECONDS:-60}

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Tiklet FloorClock measure >/dev/null

export TIKLET_WINEPREFIX="$PWD/build/wine-bench"
TIKLET_VIRTUAL_DISPLAY=1
source scripts/wine-env.sh
trap wine_env_stop EXIT

work="$PWD/build/bench"
mkdir -p "$work"
wine reg delete 'HKCU\SOFTWARE\Nuvor Soft\Tiklet' /f >/dev/null 2>&1 || true
wine regedit /S "$(winepath -w defaults/tiklet-defaults.reg)"
# The default window: format 2 at font height 20 (106 x 32) at (898, 20).
left=898 top=20 width=106 height=32
probe_x=$((left + width / 2)) probe_y=$((top + 3))

tck=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
server_pid() { pgrep -x wineserver || pgrep -f wineserver | head -n1; }

# An alarms key with `n` entries: one Hourly, a tenth daily, the rest dated
# in the future.
write_alarms() {
  local n=$1 file="$work/alarms-$1.reg" base
  base=$(date +%s)
  {
    printf 'REGEDIT4\r\n\r\n[-HKEY_CURRENT_USER\\SOFTWARE\\Nuvor Soft\\Tiklet\\Alarms]\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\SOFTWARE\\Nuvor Soft\\Tiklet\\Alarms]\r\n'
    for ((i = 0; i < n; i++)); do
      if ((i == 0)); then
        printf '"Hourly"="chime"\r\n'
      elif ((i % 10 == 0)); then
        printf '"Daily %02d:%02d:%02d"="daily %d"\r\n' $(((i / 60) % 24)) $((i % 60)) $((i % 60)) "$i"
      else
        printf '"%s"="alarm %d"\r\n' "$(date -d "@$((base + 86400 + i * 3607))" '+%d.%m.%Y %H:%M:%S')" "$i"
      fi
    done
  } >"$file"
  wine regedit /S "$(winepath -w "$file")"
}

# Runs one program; prints "cpu_s server_s peak_kb first_paint_ms".
run_one() {
  local exe=$1 class=$2 args=$3 stop="$work/stop" out="$work/measure.out" pid="" ws c0 c1 s0 s1 hwm paint
  rm -f "$stop" "$out"
  wine build/windows/measure.exe "$(winepath -w "$stop")" "$class" "$probe_x" "$probe_y" \
    "$(winepath -w "build/windows/$exe")" $args >"$out" 2>/dev/null &
  local measure=$!
  for _ in $(seq 1 300); do grep -q first_paint_ms "$out" 2>/dev/null && break; sleep 0.1; done
  # The program's own process (not the helper, nor a launcher that has
  # already gone).
  for _ in $(seq 1 50); do
    for p in $(pgrep -f "$exe"); do
      grep -qa measure.exe "/proc/$p/cmdline" 2>/dev/null || pid=$p
    done
    sleep 0.2
    [ -n "$pid" ] && [ -e "/proc/$pid/stat" ] && break
    pid=""
  done
  ws=$(server_pid)
  c0=$(cpu_ticks "$pid"); s0=$(cpu_ticks "$ws")
  sleep "$run_seconds"
  c1=$(cpu_ticks "$pid"); s1=$(cpu_ticks "$ws")
  hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  paint=$(tr -d '\r' <"$out" | awk '/first_paint_ms/ {print $2}')
  touch "$stop"
  wait "$measure" || true
  echo "$(echo "scale=2; ($c1 - $c0) / $tck" | bc) $(echo "scale=2; ($s1 - $s0) / $tck" | bc) $hwm $paint"
}

ratio() { if [ "$(echo "$2 == 0" | bc)" = 1 ]; then echo "-"; else echo "scale=2; $1 / $2" | bc; fi; }

echo "Machine: $(nproc) cores, $(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo); $(wine --version)"
echo "Each run: ${run_seconds} s after the first paint."
printf '%-8s %-10s %8s %10s %12s %14s\n' entries program cpu_s server_s peak_rss_kb first_paint_ms
# One short unmeasured run of each first: Wine's caches (fonts among them)
# are filled on a program's first start in a prefix.
saved=$run_seconds run_seconds=2
run_one Tiklet.exe "Nuvor Tiklet" "" >/dev/null
run_one FloorClock.exe "Floor Clock" "$left $top $width $height" >/dev/null
run_seconds=$saved

declare -A result
for n in 0 100 1000; do
  write_alarms "$n"
  order=("Tiklet" "Floor")
  [ "$n" = 100 ] && order=("Floor" "Tiklet")
  for prog in "${order[@]}"; do
    if [ "$prog" = Tiklet ]; then r=$(run_one Tiklet.exe "Nuvor Tiklet" "")
    else r=$(run_one FloorClock.exe "Floor Clock" "$left $top $width $height"); fi
    result[$n,$prog]="$r"
    read -r cpu srv hwm paint <<<"$r"
    printf '%-8s %-10s %8s %10s %12s %14s\n' "$n" "$prog" "$cpu" "$srv" "$hwm" "$paint"
  done
done

echo
echo "Ratios Tiklet / floor (CPU is the process plus Wine's server):"
printf '%-8s %8s %8s %12s\n' entries cpu memory first_paint
for n in 0 100 1000; do
  read -r tc ts th tp <<<"${result[$n,Tiklet]}"
  read -r fc fs fh fp <<<"${result[$n,Floor]}"
  printf '%-8s %8s %8s %12s\n' "$n" "$(ratio "$(echo "$tc + $ts" | bc)" "$(echo "$fc + $fs" | bc)")" \
    "$(ratio "$th" "$fh")" "$(ratio "$tp" "$fp")"
done
echo
echo "Tiklet.exe: $(stat -c %s build/windows/Tiklet.exe) bytes (stripped)"
