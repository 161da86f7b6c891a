#!/usr/bin/env bash
# Steady speed and heel of every boat type in free sailing, steady 10-knot wind, automatic trim,
# at true wind angles 45, 90 and 150 on starboard tack.
# Usage: tools/probe/scripts/speed_table.sh [path/to/brisamar-probe]
set -euo pipefail
probe="${1:-build/brisamar-probe}"
types=(1 2 4 6 7 9 10 11 12 13 14 15)
angles=(45 90 150)

script() {
  echo "set ActivityMode 0"
  echo "set SailingArea 1"
  echo "set WindSetting 0"
  echo "set Difficulty 1"
  for t in "${types[@]}"; do
    for a in "${angles[@]}"; do
      local h=$((360 - a))
      echo "set BoatType $t"
      echo "set SailingState 1"
      echo "frames 1"
      echo "set InstructionPage 0"
      echo "set BaseWindDirection 0"
      echo "set OwnHeading $h"
      echo "set BoatHeadings[1] $h"
      # From rest close-hauled the boat falls off until it moves: put it back on its angle.
      echo "frames 10"
      echo "set OwnHeading $h"
      echo "set BoatHeadings[1] $h"
      echo "until SimTime >= 60 100000"
      echo "get BoatSpeeds[1]"
      echo "until SimTime >= 90 100000"
      echo "get BoatType HullClass TrueWindAngles[1] BoatSpeeds[1] HeelAngles[1] MainSheet"
    done
  done
}

script | "$probe" 2>/dev/null | awk -F= '
  BEGIN {
    name[1] = "OP dinghy"; name[2] = "single-hand dinghy"; name[4] = "two-man dinghy";
    name[6] = "spinnaker dinghy"; name[7] = "skiff"; name[9] = "cruising sloop";
    name[10] = "catamaran"; name[11] = "offshore catamaran"; name[12] = "keelboat";
    name[13] = "sportboat"; name[14] = "offshore racer"; name[15] = "scow";
    print "| boat type | TWA 45: kn / heel | TWA 90: kn / heel | TWA 150: kn / heel | change 60->90 s (kn, max) |";
    print "|---|---|---|---|---|";
  }
  /^until/ { next }
  $1 == "BoatSpeeds[1]" && !have60 { at60 = $2; have60 = 1; next }
  $1 == "BoatType" { type = $2 }
  $1 == "TrueWindAngles[1]" { twa = $2 }
  $1 == "BoatSpeeds[1]" { speed = $2; have60 = 0; d = (speed - at60) / 10; if (d < 0) d = -d; if (d > drift[type]) drift[type] = d }
  $1 == "HeelAngles[1]" { cell[type] = cell[type] sprintf(" %.1f / %d (%d) |", speed / 10, $2, twa) }
  $1 == "MainSheet" { if (++n[type] == 3) printf "| %s |%s %.2f |\n", name[type], cell[type], drift[type] }
'
