#!/usr/bin/env python3
"""Reads the running program's windows through the desktop accessibility bus, as a screen reader
does: the main window, its labels and result lines, the four input fields and the title strip's
close button. Presses "Calculate" and reads the result lines again; opens the copy entries from the
keyboard (Shift+F10 in the focused field, then Up through its entries) and reads the names a screen
reader announces as each entry takes the focus; opens "About" and reads the
dialog and its copyright line, closes it by its title strip's close button, then presses the main
window's close button. Prints what it found; exits non-zero when something a user needs is
missing."""
import subprocess
import time

import pyatspi
from gi.repository import GLib

from atspi_bus import Bus, nodes

TITLE = "4th Axis Tornivex"


bus = Bus("accessibility test")
fail = bus.fail
press = bus.press


def find_window(title=TITLE):
    return bus.find_window(title)


def label_names(window):
    return [n.name for n in nodes(window, pyatspi.ROLE_LABEL)]


window = find_window()
role = window.getRoleName()
if role != "frame":
    fail("the main window reads as '%s', not a frame" % role)
print("window: %s (%s)" % (window.name, role))

labels = label_names(window)
print("labels: %s" % labels)
for expected in ("With a", "Stepper motor", "Using a", "micro step drive", "Using a 4th axis with", ":", "Ratio"):
    if expected not in labels:
        fail("label '%s' is not readable" % expected)

fields = [n.name for n in nodes(window, pyatspi.ROLE_TEXT)]
print("fields: %s" % fields)
if len([f for f in fields if f.strip()]) != 4:
    fail("the four input fields do not all have names: %s" % fields)

buttons = {n.name: n for n in nodes(window, pyatspi.ROLE_PUSH_BUTTON)}
print("buttons: %s" % sorted(buttons))
for expected in ("Calculate", "About", "Close"):
    if expected not in buttons:
        fail("no push button '%s'" % expected)

press(buttons["Calculate"])
lines = []
for _ in range(50):
    lines = [n for n in label_names(window) if "steps" in n.lower() or "units" in n]
    if len(lines) == 5:
        break
    time.sleep(0.1)
print("result lines: %s" % lines)
if len(lines) != 5 or not any("222.222222222222 units" in line for line in lines):
    fail("the five result lines are not readable after 'Calculate': %s" % lines)

# The copy entries from the keyboard. Menus are not children of the application on the bus: a
# screen reader learns of them as their entries take the focus, so listen for that.
announced = []


def on_focus(event):
    if event.detail1 and event.source is not None and event.source.getRole() == pyatspi.ROLE_MENU_ITEM:
        announced.append(event.source.name)


def keys(*names):
    subprocess.run(["xdotool", "key"] + list(names), check=True)
    return False


pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
GLib.timeout_add(300, keys, "shift+F10")
GLib.timeout_add(900, keys, "Up")    # "Copy one line", the last entry
GLib.timeout_add(1200, keys, "Up")   # "Copy all results"
GLib.timeout_add(1500, keys, "Up")   # "Copy units per degree"
GLib.timeout_add(1800, keys, "Escape")
GLib.timeout_add(2300, lambda: pyatspi.Registry.stop())
pyatspi.Registry.start()
pyatspi.Registry.deregisterEventListener(on_focus, "object:state-changed:focused")
print("menu entries announced: %s" % announced)
for expected in ("Copy one line", "Copy all results", "Copy units per degree"):
    if expected not in announced:
        fail("the menu entry '%s' was not announced: %s" % (expected, announced))

press(buttons["About"])
about = find_window("About")
if about.getRoleName() != "dialog":
    fail("the About window reads as '%s', not a dialog" % about.getRoleName())
about_labels = label_names(about)
print("about: %s (%s), labels %s" % (about.name, about.getRoleName(), about_labels))
if not any(name.startswith("Copyright") for name in about_labels):
    fail("the copyright line is not readable: %s" % about_labels)
about_buttons = [n for n in nodes(about, pyatspi.ROLE_PUSH_BUTTON) if n.name == "Close"]
if len(about_buttons) != 2:
    fail("the About dialog should offer its own Close and the title strip's close button")
bus.close_by_title_button(about)  # the title strip's button comes last

press(buttons["Close"])
print("accessibility test: read the window, its labels, result lines and fields; pressed Close")
