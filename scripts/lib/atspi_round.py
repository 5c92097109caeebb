"""Plays into a round of the strategy practice through AT-SPI, as a screen-reader user would, and
prints what the reader finds: the table's controls and cards, then what is announced when the
student stands. Run by scripts/atspi-tree inside a session with the accessibility bus."""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAM = os.environ["VANTREL_PROGRAM"]
DATA = os.environ["VANTREL_DATA"]


def wait_for(find, what, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    sys.exit(f"atspi-tree: gave up waiting for {what}")


def showing(node):
    states = node.getState()
    return states.contains(pyatspi.STATE_SHOWING) or states.contains(pyatspi.STATE_VISIBLE)


def walk(node):
    """Every showing object under node."""
    for child in node:
        if child is None or not showing(child):
            continue
        yield child
        yield from walk(child)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "vantrel":
            return app
    return None


def named(app, name, role=None):
    for node in walk(app):
        if node.name == name and (role is None or node.getRoleName() == role):
            return node
    return None


def press(app, name):
    button = wait_for(lambda: named(app, name, "push button"), f'the button "{name}"')
    button.queryAction().doAction(0)
    print(f'-- pressed "{name}"')


def click(node):
    x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"],
                   check=True)
    print(f'-- clicked "{node.name}"')


def describe(node):
    text = f'{node.getRoleName()}: "{node.name}"'
    if node.description:
        text += f" ({node.description})"
    return text


def print_screen(app, title):
    """The controls of the screen in front, as a reader lists them; decoration with no name and
    no role of its own is left out."""
    print(f"== {title}")
    for node in walk(app):
        role = node.getRoleName()
        if role == "frame" or (not node.name and role in ("panel", "filler", "layered pane",
                                                         "unknown", "label", "scroll bar")):
            continue
        print("  " + describe(node))


def main():
    # As a screen reader does: the program sends changes of names only to those who listen, and
    # what was read before stays in the reader's cache until it hears of a change.
    pyatspi.Registry.registerEventListener(lambda event: None,
                                           "object:property-change:accessible-name",
                                           "object:property-change:accessible-description")
    program = subprocess.Popen([PROGRAM], cwd=DATA, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        app = wait_for(application, "the trainer on the accessibility bus")
        press(app, "Good luck!")
        press(app, "Lesson 5: Practice 2 (Strategy)")
        picture = wait_for(lambda: next((n for n in walk(app)
                                         if n.name.startswith("Picture:")), None),
                           "the lecture picture")
        print("== The lesson's first page: its picture as the reader reads it")
        print("  " + describe(picture))
        press(app, "Start")
        click(wait_for(lambda: named(app, "Bet $5"), "the $5 chip"))
        hit = wait_for(lambda: named(app, "HIT", "push button"), "the HIT button")
        wait_for(lambda: hit if hit.getState().contains(pyatspi.STATE_ENABLED) else None,
                 "the deal", 60)
        print_screen(app, "The table during the round, waiting for the student")

        print("== What is announced after the student stands")

        settled = []

        def announced(event):
            if event.detail1 != 1 or event.source.getRoleName() != "notification":
                return
            print(f'  announced: "{event.source.name}"')
            # The results show during the pause after settlement: read the table then.
            if event.source.name.startswith("Hand ") and not settled:
                settled.append(True)
                GLib.timeout_add(300, lambda: print_screen(app, "The table as the round is settled"))

        pyatspi.Registry.registerEventListener(announced, "object:state-changed:showing")
        press(app, "STAND")
        GLib.timeout_add_seconds(12, lambda: pyatspi.Registry.stop() or False)
        pyatspi.Registry.start()
    finally:
        program.terminate()
        program.wait(10)


main()
