#!/usr/bin/env bash
# Sails each scored exercise once by script through the probe, then shows a best kept across
# a restart and a capsize's results. Writes the results screens and the ships' views as PNGs
# into the folder given (default /tmp/brisamar-exercises). Run from the repository root after
# a Release build (build-rel).
set -euo pipefail
out=${1:-/tmp/brisamar-exercises}
mkdir -p "$out"
here=$(dirname "$0")
python3 "$here/steering_practice.py" "$out/steering.png"
python3 "$here/upwind.py" "$out/upwind.png"
python3 "$here/mooring.py" "$out/mooring.png"
python3 "$here/docking.py" "$out/docking.png"
python3 "$here/man_overboard.py" "$out/man_overboard.png"
python3 "$here/collision_avoidance.py" "$out/collision.png" "$out/ships"
# A best written to the settings file by one run and read back by the next.
rm -f "$out/op.bm"
python3 "$here/steering_practice.py" "$out/steering_saved.png" "$out/op.bm"
python3 "$here/capsize.py" "$out/capsize.png" "$out/op.bm"
