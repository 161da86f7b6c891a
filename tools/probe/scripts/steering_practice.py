"""Steering practice sailed by hand: hold 270 along the gate line and cross at x = -1500."""

import sys
import time
from sailor import Probe, Helm

png = sys.argv[1] if len(sys.argv) > 1 else "/tmp/steering_results.png"
settings = sys.argv[2] if len(sys.argv) > 2 else None
p = Probe("--screen", "1280x768", *(["--settings", settings] if settings else []))
if settings and p.get("UsePreviousScore")["UsePreviousScore"] == 0:
    p.send("command 32952")   # 前回のスコアを用いる: keep the bests in the file
p.send("command 32810")       # 操舵練習
p.send("key SPACE")
p.run(2)
p.send("key SPACE")           # closes the instruction box
helm = Helm(p)
start = time.time()
while p.frames < 20000:
    g = p.get("BoatHeadings[1]", "BoatX[1]", "BoatY[1]", "ResultsShown")
    if g["ResultsShown"] > 0:
        break
    # Back to the line y = 0: a boat south of it (y > 0) steers north of west.
    wanted = 270 + max(-25, min(25, 0.6 * g["BoatY[1]"]))
    helm.steer(g["BoatHeadings[1]"], wanted)
    p.run(3)
print(f"sailed in {time.time() - start:.0f} s")
from sailor import report
report(p, "steering", png)
p.close()
