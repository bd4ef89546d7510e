#!/usr/bin/env python3
"""Drives the program on a Wayland compositor that has a seat: weston's X11 back end, a window on
an X server, whose pointer and keyboard come from X, so xdotool works them and a grab of the root
window shows weston's output (at the X window's top left). Every position is in the output's
device pixels, the logical one times the scale.

argv: program, desktop colour as #RRGGBB, output scale, output width and height (logical).
At scale 1: a title strip drag moves the window, hovering the close button lights it, the window
menu's Move and a drag move it, a click on the close button ends the program; started again,
Alt+F4 ends it. At scale 2: size, cut corners and the caption at device resolution, then the close
button at its scaled place. Each close must end the program with status 0."""
import atexit
import os
import re
import subprocess
import sys
import time

PROGRAM = sys.argv[1]
DESKTOP = bytes.fromhex(sys.argv[2].lstrip("#"))
S = int(sys.argv[3])
OUT_W, OUT_H = int(sys.argv[4]) * S, int(sys.argv[5]) * S
WIN_W, WIN_H = 541 * S, 206 * S
CURSOR = 32 * S  # the parked cursor's square at an output corner, left out of the window search


def fail(message):
    print("wayland input test (scale %d): FAILED: %s" % (S, message), file=sys.stderr)
    sys.exit(1)


def xdotool(*args):
    # (No --sync: it waits for a move and hangs when the pointer is already there.)
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)
    time.sleep(0.05)


class Shot:
    """The output's pixels, read once."""

    def __init__(self):
        self.raw = subprocess.run(["import", "-window", "root", "-crop", "%dx%d+0+0" % (OUT_W, OUT_H),
                                   "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout

    def at(self, x, y):
        i = (y * OUT_W + x) * 3
        return self.raw[i:i + 3]

    def box(self, parked):
        """(left, top, width, height) of all that is not desktop, or None."""
        raw = bytearray(self.raw)
        px, py = parked
        x0, x1 = max(0, px - CURSOR + 1), min(OUT_W, px + CURSOR)
        for y in range(max(0, py - CURSOR + 1), min(OUT_H, py + CURSOR)):
            raw[(y * OUT_W + x0) * 3:(y * OUT_W + x1) * 3] = DESKTOP * (x1 - x0)
        lead = re.compile(b"(?:%s)*" % re.escape(DESKTOP))
        trail = re.compile(b"(?:%s)*" % re.escape(DESKTOP[::-1]))
        rows = []
        for y in range(OUT_H):
            row = bytes(raw[y * OUT_W * 3:(y + 1) * OUT_W * 3])
            left = lead.match(row).end() // 3
            if left < OUT_W:
                rows.append((y, left, OUT_W - trail.match(row[::-1]).end() // 3))
        if not rows:
            return None
        left, right = min(r[1] for r in rows), max(r[2] for r in rows)
        return left, rows[0][0], right - left, rows[-1][0] + 1 - rows[0][0]


class Run:
    """One start of the program, the pointer parked where the window is not."""

    def __init__(self):
        env = dict(os.environ, QT_QPA_PLATFORM="wayland")
        env.pop("DISPLAY")
        self.process = subprocess.Popen([PROGRAM], env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        atexit.register(lambda p=self.process: p.poll() is None and p.kill())
        self.parked = (OUT_W - 1, OUT_H - 1)
        xdotool("mousemove", *self.parked)
        self.box = self.wait(lambda box: box and box[2:] == (WIN_W, WIN_H), "the main window did not appear as %dx%d"
                             % (WIN_W, WIN_H))
        self.park()

    def park(self):
        """The pointer to the output corner farthest from the window (the cursor is in the picture)."""
        x, y = self.box[0] + WIN_W // 2, self.box[1] + WIN_H // 2
        self.parked = (OUT_W - 1 if x < OUT_W // 2 else 0, OUT_H - 1 if y < OUT_H // 2 else 0)
        xdotool("mousemove", *self.parked)
        time.sleep(0.2)

    def wait(self, done, message, timeout=5.0):
        """The window's box once done(box) holds; a settling frame later, as the compositor drew it."""
        end = time.time() + timeout
        while time.time() < end:
            if self.process.poll() is not None:
                fail("the program ended early: " + self.process.stdout.read().decode(errors="replace"))
            box = Shot().box(self.parked)
            if done(box):
                time.sleep(0.2)
                return Shot().box(self.parked)
            time.sleep(0.1)
        fail(message + " (last seen: %s)" % (box,))

    def closed(self, how):
        try:
            status = self.process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            fail(how + " did not end the program: " + self.process.stdout.read().decode(errors="replace"))
        if status != 0:
            fail("the program ended with status %d after %s" % (status, how))
        print("wayland input test (scale %d): %s ended the program with status 0" % (S, how))

    def drag(self, x, y, steps=4, step=(10, 8)):
        """Press at x,y (in the window), move in steps, release: the window's new box."""
        before = self.box
        left, top = self.box[:2]
        xdotool("mousemove", left + x, top + y, "mousedown", 1)
        for i in range(1, steps + 1):
            xdotool("mousemove", left + x + i * step[0], top + y + i * step[1])
            time.sleep(0.1)
        xdotool("mouseup", 1)
        self.park()
        self.box = self.wait(lambda box: box and box[:2] != before[:2], "the window did not move", 3)
        return self.box[0] - before[0], self.box[1] - before[1]

    def close_button(self):
        """The close button: 15 x 14, right edge 10 in from the window's, on the 26-pixel strip."""
        return self.box[0] + (541 - 10 - 15) * S, self.box[1] + 6 * S, 15 * S, 14 * S


def check_outline(run):
    shot = Shot()
    left, top = run.box[:2]
    for x, y in ((left, top), (left + WIN_W - 1, top), (left, top + WIN_H - 1), (left + WIN_W - 1, top + WIN_H - 1)):
        if shot.at(x, y) != DESKTOP:
            fail("the cut corner pixel %d,%d shows %s, not the desktop" % (x - left, y - top, shot.at(x, y).hex()))
    if shot.at(left + 5 * S, top) == DESKTOP:
        fail("the outline is cut too far: %d,0 shows the desktop" % (5 * S))
    return shot


def check_moves(run):
    dx, dy = run.drag(120, 12)
    if not (30 <= dx <= 40 and 24 <= dy <= 32):
        fail("dragging the title strip by 40,32 moved the window by %d,%d" % (dx, dy))
    print("wayland input test: the title strip drag moved the window by %d,%d" % (dx, dy))
    left, top = run.box[:2]
    xdotool("mousemove", left + 200, top + 12, "click", 3)
    time.sleep(0.4)
    xdotool("key", "Down", "Return")  # the menu's first entry is Move
    time.sleep(0.3)
    # The compositor's move starts with the next press, anywhere on the window.
    dx, dy = run.drag(200, 100, 3, (10, 10))
    if not (20 <= dx <= 30 and 20 <= dy <= 30):
        fail("'Move' from the window menu and a drag by 30,30 moved the window by %d,%d" % (dx, dy))
    print("wayland input test: 'Move' from the window menu and a drag moved the window by %d,%d" % (dx, dy))


def check_close_button(run):
    x, y, w, h = run.close_button()
    # The cursor's arrow points down and right: compare the button's part above and left of it.
    part = [(x + i, y + j) for i in range(w - 4 * S) for j in range(h - 4 * S)]
    normal = Shot()
    xdotool("mousemove", x + w - 2 * S, y + h - 2 * S)
    time.sleep(0.5)
    hot = Shot()
    changed = sum(1 for p in part if normal.at(*p) != hot.at(*p))
    if changed < len(part) // 3:
        fail("hovering the close button changed %d of %d pixels" % (changed, len(part)))
    print("wayland input test (scale %d): hovering the close button changed %d of %d pixels" % (S, changed, len(part)))
    xdotool("click", 1)
    run.closed("a click on the close button")


def check_caption_resolution(shot, run):
    """The caption's text (9..120 x 5..20 in the window) is drawn at device resolution: some 2 x 2
    blocks are not one colour, as they all would be in an enlarged picture."""
    left, top = run.box[:2]
    mixed = 0
    for y in range(top + 5 * S, top + 20 * S, 2):
        for x in range(left + 9 * S, left + 120 * S, 2):
            if len({shot.at(x, y), shot.at(x + 1, y), shot.at(x, y + 1), shot.at(x + 1, y + 1)}) > 1:
                mixed += 1
    if mixed < 20:
        fail("the caption looks enlarged: only %d of its 2 x 2 blocks are not one colour" % mixed)
    print("wayland input test (scale 2): %d of the caption's 2 x 2 blocks are not one colour" % mixed)


run = Run()
print("wayland input test (scale %d): main window at %d,%d size %dx%d" % ((S,) + run.box))
shot = check_outline(run)
if os.environ.get("TORNIVEX_WAYLAND_SHOTS"):
    subprocess.run(["import", "-window", "root", "-crop", "%dx%d+0+0" % (OUT_W, OUT_H),
                    os.path.join(os.environ["TORNIVEX_WAYLAND_SHOTS"], "wayland-scale%d.png" % S)], check=True)
if S == 1:
    check_moves(run)
    check_close_button(run)
    run = Run()
    xdotool("key", "alt+F4")
    run.closed("Alt+F4")
else:
    check_caption_resolution(shot, run)
    check_close_button(run)
