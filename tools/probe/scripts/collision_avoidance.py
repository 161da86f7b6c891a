"""Collision avoidance by hand: sail west through the far gate; whenever a ship's closest
approach on the present course comes too near, take the course that keeps every ship
farthest off, then come back to the gate line."""

import math
import sys
from sailor import Probe, Skipper, signed, report

png = sys.argv[1] if len(sys.argv) > 1 else "/tmp/collision_results.png"
shots = sys.argv[2] if len(sys.argv) > 2 else None   # prefix for the ships' PNGs
p = Probe("--screen", "1280x768")
p.send("command 32817")       # 衝突回避
p.send("key SPACE")
p.run(2)
p.send("key SPACE")
p.send("key A")
s = Skipper(p)
KNOT = 0.5626  # yards per second


def cpa(x, y, vx, vy, sx, sy, svx, svy):
    rx, ry, rvx, rvy = sx - x, sy - y, svx - vx, svy - vy
    v2 = rvx * rvx + rvy * rvy
    t = 0 if v2 == 0 else max(0, -(rx * rvx + ry * rvy) / v2)
    t = min(t, 400)
    return math.hypot(rx + rvx * t, ry + rvy * t)


def vel(heading, tenths):
    r = math.radians(heading)
    return math.sin(r) * tenths / 10 * KNOT, -math.cos(r) * tenths / 10 * KNOT


shot_taken = set()
while p.frames < 40000:
    g = s.read()
    if g["ResultsShown"] > 0:
        break
    ships = []
    for k in (2, 3, 4):
        v = p.get(f"BoatX[{k}]", f"BoatY[{k}]", f"BoatHeadings[{k}]", f"VesselSpeeds[{k}]")
        ships.append((v[f"BoatX[{k}]"], v[f"BoatY[{k}]"], *vel(v[f"BoatHeadings[{k}]"], v[f"VesselSpeeds[{k}]"])))
    x, y = g["BoatX[1]"], g["BoatY[1]"]
    speed = max(g["BoatSpeedTenths[1]"], 40)
    home = 270 + max(-30, min(30, 0.4 * y))

    def worst(h):
        return min(cpa(x, y, *vel(h, speed), *sh) for sh in ships)

    wanted = home
    if worst(home) < 250:
        options = [home + d for d in range(-90, 61, 15)]   # no closer than 30 to the wind
        wanted = max(options, key=lambda h: (min(worst(h), 400), -abs(signed(h - home))))
    s.helm.steer(g["BoatHeadings[1]"], wanted)
    p.run(2)
    near = min(math.hypot(sh[0] - x, sh[1] - y) for sh in ships)
    if shots and not shot_taken and near < 700:
        pts = p.get("VesselScreenX[2]", "VesselScreenX[3]", "VesselScreenX[4]")
        if sum(1 for v in pts.values() if 0 <= v <= 1280) >= 2:
            p.send("key I")            # zoom step 2 -> 1
            p.run(1)
            p.send(f"png {shots}_zoom1.png")
            p.send("key O")
            p.send("key O")            # -> 3
            p.run(1)
            p.send(f"png {shots}_zoom3.png")
            p.send("key I")            # back to 2
            shot_taken.add(1)
            print("ships on screen at", round(near), "yards:",
                  {k: round(v) for k, v in p.get("VesselScreenX[2]", "VesselScreenY[2]", "VesselScreenX[3]",
                                                 "VesselScreenY[3]", "VesselScreenX[4]", "VesselScreenY[4]").items()})
report(p, "collision avoidance", png)
p.close()
