#!/usr/bin/env python3
"""Reads the accessible names of organclock's windows through the AT-SPI bus, as a
screen reader does, and fails on any control a user meets that has no name.
Prints what it found. Exit code 0 when all is well."""
import re
import sys
import time

import pyatspi

# Containers and the parts of a field that stand for nothing of their own.
CONTAINERS = {"application", "frame", "filler", "panel", "window", "separator", "menu bar",
              "tool bar", "dialog", "unknown", "redundant object"}


def find_app(pid, seconds):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is None or app.get_process_id() != pid:
                    continue
                # Up once the reminder has opened the appointment window.
                titles = [app.getChildAtIndex(k).name or "" for k in range(app.childCount)]
                if any(t.startswith("Termine heute") for t in titles):
                    return app
            except Exception:
                pass
        time.sleep(0.2)
    return None


def walk(node, path, out, depth=0):
    if node is None or depth > 14:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        role = child.getRoleName()
        states = child.getState()
        showing = states.contains(pyatspi.STATE_SHOWING)
        size = (0, 0)
        try:
            extents = child.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            size = (extents.width, extents.height)
        except NotImplementedError:  # an object without a place on screen (a table cell)
            size = (1, 1) if showing else (0, 0)
        button = role in ("push button", "toggle button")
        counts = role not in CONTAINERS and ((showing and size != (0, 0)) or button)
        out.append((path + [child.name or ""], role, child.name or "", counts, size))
        walk(child, path + [child.name or role], out, depth + 1)


def main():
    pid = int(sys.argv[1])
    app = find_app(pid, 30)
    if app is None:
        print("FAIL: organclock did not appear on the accessibility bus")
        return 1
    # Each window is a frame named by its title, which a screen reader announces when
    # the window becomes active.
    windows = [app.getChildAtIndex(k) for k in range(app.childCount)]
    failures = []
    for window in windows:
        if window is not None and window.getRoleName() != "frame":
            print("FAIL: window %r is a %s, not a frame" % (window.name, window.getRoleName()))
            failures.append(None)
    found = []
    walk(app, [], found)
    failures += [f for f in found if f[3] and not f[2].strip()]
    names = [(role, name) for _, role, name, counts, _ in found if counts]
    for role, name in names:
        print("  %-14s %s" % (role, name))
    for path, role, name, _, size in (f for f in failures if f):
        print("FAIL: %s without a name (%dx%d) under %s" % (role, size[0], size[1], " / ".join(path[:-1])))
    # The hour and the minute list are told apart, the clocks are read as labels "hh:mm".
    combos = sorted(name for role, name in names if role == "combo box")
    if combos != ["h", "min"]:
        print("FAIL: drop-down lists named %s, not h and min" % combos)
        failures.append(None)
    clocks = [name for role, name in names if role == "label" and re.fullmatch(r"\d\d:\d\d", name)]
    if len(clocks) < 1:
        print("FAIL: no clock read as a label hh:mm")
        failures.append(None)
    wanted = {"Datum:", "Text/Termin:", "Terminkalender:"}
    missing = wanted - {name for _, name in names}
    if missing:
        print("FAIL: missing names %s" % sorted(missing))
        failures.append(None)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
