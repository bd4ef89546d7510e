#!/usr/bin/env python3
"""Reads the running program's windows through the desktop accessibility bus, as a screen reader
does: the main window, its labels and result lines, the four input fields and the title strip's
close button. Presses "Calculate" and reads the result lines again; opens "About" and reads the
dialog and its copyright line, closes it by its title strip's close button, then presses the main
window's close button. Prints what it found; exits non-zero when something a user needs is
missing."""
import sys
import time

import pyatspi

TITLE = "4th Axis Tornivex"


def fail(message):
    print("accessibility test: FAILED: " + message, file=sys.stderr)
    sys.exit(1)


def find_window(title=TITLE):
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None:
                continue
            for window in app:
                if window is not None and window.name == title and window.getState().contains(
                        pyatspi.STATE_SHOWING):
                    return window
        time.sleep(0.1)
    fail("no window named '%s' on the accessibility bus" % title)


def walk(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from walk(child)


def nodes(window, role):
    return [n for n in walk(window) if n.getRole() == role]


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("press", "Press", "click"):
            action.doAction(i)
            return
    fail("'%s' offers no press action" % node.name)


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
press(about_buttons[-1])  # the title strip's button comes last
for _ in range(50):
    if not about.getState().contains(pyatspi.STATE_SHOWING):
        break
    time.sleep(0.1)
else:
    fail("the About dialog's close button did not end the dialog")

press(buttons["Close"])
print("accessibility test: read the window, its labels, result lines and fields; pressed Close")
