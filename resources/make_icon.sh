#!/usr/bin/env bash
# Draws the program icon (a sloop on a blue tile) and writes it as XPM, which the window
# code includes as C source. Needs ImageMagick and Python 3.
set -euo pipefail
cd "$(dirname "$0")"
convert -size 32x32 xc:none -fill '#1e5aa0' -draw 'roundrectangle 0,0 31,31 6,6' \
  -fill '#7fc4ff' -draw 'rectangle 1,22 30,30' \
  -fill white -stroke '#303030' -draw 'polygon 16,3 16,21 5,21' -draw 'polygon 18,6 18,21 27,21' \
  -stroke none -fill '#c02020' -draw 'polygon 5,23 27,23 24,27 8,27' \
  -fill '#303030' -draw 'line 17,2 17,23' -colors 16 -depth 8 txt:- | python3 -c '
import re, sys
pixels = {}
for line in sys.stdin:
    m = re.match(r"(\d+),(\d+): \(([\d.]+),([\d.]+),([\d.]+),([\d.]+)\)", line)
    if not m:
        continue
    x, y = int(m.group(1)), int(m.group(2))
    r, g, b, a = (float(v) for v in m.groups()[2:])
    pixels[(x, y)] = None if a < 128 else "#%02X%02X%02X" % (round(r), round(g), round(b))
colours = sorted({c for c in pixels.values() if c}) + [None]
keys = " .XoO+@#$%&*=-;:>,<1234"
code = {c: keys[i] for i, c in enumerate(colours)}
print("/* XPM */")
print("static const char* const kBrisamarIcon[] = {")
print("\"32 32 %d 1\"," % len(colours))
for c in colours:
    print("\"%s c %s\"," % (code[c], c if c else "None"))
rows = ["\"" + "".join(code[pixels[(x, y)]] for x in range(32)) + "\"" for y in range(32)]
print(",\n".join(rows))
print("};")
' > brisamar_icon.xpm
