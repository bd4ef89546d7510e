"""Finding, reading and pressing the program's controls through the desktop accessibility bus, as
a screen reader does. Shared by the accessibility test and the Wayland test; each names itself in
its failure messages."""
import sys
import time

import pyatspi


class Bus:
    def __init__(self, test_name):
        self.test_name = test_name

    def fail(self, message):
        print("%s: FAILED: %s" % (self.test_name, message), file=sys.stderr)
        sys.exit(1)

    def find_window(self, title):
        """The showing top-level window of that name, waited for up to 10 s."""
        for _ in range(100):
            for app in pyatspi.Registry.getDesktop(0):
                for window in app or []:
                    if window is not None and window.name == title and window.getState().contains(
                            pyatspi.STATE_SHOWING):
                        return window
            time.sleep(0.1)
        self.fail("no window named '%s' on the accessibility bus" % title)

    def press(self, node):
        action = node.queryAction()
        for i in range(action.nActions):
            if action.getName(i) in ("press", "Press", "click"):
                action.doAction(i)
                return
        self.fail("'%s' offers no press action" % node.name)

    def close_by_title_button(self, dialog):
        """Presses the dialog's title-strip close button (its last "Close") and waits for it to go."""
        closers = [n for n in nodes(dialog, pyatspi.ROLE_PUSH_BUTTON) if n.name == "Close"]
        if not closers:
            self.fail("'%s' offers no close button" % dialog.name)
        self.press(closers[-1])
        for _ in range(50):
            if not dialog.getState().contains(pyatspi.STATE_SHOWING):
                return
            time.sleep(0.1)
        self.fail("the %s dialog's close button did not end the dialog" % dialog.name)


def walk(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from walk(child)


def nodes(window, role):
    return [n for n in walk(window) if n.getRole() == role]
