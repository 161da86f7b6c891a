"""Docking at the pier by hand: reach across the wind to the pier, ease the main to slow
down on the way in, and land gently."""

import sys
from sailor import Probe, Skipper, bearing, report

png = sys.argv[1] if len(sys.argv) > 1 else "/tmp/docking_results.png"
p = Probe("--screen", "1280x768")
p.send("command 32814")       # 桟橋に着艇
p.send("key SPACE")
p.run(2)
p.send("key SPACE")
p.send("key A")
s = Skipper(p)
g = p.get("TargetX[1]", "TargetY[1]", "TargetX[3]", "TargetY[3]")
px, py = (g["TargetX[1]"] + g["TargetX[3]"]) / 2, (g["TargetY[1]"] + g["TargetY[3]"]) / 2
while p.frames < 20000:
    g = s.read()
    if g["ResultsShown"] > 0:
        break
    x, y = g["BoatX[1]"], g["BoatY[1]"]
    s.helm.steer(g["BoatHeadings[1]"], bearing(px - x, y - py))
    # The last stretch under a flying main; sheet in again if the boat stops short.
    if x < -220 and g["BoatSpeedTenths[1]"] > 12:
        s.let_fly()
    elif g["BoatSpeedTenths[1]"] < 8:
        s.trim()
    p.run(2)
print("landing sound:", [s for s in p.sounds() if s.split()[1] in ("10", "18")])
report(p, "docking", png)
p.close()
