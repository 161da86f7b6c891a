"""The two sail lessons by hand: for every scene, start the lesson, choose the scene with its digit,
read the coach's findings and answer each with the key or menu item its own words name, until the
scene's "良し" line shows (the sail-shape lesson has none: there the scene is cured when no finding
is left). Prints one line per scene and, with --png-dir, saves the scene before and after.

    python3 tools/probe/scripts/sail_scenes.py [--png-dir DIR] [--lesson trim|shape] [--scene N]

Exits 1 when a scene is not cured."""

import argparse
import os
import re
import sys
from sailor import Probe

TRIM, SHAPE = 32811, 32819          # the lessons' menu commands
TRIM_SCENES, SHAPE_SCENES = 8, 9
MAX_ROUNDS = 120
SETTLE = 60                         # frames a cure must hold

# Lines that say the trim is right.
GOOD = ("良し", "安全で良いﾄﾘﾑ")

# Keys the text names outright.
KEY_MARKS = (("< ｷｰ", "COMMA"), ("> ｷｰ", "PERIOD"), ("- ｷｰ", "MINUS"), ("+ ｷｰ", "PLUS"))

# The menu items that set a control to a value: {value: command id}.
MENU = {
    "Vang": {3: 32863, 2: 32864, 1: 32865},
    "Cunningham": {3: 32857, 2: 32858, 1: 32859},
    "Outhaul": {3: 32860, 2: 32861, 1: 32862},
    "MastBend": {3: 32871, 2: 32872, 1: 32873},
    "Forestay": {0: 32874, 1: 32875, 2: 32876},
    "Traveller": {0: 32867, 1: 32868, 2: 32954, 3: 32869, 4: 32870},
    "JibLuff": {3: 32888, 2: 32889, 1: 32890},
    "JibLead": {1: 32891, 2: 32892, 3: 32893},
    "BarberHauler": {3: 32894, 2: 32895, 1: 32896},
    "PoleHeight": {3: 32905, 2: 32906, 1: 32907},
}

# What a phrase asks for, first match wins: a key, or a menu control stepped one item up (+1) or
# down (-1). The order puts the longer phrase before the shorter one it contains.
PHRASES = (
    ("ﾊﾞﾝｸﾞを締め", ("Vang", +1)), ("バングを締め", ("Vang", +1)),
    ("ﾊﾞﾝｸﾞを緩め", ("Vang", -1)),
    ("ﾗﾌﾃﾝｼｮﾝを締め", ("Cunningham", +1)), ("ﾗﾌﾃﾝｼｮﾝを緩め", ("Cunningham", -1)),
    ("ｱｳﾄﾎｰﾙを引", ("Outhaul", +1)), ("ｱｳﾄﾎｰﾙを緩め", ("Outhaul", -1)),
    ("ﾏｽﾄﾍﾞﾝﾄﾞを増や", ("MastBend", +1)), ("ﾏｽﾄﾍﾞﾝﾄﾞを減ら", ("MastBend", -1)),
    ("ジブのラフを締め", ("JibLuff", +1)), ("ジブのラフを緩め", ("JibLuff", -1)),
    ("フォアステー締めすぎ", ("Forestay", +1)), ("フォアステー緩めすぎ", ("Forestay", -1)),
    ("ﾘｰﾀﾞｰを後に", ("JibLead", +1)), ("リーダーを後に", ("JibLead", +1)),
    ("ﾘｰﾀﾞｰを前に", ("JibLead", -1)),
    ("バーバー外すぎ", ("BarberHauler", -1)), ("バーバー内すぎ", ("BarberHauler", +1)),
    ("スピンポールが高い", ("PoleHeight", -1)), ("スピンポールが低い", ("PoleHeight", +1)),
    # The traveller's menu counts from the top: raising it is the item above.
    ("ﾄﾗﾍﾞﾗをあげる", ("Traveller", -1)), ("トラベラを高く", ("Traveller", -1)),
    ("トラベラを低く", ("Traveller", +1)),
    # The guy: pulling it brings the pole aft ("ガイを後ろに  ]"), easing it forward ("[").
    ("ｶﾞｲを引く", "RBRACKET"), ("ｶﾞｲを出す", "LBRACKET"),
    ("スピンポールが前すぎる", "RBRACKET"), ("スピンポールが後ろすぎる", "LBRACKET"),
    # Spinnaker sheet: the - and + keys trim it while it is set.
    ("スピン引きすぎ", "PLUS"), ("スピンがつぶれる", "MINUS"),
    ("ジブシート引きすぎ", "PLUS"), ("ジブシートを引く", "MINUS"), ("ジブシートを出す", "PLUS"),
    ("少し引きすぎ", "PERIOD"),
    ("メインシートを出す。", "PERIOD"), ("ﾒｲﾝを出して", "PERIOD"),
    ("メインを引く", "COMMA"), ("シートを引く", "COMMA"),
)

TEXT = re.compile(r'^text (-?\d+) (-?\d+) "(.*)"$')


def action_for(line):
    for mark, key in KEY_MARKS:
        if mark in line:
            return key
    for phrase, act in PHRASES:
        if phrase in line:
            return act
    return None


class Scene:
    def __init__(self, lesson, number, png_dir):
        self.lesson, self.number, self.png_dir = lesson, number, png_dir
        self.p = Probe()

    def start(self):
        p = self.p
        p.send(f"command {self.lesson}")
        p.send("key SPACE")          # the lesson's introduction
        p.run(2)
        p.send(f"key {self.number}")  # the scene, by its digit
        p.run(2)
        p.frames = 0

    def coach_lines(self):
        """The coach's lines under the scene's title, top to bottom."""
        rows = [TEXT.match(l) for l in self.p.texts()]
        rows = [(int(m[1]), int(m[2]), m[3]) for m in rows if m]
        title = next(((x, y) for x, y, t in rows if t.startswith("ｼｰﾝ")), None)
        if title is None:
            return None, []
        lines = sorted((y, t) for x, y, t in rows if x == title[0] and y > title[1])
        head = next(t for x, y, t in rows if (x, y) == title)
        return head, [t for _, t in lines]

    def findings(self):
        title, lines = self.coach_lines()
        return title, [(l, action_for(l)) for l in lines if action_for(l)], any(g in l for l in lines for g in GOOD)

    def cured(self, findings, good):
        return not findings and (good or self.lesson == SHAPE)

    def apply(self, act):
        if isinstance(act, str):
            self.p.send(f"key {act}")
            return act
        control, step = act
        v = int(self.p.get(control)[control])
        target = MENU[control].get(v + step)
        if target is None:
            return f"{control}={v}:no item {v + step}"
        self.p.send(f"command {target}")
        # The probe answers a disabled command at once; an enabled one says nothing.
        self.p.send("get SailingState")
        answer = self.p.read()
        if answer.startswith("disabled"):
            self.p.read()
            return f"{control}->{v + step}:disabled"
        return f"{control}->{v + step}"

    def png(self, tag):
        if self.png_dir:
            name = "trim" if self.lesson == TRIM else "shape"
            self.p.send(f"png {os.path.join(self.png_dir, f'{name}{self.number}_{tag}.png')}")

    def run(self):
        self.start()
        title, found, good = self.findings()
        start = [f for f, _ in found]
        self.png("before")
        pressed, trouble = [], []
        rounds, first = 0, None
        while rounds < MAX_ROUNDS:
            if self.cured(found, good):
                first = self.p.frames
                # The boat still gathers way while the coach shows: a cure counts once it holds.
                self.p.run(SETTLE)
                title, found, good = self.findings()
                if self.cured(found, good):
                    break
            done = set()
            for line, act in found:
                key = act if isinstance(act, str) else act[0]
                if key in done:
                    continue
                done.add(key)
                what = self.apply(act)
                pressed.append(what)
                if ":" in what and f"{line} -> {what}" not in trouble:
                    trouble.append(f"{line} -> {what}")
            self.p.run(1)
            rounds += 1
            title, found, good = self.findings()
        self.png("after")
        ok = self.cured(found, good)
        heel = int(self.p.get("HeelAngles[1]")["HeelAngles[1]"])
        self.p.close()
        return {"title": title, "start": start, "keys": pressed, "frames": first if ok else self.p.frames,
                "ok": ok, "heel": heel, "left": [f for f, _ in found], "trouble": trouble}


def squeeze(keys):
    """PERIOD x3, Vang->2 ... : runs of the same key counted."""
    out = []
    for k in keys:
        if out and out[-1][0] == k:
            out[-1][1] += 1
        else:
            out.append([k, 1])
    return " ".join(k if n == 1 else f"{k}x{n}" for k, n in out)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--png-dir")
    ap.add_argument("--lesson", choices=("trim", "shape"))
    ap.add_argument("--scene", type=int)
    a = ap.parse_args()
    if a.png_dir:
        os.makedirs(a.png_dir, exist_ok=True)
    lessons = [(TRIM, TRIM_SCENES), (SHAPE, SHAPE_SCENES)]
    if a.lesson:
        lessons = [lessons[0] if a.lesson == "trim" else lessons[1]]
    failed = 0
    for lesson, count in lessons:
        for n in range(1, count + 1):
            if a.scene and n != a.scene:
                continue
            r = Scene(lesson, n, a.png_dir).run()
            failed += not r["ok"]
            print(f"{r['title']}: {'良し' if r['ok'] else 'NOT CURED'} in {r['frames']} frames" + (f" (held {SETTLE} more)" if r["ok"] else "") + f", heel {r['heel']}")
            print(f"  start: {' / '.join(r['start']) or '(none)'}")
            print(f"  keys:  {squeeze(r['keys']) or '(none)'}")
            for t in r["trouble"]:
                print(f"  trouble: {t}")
            if not r["ok"]:
                print(f"  left: {' / '.join(r['left'])}")
            sys.stdout.flush()
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
