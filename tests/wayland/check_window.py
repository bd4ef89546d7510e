#!/usr/bin/env python3
"""Checks the program on a Wayland compositor (weston's headless back end): the main window is on
screen with its cut corners showing the desktop beneath, "About" pressed through the accessibility
bus opens the dialog over it, both close through their title strips' close buttons. Screenshots
come from weston-screenshooter; argv[1] is the desktop colour as #RRGGBB."""
import glob
import os
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "accessibility"))
from atspi_bus import Bus, nodes  # noqa: E402

DESKTOP = sys.argv[1].upper()


bus = Bus("wayland test")
fail = bus.fail


def buttons(node):
    return nodes(node, pyatspi.ROLE_PUSH_BUTTON)


def screenshot():
    """The output as rows of #RRGGBB strings."""
    for old in glob.glob("wayland-screenshot-*.png"):
        os.remove(old)
    time.sleep(0.5)  # the last frame committed
    subprocess.run(["weston-screenshooter"], check=True)
    shot = glob.glob("wayland-screenshot-*.png")
    if not shot:
        fail("weston-screenshooter wrote no picture")
    text = subprocess.run(["convert", shot[0], "-depth", "8", "txt:-"], check=True, capture_output=True,
                          text=True).stdout.splitlines()[1:]
    pixels = {}
    for line in text:
        where, _, colour = line.split()[:3]
        x, y = map(int, where.rstrip(":").split(","))
        pixels[(x, y)] = colour[:7].upper()
    width = max(x for x, _ in pixels) + 1
    height = max(y for _, y in pixels) + 1
    return [[pixels[(x, y)] for x in range(width)] for y in range(height)]


def window_box(rows):
    """Bounding box (left, top, right, bottom) of everything that is not desktop."""
    ys = [y for y, row in enumerate(rows) if any(c != DESKTOP for c in row)]
    if not ys:
        fail("nothing but the desktop on screen")
    xs = [x for x in range(len(rows[0])) if any(rows[y][x] != DESKTOP for y in ys)]
    return xs[0], ys[0], xs[-1] + 1, ys[-1] + 1


main = bus.find_window("4th Axis Tornivex")
rows = screenshot()
left, top, right, bottom = window_box(rows)
print("main window on screen at %d,%d size %dx%d" % (left, top, right - left, bottom - top))
if (right - left, bottom - top) != (541, 206):
    fail("the skinned main window is not 541 x 206 on screen")
for x, y in ((left, top), (right - 1, top), (left, bottom - 1), (right - 1, bottom - 1)):
    if rows[y][x] != DESKTOP:
        fail("the cut corner pixel %d,%d shows %s, not the desktop" % (x - left, y - top, rows[y][x]))
for x, y in ((left + 8, top + 8), (right - 9, bottom - 9)):
    if rows[y][x] == DESKTOP:
        fail("the window is see-through inside its frame at %d,%d" % (x - left, y - top))

named = {b.name: b for b in buttons(main)}
bus.press(named["About"])
about = bus.find_window("About")
after = screenshot()
changed = sum(1 for y in range(len(rows)) for x in range(len(rows[0])) if rows[y][x] != after[y][x])
print("About opened: %d pixels changed" % changed)
if changed < 20000:
    fail("the About dialog did not appear on screen")
# Where it lands is the compositor's choice (weston's desktop shell puts new windows where it
# likes; desktops that honour the transient parent put it over its owner).
moved = [(x, y) for y in range(len(rows)) for x in range(len(rows[0])) if rows[y][x] != after[y][x]]
print("About drawn within %d,%d - %d,%d" % (min(x for x, _ in moved), min(y for _, y in moved),
                                          max(x for x, _ in moved), max(y for _, y in moved)))
bus.close_by_title_button(about)
bus.press(named["Close"])
print("wayland test: corners show the desktop, About opened and closed, Close pressed")
