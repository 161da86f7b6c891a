"""A scripted hand for brisamar-probe: drives the probe through a pipe, reads the boat and
steers with the mouse in the steering zone, one small batch of frames at a time.

Used by the exercise scripts next to it; run from the repository root after a Release build."""

import math
import subprocess
import sys

PROBE = "build-rel/brisamar-probe"


class Probe:
    def __init__(self, *args, exe=PROBE):
        self.p = subprocess.Popen([exe, *args], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL, text=True, bufsize=1)
        self.frames = 0

    def send(self, line):
        self.p.stdin.write(line + "\n")
        self.p.stdin.flush()

    def read(self):
        line = self.p.stdout.readline()
        if not line:
            raise RuntimeError("probe ended")
        return line.rstrip("\n")

    def get(self, *names):
        self.send("get " + " ".join(names))
        out = {}
        for _ in names:
            k, v = self.read().split("=", 1)
            out[k] = float(v)
        return out

    def run(self, n):
        self.send(f"frames {n}")
        self.frames += n

    def listing(self, command):
        # A listing ends where the next command's answer begins: ask for a marker.
        self.send(command)
        self.send("get SailingState")
        lines = []
        while True:
            line = self.read()
            if line.startswith("SailingState="):
                return lines
            lines.append(line)

    def texts(self):
        return self.listing("texts")

    def sounds(self):
        return self.listing("sounds")

    def close(self):
        self.p.stdin.close()
        self.p.wait()


def signed(a):
    a = a % 360
    return a - 360 if a > 180 else a


class Helm:
    """Mouse steering: a pointer right of the zone's centre line turns the boat to port."""

    def __init__(self, probe):
        self.probe = probe
        g = probe.get("ViewWidth", "ViewHeight")
        w, h = int(g["ViewWidth"]), int(g["ViewHeight"])
        self.centre = w // 2 - w // 40
        self.reach = (w * 2 // 3 - w // 20 - w // 3) // 2 - 4
        self.y = h - 20

    def steer(self, heading, wanted, gain=4.0):
        err = signed(wanted - heading)
        dx = max(-self.reach, min(self.reach, int(-gain * err)))
        self.probe.send(f"move {self.centre + dx} {self.y}")
        return err

    def centre_helm(self):
        self.probe.send(f"move {self.centre} {self.y}")


def bearing(dx, dy_north):
    return math.degrees(math.atan2(dx, dy_north)) % 360


def report(probe, name, png):
    probe.run(1)  # the results screen is drawn by the paint after the one that ended the activity
    probe.send(f"png {png}")
    lines = probe.texts()
    g = probe.get("ResultsShown", "SimSeconds", "BestScores[0]")
    print(f"{name}: frames={probe.frames} ResultsShown={int(g['ResultsShown'])} SimSeconds={int(g['SimSeconds'])}")
    for line in lines:
        print("  " + line)
    sys.stdout.flush()


def point_from(x, y, compass, dist):
    r = math.radians(compass)
    return x + math.sin(r) * dist, y - math.cos(r) * dist


class Skipper:
    """Sails to points: straight when the point lies off the wind, close-hauled on the tack
    that gains on it when it lies upwind."""

    def __init__(self, probe, close=50):
        self.probe = probe
        self.helm = Helm(probe)
        self.close = close
        self.main_free = False

    def read(self):
        return self.probe.get("BoatHeadings[1]", "BoatX[1]", "BoatY[1]", "WindDirection",
                              "BoatSpeedTenths[1]", "ResultsShown", "SimSeconds", "MainBackwindCopy",
                              "SpeedOverGround")

    def steer_to(self, g, tx, ty):
        """Steers for a point; a boat stopped head to wind puts the helm hard over to bear away."""
        wanted = self.course_to(g, tx, ty)
        off = signed(g["BoatHeadings[1]"] - g["WindDirection"])
        if g["BoatSpeedTenths[1]"] < 5 and abs(off) < 60:
            wanted = g["WindDirection"] + (90 if off >= 0 else -90)
            # Going astern the rudder works the other way round.
            return self.helm.steer(g["BoatHeadings[1]"], wanted, gain=-20 if g["BoatSpeedTenths[1]"] < 0 else 20)
        return self.helm.steer(g["BoatHeadings[1]"], wanted)

    def course_to(self, g, tx, ty):
        brg = bearing(tx - g["BoatX[1]"], g["BoatY[1]"] - ty)
        off = signed(brg - g["WindDirection"])
        if abs(off) < self.close:
            return g["WindDirection"] + (self.close if off >= 0 else -self.close)
        return brg

    def let_fly(self):
        if not self.main_free:
            for _ in range(52):
                self.probe.send("key PERIOD")
            self.main_free = True

    def trim(self):
        if self.main_free:
            self.probe.send("key A")   # every sheet back to automatic trim
            self.main_free = False

    def approach(self, g, phase, bx, by, slant, shoot):
        """One step of a stop beside a point: sail to a staging point 45 yards below it, reach up
        to it, let the main fly `shoot` yards short; stopped short or overshot, go round again.
        Returns the next phase, "stage" or "shoot"."""
        x, y = g["BoatX[1]"], g["BoatY[1]"]
        if phase == "stage":
            sx, sy = point_from(bx, by, g["WindDirection"] + 180 - slant, 45)
            self.trim()
            self.steer_to(g, sx, sy)
            return "shoot" if ((x - sx) ** 2 + (y - sy) ** 2) ** 0.5 < 12 else "stage"
        d = ((x - bx) ** 2 + (y - by) ** 2) ** 0.5
        self.helm.steer(g["BoatHeadings[1]"], bearing(bx - x, y - by), gain=6)
        if d < shoot:
            self.let_fly()
        return "stage" if g["BoatSpeedTenths[1]"] < 3 and d > 7 else "shoot"
