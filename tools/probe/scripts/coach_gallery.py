"""The coach in every activity: starts each activity in a fresh probe, sails it a little,
opens the coach with the Y key and saves the frame as a PNG. The traffic-rules scenes are
caught when both vessels and their labels stand below the coach box; the race after the
user's finish is left to race_autopilot.py (--race-after runs it with --then).

Run from the repository root after a Release build:
    python3 tools/probe/scripts/coach_gallery.py [--out DIR] [--race-after]
"""

import argparse
import os
import subprocess
import sys

from sailor import Probe

# name: probe commands from the title screen up to the frame the coach is opened on. The
# first space starts the activity, the second closes its instruction box; a mouse in the
# steering zone's left half turns the boat.
SHOTS = [
    ("free_sailing", ["command 32806", "key SPACE", "frames 2", "key SPACE", "frames 200"]),
    ("steering", ["command 32810", "key SPACE", "frames 2", "key SPACE", "frames 300"]),
    ("upwind", ["command 32812", "key SPACE", "frames 2", "key SPACE", "frames 300"]),
    ("buoy", ["command 32813", "key SPACE", "frames 2", "key SPACE", "frames 200"]),
    ("pier", ["command 32814", "key SPACE", "frames 2", "key SPACE", "frames 200"]),
    ("man_overboard", ["command 32815", "key SPACE", "frames 2", "key SPACE", "frames 400"]),
    # The lesson opens its first page; the digit chooses the scene.
    ("traffic_scene1", ["command 32816", "key SPACE", "frames 2", "key 1", "frames 500"]),
    ("traffic_scene2", ["command 32816", "key SPACE", "frames 2", "key 2", "frames 300"]),
    ("traffic_scene3", ["command 32816", "key SPACE", "frames 2", "key 3", "frames 500"]),
    ("traffic_scene4", ["command 32816", "key SPACE", "frames 2", "key 4", "frames 560"]),
    ("collision_avoidance", ["command 32817", "key SPACE", "frames 2", "key SPACE", "frames 300"]),
    ("race_before_start", ["command 32822", "key SPACE", "frames 2", "key SPACE", "frames 200"]),
    ("race_during", ["command 32822", "key SPACE", "frames 2", "key SPACE", "until SimSeconds >= 40 20000"]),
]

LABELS = {"風上艇", "風下艇", "追い越し艇", "追い越され艇", "追い越し帆船", "追い越され動力船"}


def shoot(name, commands, out, exe):
    p = Probe(exe=exe)
    for c in commands:
        p.send(c)
        if c.startswith("until"):
            p.read()
    p.send("key Y")
    p.send("frames 1")
    png = os.path.join(out, name + ".png")
    p.send(f"png {png}")
    texts = p.texts()
    g = p.get("CoachShown", "SimSeconds", "BoatCount")
    p.close()
    labels = [t for t in texts if t.split('"')[1:2] and t.split('"')[1] in LABELS]
    print(f"{name}: {png} coach={int(g['CoachShown'])} SimSeconds={int(g['SimSeconds'])} "
          f"texts={len(texts)} labels={labels}")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--probe", default="build-rel/brisamar-probe")
    ap.add_argument("--out", default="coach_pngs")
    ap.add_argument("--race-after", action="store_true", help="also sail a race and shoot the coach after the finish")
    args = ap.parse_args()
    os.makedirs(args.out, exist_ok=True)
    for name, commands in SHOTS:
        shoot(name, commands, args.out, args.probe)
    if args.race_after:
        then = os.path.join(args.out, "race_after_finish.probe")
        with open(then, "w") as f:
            f.write(f"key Y\nframes 1\npng {os.path.join(args.out, 'race_after_finish.png')}\n")
        here = os.path.dirname(os.path.abspath(__file__))
        subprocess.run([sys.executable, os.path.join(here, "race_autopilot.py"), "--probe", args.probe,
                        "--then", then], check=True)
        print(f"race_after_finish: {os.path.join(args.out, 'race_after_finish.png')}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
