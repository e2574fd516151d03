#!/usr/bin/env python3
"""Evaluates Python expressions over one raw RGB screenshot; a false one fails with its text.

Usage: pixel_check.py [-q] RGB_FILE SCREEN_WIDTH X0 Y0 DEFS EXPR...
p(x, y) is the (r, g, b) of screen pixel (X0 + x, Y0 + y); DEFS is Python run first in the same
namespace, for the few helpers one script alone needs. -q reports nothing, only the exit code."""
import sys

BASE = '''
def p(x, y):
    i = ((y0 + y) * width + x0 + x) * 3
    return tuple(pixels[i:i + 3])
def dark(x, y): return sum(p(x, y)) < 3 * 128
def light(x, y): return min(p(x, y)) > 200
def black(x, y): return p(x, y) == (0, 0, 0)
def white(x, y): return p(x, y) == (255, 255, 255)
def count(cond, points): return sum(1 for q in points if cond(*q))
def column(x, y0_, y1_): return sum(1 for y in range(y0_, y1_) if dark(x, y))
'''


def main(argv):
    quiet = argv[:1] == ['-q']
    if quiet:
        argv = argv[1:]
    path, width, x0, y0, defs = argv[0], int(argv[1]), int(argv[2]), int(argv[3]), argv[4]
    names = {'path': path, 'width': width, 'x0': x0, 'y0': y0, 'pixels': open(path, 'rb').read()}
    exec(BASE, names)
    exec(defs, names)
    ok = True
    for expr in argv[5:]:
        if not eval(expr, names):
            if not quiet:
                print("FAIL in %s: %s" % (path.rsplit('/', 1)[-1], expr))
            ok = False
    return 0 if ok else 1


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
