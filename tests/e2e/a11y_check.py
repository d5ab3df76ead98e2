# What a screen reader finds in the running game, through the AT-SPI registry.
# Usage: a11y_check.py names            every named object: "role | name | description"
#        a11y_check.py focused SECONDS  the focused object, once one is focused: "name | description"
#        a11y_check.py centre NAME SECONDS  the middle of the showing object named NAME on the screen: "x y"
import sys
import time

import pyatspi


def game():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Pelorand":
            return app
    return None


def walk(node, visit):
    try:
        visit(node)
        for child in node:
            if child is not None:
                walk(child, visit)
    except Exception:  # an object that vanished while it was read
        pass


def main():
    wait = sys.argv[3] if sys.argv[1] == "centre" else (sys.argv[2] if len(sys.argv) > 2 else 10)
    end = time.time() + float(wait)
    while time.time() < end:
        app = game()
        if app is not None:
            found = []
            if sys.argv[1] == "centre":
                def centre(n):
                    if n.name == sys.argv[2] and n.getState().contains(pyatspi.STATE_SHOWING):
                        e = n.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                        if e.width > 0:
                            found.append(f"{e.x + e.width // 2} {e.y + e.height // 2}")
                walk(app, centre)
                found = found[:1]
            elif sys.argv[1] == "names":
                walk(app, lambda n: found.append(f"{n.getRoleName()} | {n.name} | {n.description}") if n.name else None)
            else:
                walk(app, lambda n: found.append(f"{n.name} | {n.description}")
                     if n.getState().contains(pyatspi.STATE_FOCUSED) else None)
            if found:
                print("\n".join(found))
                return 0
        time.sleep(0.1)
    return 1


sys.exit(main())
