#!/usr/bin/env python3
"""Races the 10-boat fleet over many seeds through brisamar-probe and tabulates what a sailor
would judge: do all fleet boats finish, how long they take and how spread out, how many
penalties, whether any boat strays far from the course or sits on another, and whether the
finishing order follows the ratings.

The user's boat takes no part: it holds its close-hauled course from the start and sails off.
Each race runs at simulator speed 12 until every fleet boat has finished (or a cap of
`--cap` seconds, which then counts as a boat that did not finish).

  fleet_table.py --probe build-rel/brisamar-probe --races 50 [--course triangle|wl|both]
"""
import argparse
import math
import statistics
import subprocess
import sys

TRIANGLE, WINDWARD_LEEWARD, BIG_FLEET = 32822, 32823, 32824
# The race does not depend on the screen; a small one paints faster.
SCREEN = "640x480"


def run_race(exe, course, seed, cap):
    p = subprocess.Popen([exe, "--seed", str(seed), "--screen", SCREEN], stdin=subprocess.PIPE,
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, bufsize=1)

    def send(line):
        p.stdin.write(line + "\n")
        p.stdin.flush()

    def get(*names):
        send("get " + " ".join(names))
        return [float(p.stdout.readline().split("=", 1)[1]) for _ in names]

    send(f"command {WINDWARD_LEEWARD if course == 'wl' else TRIANGLE}")
    send(f"command {BIG_FLEET}")
    send("set SimSpeed 12")
    send("set SimSpeedDivisor 37")
    send("key SPACE")
    send("frames 2")
    send("key SPACE")
    n = int(get("BoatCount")[0])
    course_pts = get("PinX", "PinY", "CommitteeBoatX", "CommitteeBoatY", "WindwardMarkX", "WindwardMarkY",
                     "SideMarkX", "SideMarkY", "LeewardMarkX", "LeewardMarkY", "LegLength")
    leg = course_pts[-1]
    pts = [(course_pts[i], course_pts[i + 1]) for i in range(0, 10, 2)]
    pos_names = [f"BoatX[{b}]" for b in range(1, n + 1)] + [f"BoatY[{b}]" for b in range(1, n + 1)]
    stray = 0.0
    overlap_run = {}
    longest_overlap = 0
    while True:
        send("frames 1")
        v = get("SimSeconds", "FinishCount", "BoatLegs[1]", *pos_names)
        t, fc = v[0], v[1]
        xs, ys = v[3:3 + n], v[3 + n:3 + 2 * n]
        for b in range(1, n):  # fleet boats 2..n
            d = min(math.hypot(xs[b] - px, ys[b] - py) for px, py in pts)
            stray = max(stray, d / leg)
        for a in range(1, n):
            for b in range(a + 1, n):
                box = abs(int(xs[a]) - int(xs[b])) + abs(int(ys[a]) - int(ys[b]))
                key = (a, b)
                if box < 6:
                    overlap_run[key] = overlap_run.get(key, 0) + 1
                    longest_overlap = max(longest_overlap, overlap_run[key])
                else:
                    overlap_run[key] = 0
        fleet_done = fc - (1 if v[2] >= 9 else 0)
        if fleet_done >= n - 1 or t > cap:
            break
    res = get(*[f"BoatFinishPlace[{b}]" for b in range(2, n + 1)], *[f"BoatFinishSeconds[{b}]" for b in range(2, n + 1)],
              *[f"BoatPenaltyCount[{b}]" for b in range(2, n + 1)], *[f"BoatRatingPercent[{b}]" for b in range(2, n + 1)])
    p.stdin.close()
    p.wait()
    m = n - 1
    places, times, pens, ratings = res[:m], res[m:2 * m], res[2 * m:3 * m], res[3 * m:]
    finished = [i for i in range(m) if places[i] > 0 and times[i] < 37501]
    return {"finished": len(finished), "boats": m, "times": [times[i] for i in finished], "penalties": sum(pens),
            "stray": stray, "overlap": longest_overlap, "places": places, "ratings": ratings}


def rank_corr(xs, ys):
    def ranks(v):
        order = sorted(range(len(v)), key=lambda i: v[i])
        r = [0.0] * len(v)
        for k, i in enumerate(order):
            r[i] = k
        return r
    rx, ry = ranks(xs), ranks(ys)
    mx, my = statistics.mean(rx), statistics.mean(ry)
    num = sum((a - mx) * (b - my) for a, b in zip(rx, ry))
    den = math.sqrt(sum((a - mx) ** 2 for a in rx) * sum((b - my) ** 2 for b in ry))
    return num / den if den else 0.0


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--probe", default="build-rel/brisamar-probe")
    ap.add_argument("--races", type=int, default=50)
    ap.add_argument("--course", choices=["triangle", "wl", "both"], default="both")
    ap.add_argument("--cap", type=int, default=9000)
    args = ap.parse_args()
    courses = ["triangle", "wl"] if args.course == "both" else [args.course]
    for course in courses:
        rows = []
        print(f"# {course}: seed finished first(s) last(s) spread(s) penalties stray(legs) overlap(frames) rating~place")
        for seed in range(1, args.races + 1):
            r = run_race(args.probe, course, seed, args.cap)
            # Higher rating should mean a better (lower) place: a negative correlation.
            done = [i for i in range(r["boats"]) if r["places"][i] > 0]
            corr = rank_corr([r["ratings"][i] for i in done], [r["places"][i] for i in done]) if len(done) > 2 else 0
            r["corr"] = corr
            rows.append(r)
            t = r["times"]
            print(f"{seed:>4} {r['finished']}/{r['boats']} {min(t) if t else 0:>6.0f} {max(t) if t else 0:>6.0f} "
                  f"{(max(t) - min(t)) if t else 0:>6.0f} {r['penalties']:>4.0f} {r['stray']:>5.2f} {r['overlap']:>4} "
                  f"{corr:>6.2f}", flush=True)
        all_done = sum(r["finished"] == r["boats"] for r in rows)
        firsts = [min(r["times"]) for r in rows if r["times"]]
        lasts = [max(r["times"]) for r in rows if r["times"]]
        spreads = [max(r["times"]) - min(r["times"]) for r in rows if r["times"]]
        print(f"## {course}: races with every boat finished {all_done}/{len(rows)}; "
              f"first finish mean {statistics.mean(firsts):.0f} s; last finish mean {statistics.mean(lasts):.0f} s "
              f"(max {max(lasts):.0f}); spread mean {statistics.mean(spreads):.0f} s; "
              f"penalties per race {statistics.mean(r['penalties'] for r in rows):.2f}; "
              f"largest stray {max(r['stray'] for r in rows):.2f} legs; longest overlap {max(r['overlap'] for r in rows)} frames; "
              f"rating/place rank correlation mean {statistics.mean(r['corr'] for r in rows):.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
