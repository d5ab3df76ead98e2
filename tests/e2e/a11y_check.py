# What a screen reader finds in the running game, through the AT-SPI registry.
# Usage: a11y_check.py names            every named object: "role | name | description"
#        a11y_check.py focused SECONDS  the focused object, once one is focused: "name | description"
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
    end = time.time() + (float(sys.argv[2]) if len(sys.argv) > 2 else 10)
    while time.time() < end:
        app = game()
        if app is not None:
            found = []
            if sys.argv[1] == "names":
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
