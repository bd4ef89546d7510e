#!/usr/bin/env python3
"""The windows' outline on a real X server at fractional screen ratios: the cut corners seen on
the screen at QT_SCALE_FACTOR 1.25, 1.5 and 1.75 must be the corners seen at ratio 1 with every
logical pixel made the block of device pixels between the rounded images of its edges (where the
picture is painted), and no pixel the window shows there may be black (a transparent pixel the
outline failed to cut). Runs the main window and the About dialog on Xvfb without a compositor,
where only the window's shape cuts the corners. argv[1] is the program."""
import os
import subprocess
import sys
import tempfile
import time

PROGRAM = sys.argv[1]
DESKTOP = "#20C040"
CORNER = 12  # logical pixels looked at in each corner
RATIOS = ("1.25", "1.5", "1.75")


def fail(message):
    print("outline test: FAILED: " + message, file=sys.stderr)
    sys.exit(1)


def device_edge(logical, ratio):
    return int(logical * ratio + 0.5)


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def find_window(title):
    for _ in range(100):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                               capture_output=True, text=True).stdout.split()
        if found:
            time.sleep(0.5)  # the first frame drawn
            return found[0]
        time.sleep(0.1)
    fail("no window titled '%s' appeared" % title)


def geometry(window):
    info = dict(line.strip().split(":", 1) for line in run("xwininfo", "-id", window).splitlines()
                if ":" in line)
    return tuple(int(info[key]) for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))


def screen_pixels(shot, x, y, width, height):
    """Rows of #RRGGBB of a part of the screenshot."""
    text = run("convert", shot, "-crop", "%dx%d+%d+%d" % (width, height, x, y), "+repage", "-depth", "8", "txt:-")
    rows = [[None] * width for _ in range(height)]
    for line in text.splitlines()[1:]:
        where, _, colour = line.split()[:3]
        px, py = map(int, where.rstrip(":").split(","))
        rows[py][px] = colour[:7].upper()
    return rows


def corners(shot, left, top, width, height, logical_size, ratio):
    """For each corner, {device pixel in the window: (logical pixel, colour)}."""
    lw, lh = logical_size
    found = {}
    for name, lx0, ly0 in (("top left", 0, 0), ("top right", lw - CORNER, 0),
                           ("bottom left", 0, lh - CORNER), ("bottom right", lw - CORNER, lh - CORNER)):
        x0, y0 = device_edge(lx0, ratio), device_edge(ly0, ratio)
        x1, y1 = device_edge(lx0 + CORNER, ratio), device_edge(ly0 + CORNER, ratio)
        rows = screen_pixels(shot, left + x0, top + y0, x1 - x0, y1 - y0)
        pixels = {}
        for lx in range(lx0, lx0 + CORNER):
            for ly in range(ly0, ly0 + CORNER):
                for dy in range(device_edge(ly, ratio), device_edge(ly + 1, ratio)):
                    for dx in range(device_edge(lx, ratio), device_edge(lx + 1, ratio)):
                        pixels[(dx, dy)] = ((lx, ly), rows[dy - y0][dx - x0])
        found[name] = pixels
    return found


def look(display, ratio, work):
    """Starts the program at the ratio; returns both windows' corners and logical sizes."""
    env = dict(os.environ, DISPLAY=display, XDG_CONFIG_HOME=work + "/config", XDG_DATA_HOME=work + "/data")
    for key in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "QT_SCALE_FACTOR"):
        env.pop(key, None)
    r = float(ratio)
    if ratio != "1":
        env["QT_SCALE_FACTOR"] = ratio
    os.environ["DISPLAY"] = display
    app = subprocess.Popen([PROGRAM], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        seen = {}
        main = find_window("4th Axis Tornivex")
        x, y, w, h = geometry(main)
        # "About" lies at 154,145 (56 x 25) in the client area, which starts at 3,26.
        run("xdotool", "mousemove", "--sync", str(x + device_edge(3 + 182, r)), str(y + device_edge(26 + 157, r)),
            "click", "1")
        about = find_window("About")
        # Off the main window, over the bare desktop.
        run("xdotool", "windowmove", "--sync", about, "0", "0")
        time.sleep(0.3)
        # TORNIVEX_OUTLINE_SHOTS names a folder that keeps the screenshots to look at.
        shot = "%s/outline-%s.png" % (os.environ.get("TORNIVEX_OUTLINE_SHOTS", work), ratio)
        run("import", "-window", "root", shot)
        for name, window in (("main window", main), ("About", about)):
            left, top, width, height = geometry(window)
            logical = (round(width / r), round(height / r))
            if (device_edge(logical[0], r), device_edge(logical[1], r)) != (width, height):
                fail("%s is %dx%d on a screen at %s" % (name, width, height, ratio))
            seen[name] = (logical, corners(shot, left, top, width, height, logical, r))
        return seen
    finally:
        app.kill()
        app.wait()


def main():
    with tempfile.TemporaryDirectory() as work:
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1600x1200x24", "-nolisten", "tcp",
                                 "-noreset"],
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        try:
            display = ":" + xvfb.stdout.readline().strip()
            run("convert", "-size", "64x64", "xc:" + DESKTOP, work + "/desktop.png")
            subprocess.run(["display", "-window", "root", work + "/desktop.png"], check=False, capture_output=True,
                           env=dict(os.environ, DISPLAY=display))
            reference = look(display, "1", work)
            outline = {name: {corner: {pixel: colour == DESKTOP for pixel, (_, colour) in pixels.items()}
                              for corner, pixels in found.items()}
                       for name, (_, found) in reference.items()}
            for name, found in outline.items():
                cut = sum(sum(corner.values()) for corner in found.values())
                if cut < 4:
                    fail("the %s shows no cut corners at ratio 1" % name)
            for ratio in RATIOS:
                for name, (logical, found) in look(display, ratio, work).items():
                    if logical != reference[name][0]:
                        fail("%s is %s logical pixels at %s, %s at 1" % (name, logical, ratio, reference[name][0]))
                    for corner, pixels in found.items():
                        for (dx, dy), ((lx, ly), colour) in sorted(pixels.items()):
                            want_desktop = outline[name][corner][(lx, ly)]
                            if (colour == DESKTOP) != want_desktop:
                                fail("%s at %s, %s corner: device pixel %d,%d is %s, logical pixel %d,%d %s"
                                     % (name, ratio, corner, dx, dy, colour, lx, ly,
                                        "is cut" if want_desktop else "is painted"))
                            if colour == "#000000":
                                fail("%s at %s: device pixel %d,%d is black" % (name, ratio, dx, dy))
                print("outline test: both windows at %s match their outline at 1" % ratio)
        finally:
            xvfb.kill()
            xvfb.wait()


main()
