"""Man overboard by hand: sail on until the crew member falls in, then go to a point 45 yards
below the swimmer, reach up to him, let the main fly a few yards short and stop beside him."""

import sys
from sailor import Probe, Skipper, report

png = sys.argv[1] if len(sys.argv) > 1 else "/tmp/man_overboard_results.png"
shoot = float(sys.argv[2]) if len(sys.argv) > 2 else 8
slant = float(sys.argv[3]) if len(sys.argv) > 3 else 60
p = Probe("--screen", "1280x768")
p.send("command 32815")       # 落水救助
p.send("key SPACE")
p.run(2)
p.send("key SPACE")
s = Skipper(p)
fall = p.get("OverboardSeconds")["OverboardSeconds"]
phase = "sail"
while p.frames < 30000:
    g = s.read()
    if g["ResultsShown"] > 0:
        break
    if phase == "sail":
        # A beam reach until the call; then away from the swimmer for the room to turn.
        s.helm.steer(g["BoatHeadings[1]"], g["WindDirection"] - 90)   # the reach on the side the boat starts
        if g["SimSeconds"] > fall + 15:
            t = p.get("TargetX[1]", "TargetY[1]")
            bx, by = t["TargetX[1]"], t["TargetY[1]"]
            call = [c for c in p.sounds() if c.split()[1] == "13"]
            print(f"overboard at second {int(fall)}, swimmer at ({int(bx)}, {int(by)}), call: {call}")
            phase = "stage"
        p.run(2)
        continue
    phase = s.approach(g, phase, bx, by, slant, shoot)
    p.run(2)
report(p, "man overboard", png)
p.close()
