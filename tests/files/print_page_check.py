#!/usr/bin/env python3
"""The printed page holds the picture fitted and centred: renders the PDF a printing test kept
and finds the picture's dark band (rows 200-280 of 480, the full width) on the white page."""
import subprocess
import sys

pdf = sys.argv[1]
pgm = subprocess.run(["pdftoppm", "-r", "20", "-gray", "-f", "1", "-l", "1", pdf],
                     check=True, capture_output=True).stdout
# Binary PGM: "P5", width, height, maxval, then the pixels.
fields, at = [], 0
while len(fields) < 4:
    while pgm[at:at + 1].isspace():
        at += 1
    end = at
    while not pgm[end:end + 1].isspace():
        end += 1
    fields.append(pgm[at:end])
    at = end
width, height = int(fields[1]), int(fields[2])
pixels = pgm[at + 1:at + 1 + width * height]
dark = [(x, y) for y in range(height) for x in range(width) if pixels[y * width + x] < 96]
if not dark:
    sys.exit("no picture on the page")
left = min(x for x, _ in dark)
right = max(x for x, _ in dark)
top = min(y for _, y in dark)
bottom = max(y for _, y in dark)
problems = []
inch = 20  # the rendering's pixels per inch
# A portrait page: the width limits, so the picture is as wide as the printable width (the page
# less half an inch) and starts a quarter inch from the left...
if abs(left - inch / 4) > 2 or abs((right - left + 1) - (width - inch / 2)) > 3:
    problems.append("the picture spans x %d-%d of %d" % (left, right, width))
# ...and (its band at its middle) stands in the middle of the printable height, the page less an
# inch.
middle = (top + bottom) / 2
if abs(middle - (height - inch) / 2) > 3:
    problems.append("the band's middle is at %.0f of %d" % (middle, height))
band = (bottom - top + 1) / (right - left + 1)
if not 80 / 640 * 0.7 < band < 80 / 640 * 1.3:
    problems.append("the band's proportions are %.3f, not %.3f" % (band, 80 / 640))
print("page %dx%d, band x %d-%d, y %d-%d" % (width, height, left, right, top, bottom))
sys.exit("; ".join(problems) if problems else 0)
