#!/usr/bin/python3
"""Reads the program the way a screen reader does, through AT-SPI.

Starts the program, drives one short quiz from the keyboard with xdotool, prints the accessible
tree of each window as it comes up and every focus, name, description, value and checked-state
event on the way. A development tool, not part of the build or the tests; it needs Debian's
python3-pyatspi, at-spi2-core and xdotool, an X display, and a D-Bus session:

    DISPLAY=:96 dbus-run-session -- /usr/bin/python3 tools/atspi_read.py build/orlin-quiz

With --diagram first, and the program's own options after it, it goes on from question to
question until one has a diagram, presses "Diagram #1" through its accessible action, and prints
the Diagram window:

    DISPLAY=:96 dbus-run-session -- /usr/bin/python3 tools/atspi_read.py --diagram \
        build/orlin-quiz --bank examples/lab-bank/lab-bank.json
"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

EVENTS = [
    "object:state-changed:focused",
    "object:state-changed:checked",
    "object:property-change:accessible-name",
    "object:property-change:accessible-description",
    "object:property-change:accessible-value",
    "window:activate",
]

program = None


def short(text, limit=70):
    text = (text or "").replace("\r", "").replace("\n", " | ")
    return text if len(text) <= limit else text[: limit - 3] + "..."


def describe(acc):
    parts = [acc.getRoleName(), repr(acc.name)]
    if acc.description:
        parts.append("description=" + repr(short(acc.description)))
    try:
        text = acc.queryText()
        content = text.getText(0, text.characterCount)
        if content and content != acc.name:
            parts.append("text=" + repr(short(content)))
    except NotImplementedError:
        pass
    try:
        parts.append("value=%g" % acc.queryValue().currentValue)
    except NotImplementedError:
        pass
    states = acc.getState()
    for state, label in ((pyatspi.STATE_FOCUSED, "focused"), (pyatspi.STATE_CHECKED, "checked"),
                         (pyatspi.STATE_CHECKABLE, "checkable")):
        if states.contains(state):
            parts.append(label)
    if not states.contains(pyatspi.STATE_SHOWING):
        parts.append("(hidden)")
    return " ".join(parts)


def dump(acc, depth=0):
    print("  " * depth + describe(acc))
    for child in acc:
        if child is not None:
            dump(child, depth + 1)


def our_application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "orlin-quiz":
            return app
    return None


def dump_showing_windows(title):
    print("\n=== %s ===" % title)
    app = our_application()
    if app is None:
        print("(the program is not on the accessibility bus)")
        return
    for window in app:
        if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
            dump(window)
    print("=== events ===")


def on_event(event):
    try:
        print_event(event)
    except GLib.GError as error:  # the object went away while being read
        print("%s: (gone: %s)" % (event.type, error.message))


def print_event(event):
    source = event.source
    if source is None or source.getApplication() is None:
        return
    if source.getApplication().name != "orlin-quiz":
        return
    detail = ""
    if event.type.startswith("object:state-changed"):
        detail = " -> %d" % event.detail1
    elif event.type.startswith("object:property-change"):
        detail = " -> " + repr(short(str(event.any_data)))
    print("%s: %s%s" % (event.type, describe(source), detail))


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "150", *names], check=True)


def showing(title):
    app = our_application()
    return app is not None and any(
        w is not None and w.name == title and w.getState().contains(pyatspi.STATE_SHOWING)
        for w in app)


def close_feedback_if_open():
    return ("Return",) if showing("The Answer") else ()


# Each step: the keys to press (or a function that picks them), then what to dump once the
# program has caught up.
STEPS = [
    ((), "welcome window at start"),
    (("Return",), "options window after Enter on I Agree"),
    (("Return",), "question window after Enter on Start the Quiz"),
    (("Return",), "feedback window after Enter on NEXT with nothing chosen"),
    (("Return",), "question 2 after Enter on Close"),
    (("Tab", "Tab", "space"), None),
    (("alt+n",), "after Alt+N with A chosen"),
    (close_feedback_if_open, None),
    (("Tab", "Return"), "summary after Tab to Quit Test and Enter"),
    (("Return",), "welcome window again"),
]


def find_showing(acc, role, name):
    if acc is None:
        return None
    if (acc.getRoleName() == role and acc.name == name
            and acc.getState().contains(pyatspi.STATE_SHOWING)):
        return acc
    for child in acc:
        found = find_showing(child, role, name)
        if found is not None:
            return found
    return None


def open_first_diagram():
    for _ in range(30):
        button = find_showing(our_application(), "push button", "Diagram #1")
        if button is not None:
            print("\n--- action on push button 'Diagram #1' ---")
            button.queryAction().doAction(0)
            return ()
        keys("alt+n")
        time.sleep(1)
        if showing("The Answer"):
            keys("Return")
            time.sleep(1)
    print("(no question with a diagram came up)")
    return ()


# Up to the question window as above, then to the first diagram.
DIAGRAM_STEPS = STEPS[:3] + [
    (open_first_diagram, "Diagram window after its button's action"),
]


def run_step(steps, index):
    if index == len(steps):
        program.terminate()
        pyatspi.Registry.stop()
        return False
    pressed, title = steps[index]
    if callable(pressed):
        pressed = pressed()
    if pressed:
        print("\n--- keys: %s ---" % " ".join(pressed))
        keys(*pressed)

    def after():
        if title:
            dump_showing_windows(title)
        GLib.timeout_add(500, run_step, steps, index + 1)
        return False

    GLib.timeout_add(1500, after)
    return False


def main():
    global program
    command = sys.argv[1:]
    steps = STEPS
    if command[:1] == ["--diagram"]:
        steps = DIAGRAM_STEPS
        command = command[1:]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen(command, env=env)
    pyatspi.Registry.registerEventListener(on_event, *EVENTS)
    GLib.timeout_add(2500, run_step, steps, 0)
    pyatspi.Registry.start()
    program.wait()


if __name__ == "__main__":
    main()
