#!/usr/bin/env python3
"""Sails a whole race through brisamar-probe with a scripted hand.

The user's boat is sailed by the commands and the steering zone only: the close-hauled and
tack commands upwind, the cursor in the steering zone off the wind and before the start. Nothing
is placed with `set`. Prints the finish table and the penalties; optional PNGs at moments of
interest.

  race_autopilot.py --probe build-rel/brisamar-probe --course triangle --big-fleet --seed 3 \
      [--png-dir DIR]
"""
import argparse
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from sailor import Probe, signed  # noqa: E402

CLOSE_HAULED, TACK, TRIANGLE, WINDWARD_LEEWARD, BIG_FLEET, LAYLINES, CHART = (
    32771, 32772, 32822, 32823, 32824, 32853, 32849)


def bearing(dx, dy_north):
    return math.degrees(math.atan2(dx, dy_north)) % 360


def sail(args):
    pr = Probe("--seed", str(args.seed), "--screen", "1280x720", exe=args.probe)
    pr.send(f"command {WINDWARD_LEEWARD if args.course == 'wl' else TRIANGLE}")
    if args.big_fleet:
        pr.send(f"command {BIG_FLEET}")
    pr.send("key SPACE")
    pr.send("frames 2")
    pr.send("key SPACE")  # closes the instruction box
    pr.send("frames 1")
    g = pr.get("BoatCount", "ZoneTop", "ZoneCentreX", "ZoneRight", "ViewWidth", "ScaleX", "HelmSign",
               "CommitteeBoatX", "CommitteeBoatY", "MeanWindDirection", "StartLineLength")
    n = int(g["BoatCount"])
    zone_y = int(g["ZoneTop"]) + 40
    cx, sx, sign = g["ZoneCentreX"], g["ScaleX"], g["HelmSign"]
    mid = (g["CommitteeBoatX"] / 2, g["CommitteeBoatY"] / 2)
    wind = g["MeanWindDirection"]
    # The point the boat waits at before its run to the line, 90 yards below its middle.
    wait = (mid[0] - 90 * math.sin(math.radians(wind)), mid[1] + 90 * math.cos(math.radians(wind)))

    mode = None  # "steer" or "hauled"
    last_tack = -1000
    penalties = []
    shots = set()
    events = []
    last_message = 0

    def steer_to(heading_now, want):
        nonlocal mode
        e = signed(want - heading_now)
        r = max(-160, min(160, 6 * e))
        x = cx + sign * r * sx / 2
        pr.send(f"move {int(x)} {zone_y}")
        mode = "steer"

    def haul():
        nonlocal mode
        if mode != "hauled":
            pr.send("move 200 100")
            pr.send(f"command {CLOSE_HAULED}")
            mode = "hauled"

    names = ["SimSeconds", "BoatX[1]", "BoatY[1]", "BoatHeadings[1]", "WindDirectionAtBoat[1]", "BoatLegs[1]",
             "BoatTargetX[1]", "BoatTargetY[1]", "BoatTack[1]", "CloseHauledAngle", "PenaltyMessage", "ResultsShown",
             "AutoManoeuvre", "FinishCount"]
    while True:
        s = pr.get(*names)
        t = s["SimSeconds"]
        if s["ResultsShown"] > 0 or t > 40000:
            break
        x, y, h, wd = s["BoatX[1]"], s["BoatY[1]"], s["BoatHeadings[1]"], s["WindDirectionAtBoat[1]"]
        pm = int(s["PenaltyMessage"])
        if pm and pm != last_message:
            penalties.append((int(t), pm))
            if args.png_dir and "penalty" not in shots:
                pr.send("frames 1")
                pr.send(f"png {args.png_dir}/penalty.png")
                shots.add("penalty")
        last_message = pm
        legs = int(s["BoatLegs[1]"])
        tx, ty = s["BoatTargetX[1]"], s["BoatTargetY[1]"]
        if args.png_dir:
            shot = None
            if legs == 0 and -22 <= t <= -12:
                shot = "prestart"
            elif legs == 1 and t > 200:
                shot = "laylines"
            elif legs >= 4:
                shot = "chart"
            if shot and shot not in shots:
                shots.add(shot)
                if shot == "chart":
                    pr.send(f"command {CHART}")
                else:
                    # Look towards the line (before the start) or the mark: the arrow keys turn
                    # the view by 30 degrees.
                    if shot == "prestart":
                        lx, ly = mid
                    else:
                        lx, ly = s["BoatTargetX[1]"], s["BoatTargetY[1]"]
                    rel = signed(bearing(lx - x, y - ly) - h)
                    turns = int(round(rel / 30))
                    for _ in range(abs(turns)):
                        pr.send("key RIGHT" if turns > 0 else "key LEFT")
                pr.send("frames 1")
                pr.send(f"png {args.png_dir}/{shot}.png")
                if shot == "chart":
                    pr.send(f"command {CHART}")
                else:
                    pr.send("key UP")
        if legs == 0:
            if t < -32:
                dx, dy = wait[0] - x, y - wait[1]
                if math.hypot(dx, dy) > 25:
                    steer_to(h, bearing(dx, dy))
                else:
                    steer_to(h, wd)  # head to wind and wait
            else:
                # Starboard close-hauled for the line.
                if int(s["BoatTack[1]"]) < 0 and s["AutoManoeuvre"] == 0 and mode == "hauled" and t - last_tack > 15:
                    pr.send(f"command {TACK}")
                    last_tack = t
                haul()
            pr.send("frames 6")
            continue
        b = bearing(tx - x, y - ty)
        off = signed(b - wd)  # the target's angle off the wind, + to the right
        ch = s["CloseHauledAngle"]
        if abs(off) < ch + 8:
            haul()
            tack = int(s["BoatTack[1]"])
            lay = ch - 2
            want_tack = (tack > 0 and off >= lay) or (tack < 0 and off <= -lay)
            if want_tack and s["AutoManoeuvre"] == 0 and t - last_tack > 20:
                pr.send(f"command {TACK}")
                last_tack = t
        else:
            want = b
            if abs(off) > 165:  # a run: stay off dead downwind on the present gybe
                want = wd + 180 + (15 if signed(h - wd) > 0 else -15)
            steer_to(h, want)
        if args.png_dir and legs in (2, 3, 4, 5, 6, 7) and "rounding" not in shots:
            pr.send("frames 1")
            pr.send(f"png {args.png_dir}/rounding.png")
            shots.add("rounding")
        pr.send("frames 6")

    final = pr.get("SimSeconds", "FinishCount", "RaceClockWholeMinutes", "RaceClockSecondsPart", "ResultsShown",
                   *[f"BoatFinishPlace[{b}]" for b in range(1, n + 1)],
                   *[f"BoatFinishSeconds[{b}]" for b in range(1, n + 1)],
                   *[f"BoatPenaltyCount[{b}]" for b in range(1, n + 1)],
                   *[f"BoatRatingPercent[{b}]" for b in range(1, n + 1)])
    events = pr.sounds()
    if args.png_dir:
        pr.send("frames 1")
        pr.send(f"png {args.png_dir}/results.png")
    if args.then:
        # Probe commands to run on the results screen, one a line (a replay's PNGs, say).
        with open(args.then) as then:
            for line in then:
                if line.strip() and not line.startswith("#"):
                    pr.send(line.rstrip("\n"))
        pr.send("paints")
        while not pr.read().startswith("paints="):
            pass
    pr.close()
    print(f"course={args.course} seed={args.seed} boats={n} ResultsShown={int(final['ResultsShown'])} "
          f"user place={int(final['FinishCount'])} clock={int(final['RaceClockWholeMinutes'])}:"
          f"{int(final['RaceClockSecondsPart']):02d} SimSeconds={int(final['SimSeconds'])}")
    print("boat place finish(s) rating penalties")
    for b in range(1, n + 1):
        place = int(final[f"BoatFinishPlace[{b}]"])
        print(f"{b:>4} {place if place else '-':>5} {int(final[f'BoatFinishSeconds[{b}]']) if place else '-':>9} "
              f"{int(final[f'BoatRatingPercent[{b}]']):>6} {int(final[f'BoatPenaltyCount[{b}]']):>9}")
    print("user penalties (s, code):", penalties)
    print("finish sounds:", [e for e in events if e.startswith("sound 18") or e.startswith("sound 19")])
    return 0 if final["ResultsShown"] == 1 else 1


if __name__ == "__main__":
    ap = argparse.ArgumentParser()
    ap.add_argument("--probe", default="build-rel/brisamar-probe")
    ap.add_argument("--course", choices=["triangle", "wl"], default="triangle")
    ap.add_argument("--big-fleet", action="store_true")
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--png-dir")
    ap.add_argument("--then", help="a file of probe commands run after the finish")
    sys.exit(sail(ap.parse_args()))
