"""Mooring at a buoy by hand: go to a point 45 yards below the buoy, reach up to it, let the
main fly a few yards short and coast to a stop at the buoy."""

import sys
from sailor import Probe, Skipper, report

png = sys.argv[1] if len(sys.argv) > 1 else "/tmp/mooring_results.png"
shoot = float(sys.argv[2]) if len(sys.argv) > 2 else 8
slant = float(sys.argv[3]) if len(sys.argv) > 3 else 60
p = Probe("--screen", "1280x768")
p.send("command 32813")       # ブイに係留
p.send("key SPACE")
p.run(2)
p.send("key SPACE")
p.send("key A")               # automatic trim while sailing to the staging point
s = Skipper(p)
g = p.get("TargetX[1]", "TargetY[1]")
bx, by = g["TargetX[1]"], g["TargetY[1]"]
phase = "stage"
while p.frames < 30000:
    g = s.read()
    if g["ResultsShown"] > 0:
        break
    phase = s.approach(g, phase, bx, by, slant, shoot)
    p.run(2)
report(p, "mooring", png)
p.close()
