"""Prints the planner's accessible tree as a screen reader reads it over
AT-SPI, then the nodes that take the keyboard focus but have no name.
Exit status 1 when there is such a node or the planner is not found."""
import sys
import time

import pyatspi

APPLICATION = "quillmoor"


def find_application(wait_seconds):
    end = time.time() + wait_seconds
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and APPLICATION in (app.name or "").lower():
                # The window is there once the application has a child.
                if app.childCount > 0:
                    return app
        time.sleep(0.5)
    return None


def walk(node, depth, unnamed, counts):
    try:
        role = node.getRoleName()
        name = node.name or ""
        states = node.getState()
        description = node.description or ""
    except Exception:  # a node gone while walking
        return
    focusable = states.contains(pyatspi.STATE_FOCUSABLE)
    showing = states.contains(pyatspi.STATE_SHOWING)
    marks = ("F" if focusable else "-") + ("S" if showing else "-")
    line = "%s%s [%s] %r" % ("  " * depth, role, marks, name)
    if description:
        line += " (%s)" % description
    print(line)
    counts["nodes"] += 1
    if focusable:
        counts["focusable"] += 1
        if not name.strip():
            unnamed.append("%s at depth %d, %s" % (role, depth, "showing" if showing else "hidden"))
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            walk(child, depth + 1, unnamed, counts)


def main():
    app = find_application(float(sys.argv[1]) if len(sys.argv) > 1 else 30)
    if app is None:
        print("The planner did not appear on the accessibility bus.", file=sys.stderr)
        return 1
    print("Accessible tree (F: focusable, S: showing):")
    unnamed = []
    counts = {"nodes": 0, "focusable": 0}
    walk(app, 0, unnamed, counts)
    print()
    print("%d nodes, %d focusable." % (counts["nodes"], counts["focusable"]))
    print("Focusable nodes without a name: %d" % len(unnamed))
    for entry in unnamed:
        print("  " + entry)
    return 1 if unnamed else 0


if __name__ == "__main__":
    sys.exit(main())
