"""Mooring at a buoy by hand: go to a point 45 yards below the buoy, reach up to it, let the
main fly a few yards short and coast to a stop at the buoy."""

import sys
from sailor import Probe, Skipper, point_from, bearing, signed, report

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
    x, y, wd = g["BoatX[1]"], g["BoatY[1]"], g["WindDirection"]
    d = ((x - bx) ** 2 + (y - by) ** 2) ** 0.5
    if phase == "stage":
        sx, sy = point_from(bx, by, wd + 180 - slant, 45)
        s.trim()
        s.steer_to(g, sx, sy)
        if ((x - sx) ** 2 + (y - sy) ** 2) ** 0.5 < 12:
            phase = "shoot"
    else:
        brg = bearing(bx - x, y - by)
        s.helm.steer(g["BoatHeadings[1]"], brg, gain=6)
        if d < shoot:
            s.let_fly()
        if g["BoatSpeedTenths[1]"] < 3 and d > 7:
            phase = "stage"   # stopped short or overshot: go round again
    p.run(2)
report(p, "mooring", png)
p.close()
