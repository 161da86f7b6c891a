#!/bin/bash
# CPU use of the running program in a 10-boat race: user + system time of the process over a
# stretch of wall-clock time, as a share of one core.
#
#   tools/cpu_use.sh [BUILD_DIR] [SPEED...]      e.g. tools/cpu_use.sh build-rel 9 15
#
# DISPLAY picks the X server (default :97). When none answers there, an Xvfb 1280x800 is started
# on it and stopped at the end. SECONDS_MEASURED (default 30) sets the stretch; SHOT=FILE.png
# keeps a screenshot of the race taken during it.
set -euo pipefail
build=$(realpath "${1:-build-rel}")
shift || true
speeds=("$@")
[ ${#speeds[@]} -gt 0 ] || speeds=(9 15)
export DISPLAY=${DISPLAY:-:97}
measured=${SECONDS_MEASURED:-30}
tick=$(getconf CLK_TCK)

xvfb=
if ! xdpyinfo >/dev/null 2>&1; then
  Xvfb "$DISPLAY" -screen 0 1280x800x24 >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi
work=$(mktemp -d)
program=
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

speed_command() { if [ "$1" -le 10 ]; then echo $((32830 + $1)); else echo $((32947 + $1)); fi; }

for speed in "${speeds[@]}"; do
  # The triangle race with the big fleet at this speed, through the settings file the program
  # reads from its working folder.
  printf 'command 32822\ncommand 32824\ncommand %s\nget BoatCount SimSpeed\nsave %s/op.bm\n' \
    "$(speed_command "$speed")" "$work" | "$build/brisamar-probe" --screen 1280x768 >"$work/setup.txt"
  (cd "$work" && exec "$build/brisamar" >/dev/null 2>&1) &
  program=$!
  window=$(xdotool search --sync --onlyvisible --pid "$program" | head -1)
  sleep 2
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool mousemove 640 200
  xdotool key --window "$window" space   # start
  sleep 1
  xdotool key --window "$window" space   # close the instruction box
  sleep 3
  before=$(cpu_ticks "$program")
  start=$(date +%s.%N)
  sleep $((measured / 2))
  [ -n "${SHOT:-}" ] && import -window root "${SHOT%.png}_$speed.png"
  sleep $((measured - measured / 2))
  after=$(cpu_ticks "$program")
  end=$(date +%s.%N)
  awk -v b="$before" -v a="$after" -v s="$start" -v e="$end" -v t="$tick" -v sp="$speed" \
    -v setup="$(tr '\n' ' ' <"$work/setup.txt")" \
    'BEGIN { cpu = (a - b) / t; wall = e - s;
             printf "speed %d: %.2f s CPU in %.1f s = %.1f %% of one core (%s)\n", sp, cpu, wall, 100 * cpu / wall, setup }'
  kill "$program"
  wait "$program" 2>/dev/null || true
  program=
done
