#!/usr/bin/env bash
# Frames of the sailing view in many situations, saved as PNGs together with the text log of
# each frame: a 10-boat race before and after the start, free sailing in every area with the
# shore in view, strong wind (big waves with foam), the fastest simulator speed, monochrome.
# Each situation is shot at camera distances 1..4 looking ahead, astern and to both sides.
#
# Usage:
#   tools/probe/scripts/scene_shots.sh PROBE OUTDIR
#       writes OUTDIR/<situation>_d<distance>_look<angle>.png and OUTDIR/<situation>.log
#   tools/probe/scripts/scene_shots.sh --compare BASE_PROBE NEW_PROBE OUTDIR
#       shoots with both probes into OUTDIR/base and OUTDIR/new and compares every file byte
#       for byte; exits 1 when any pair differs.
set -euo pipefail

# Commands: 32806..32809 the sailing areas, 32822 the triangle race, 32824 the big fleet,
# 32828 strong wind, 32778 monochrome, 32962 simulator speed 15.
# With seed 1: 230 yards off the coast's shore line, and 330 yards east of the first island.
near_coast="set BoatX[1] 0;set BoatY[1] -3300"
near_island="set BoatX[1] -5000;set BoatY[1] 1795"
situations=(
  "race10_pre|command 32824;command 32822;key SPACE;frames 2;key SPACE;frames 100"
  "race10_post|command 32824;command 32822;key SPACE;frames 2;key SPACE;until SimSeconds >= 30 20000"
  "coast|command 32806;key SPACE;frames 2;key SPACE;frames 150"
  "islands|command 32807;key SPACE;frames 2;key SPACE;frames 150"
  "coast_near|command 32806;key SPACE;frames 2;key SPACE;frames 20;$near_coast;frames 40"
  "islands_near|command 32807;key SPACE;frames 2;key SPACE;frames 20;$near_island;frames 40"
  "lake|command 32808;key SPACE;frames 2;key SPACE;frames 150"
  "river|command 32809;key SPACE;frames 2;key SPACE;frames 150"
  "coast_strong|command 32828;command 32806;key SPACE;frames 2;key SPACE;frames 150"
  "islands_fastest|command 32962;command 32807;key SPACE;frames 2;key SPACE;frames 150"
  "race10_pre_mono|command 32778;command 32824;command 32822;key SPACE;frames 2;key SPACE;frames 100"
  "coast_strong_mono|command 32778;command 32828;command 32806;key SPACE;frames 2;key SPACE;frames 20;$near_coast;frames 40"
)
looks=(0 180 90 -90)

shoot() {
  local probe="$1" out="$2"
  mkdir -p "$out"
  for entry in "${situations[@]}"; do
    local name="${entry%%|*}" setup="${entry#*|}"
    {
      tr ';' '\n' <<<"$setup"
      echo "get WaveClass BoatCount SailingArea SimSeconds"
      for d in 1 2 3 4; do
        for look in "${looks[@]}"; do
          echo "set CameraDistance $d"
          echo "set LookAngle $look"
          echo "frames 1"
          echo "png $out/${name}_d${d}_look${look}.png"
          echo "texts"
          echo "get ProjectedDistance ProjectedBearing UserBoatScreenX UserBoatScreenY"
        done
      done
    } | "$probe" >"$out/$name.log" 2>/dev/null
  done
}

if [[ "${1:-}" == "--compare" ]]; then
  base="$2" new="$3" out="$4"
  shoot "$base" "$out/base"
  shoot "$new" "$out/new"
  same=0 differ=0
  for f in "$out"/base/*; do
    g="$out/new/$(basename "$f")"
    if cmp -s "$f" "$g"; then
      same=$((same + 1))
    else
      differ=$((differ + 1))
      echo "differs: $(basename "$f")"
    fi
  done
  echo "identical: $same  different: $differ"
  [[ $differ -eq 0 ]]
else
  shoot "$1" "$2"
fi
