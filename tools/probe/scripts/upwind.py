"""Sailing upwind by hand: beat to the gate 1500 yards to windward, tacking by the helm
whenever the boat strays 70 yards from the rhumb line."""

import sys
from sailor import Probe, Skipper, report

png = sys.argv[1] if len(sys.argv) > 1 else "/tmp/upwind_results.png"
p = Probe("--screen", "1280x768")
p.send("command 32812")       # 風上への帆走
p.send("key SPACE")
p.run(2)
p.send("key SPACE")
s = Skipper(p)
tack = -1                     # -1: heading left of the wind (y grows), +1: right of it
while p.frames < 40000:
    g = s.read()
    if g["ResultsShown"] > 0:
        break
    y = g["BoatY[1]"]
    if tack == -1 and y > 70:
        tack = 1
    elif tack == 1 and y < -70:
        tack = -1
    # Near the gate, lay it: aim between its ends once the boat can fetch it close-hauled.
    wanted = g["WindDirection"] + tack * 48
    s.helm.steer(g["BoatHeadings[1]"], wanted, gain=5)
    p.run(3)
report(p, "upwind", png)
p.close()
