#!/usr/bin/python3
"""The game as a screen reader meets it.

    accessibility_test.py GAME

Starts the real game on a virtual X display, in a private D-Bus session with
the desktop's accessibility bus (AT-SPI); reads its tree through pyatspi as a
screen reader does; checks the names, roles and labels the player relies on;
and presses "Move right" and "Launch" through their actions. Exits 77, for
skipped, only when the D-Bus session or the accessibility bus cannot start.
"""
import os
import subprocess
import sys
import tempfile
import time

SKIP = 77
TIMEOUT = 20


def skip(why):
    print(f"SKIP: {why}", flush=True)
    sys.exit(SKIP)


def fail(why):
    print(f"FAIL: {why}", flush=True)
    sys.exit(1)


def wait_for(what, probe):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        if found := probe():
            return found
        time.sleep(0.1)
    fail(f"gave up waiting for {what}")


def start_private_session(game):
    try:
        started = subprocess.run(["dbus-run-session", "--", "true"], capture_output=True, text=True, timeout=TIMEOUT)
        if started.returncode != 0:
            skip(f"cannot start a private D-Bus session: {started.stderr.strip()}")
    except (OSError, subprocess.TimeoutExpired) as error:
        skip(f"cannot start a private D-Bus session: {error}")
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, __file__, "--inside", game])


def start_accessibility_bus():
    """Asking the session bus for the accessibility bus's address starts it."""
    from gi.repository import Gio, GLib

    try:
        Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
            "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None, GLib.VariantType("(s)"),
            Gio.DBusCallFlags.NONE, TIMEOUT * 1000)
    except GLib.Error as error:
        skip(f"the AT-SPI bus cannot start: {error.message}")


def start_display():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x900x24", "-nolisten", "tcp"],
                              pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as announced:
        number = announced.readline().strip()
    return server, f":{number}" if number else fail("Xvfb did not start")


def descendants(node):
    for child in node:
        yield child
        yield from descendants(child)


def check_tree(pyatspi, frame):
    """Returns the well and the picture buttons by name."""
    errors = []
    nodes = list(descendants(frame))

    def find(role, name):
        found = [n for n in nodes if n.getRole() == role and n.name == name]
        if len(found) != 1:
            errors.append(f"{len(found)} {str(role)[5:].lower().replace('_', ' ')}s named {name!r}")
        return found[0] if found else None

    buttons = {}
    for name, key in [("Move left", "keypad 4"), ("Move right", "keypad 6"), ("Rotate colours", "keypad 5"),
                      ("Launch", "Space")]:
        if button := find(pyatspi.ROLE_PUSH_BUTTON, name):
            buttons[name] = button
            if "Press" not in actions(button):
                errors.append(f"{name!r} cannot be pressed")
            if key not in button.description:
                errors.append(f"{name!r} does not name its keys: {button.description!r}")
    well = find(pyatspi.ROLE_IMAGE, "Well")
    if well and not (well.description.startswith("Piece in columns 4 to 6 of 10, row 1: ") and "Next: " in well.description):
        errors.append(f"the well is described as {well.description!r}")
    for role, value, caption in [(pyatspi.ROLE_TEXT, "Enter your name", "Enter your name"),
                                 (pyatspi.ROLE_LABEL, "0", "Score:"), (pyatspi.ROLE_LABEL, "Medium", "Level:")]:
        if node := find(role, value):
            labels = [r.getTarget(i).name for r in node.getRelationSet()
                      if r.getRelationType() == pyatspi.RELATION_LABELLED_BY for i in range(r.getNTargets())]
            if labels != [caption]:
                errors.append(f"{value!r} is labelled by {labels}, not by {caption!r}")
    if errors:
        fail("; ".join(errors))
    return well, buttons


def actions(node):
    action = node.queryAction()
    return [action.getName(i) for i in range(action.nActions)]


def press(node):
    node.queryAction().doAction(actions(node).index("Press"))


def description(node):
    node.clearCache()
    return node.description


def run_inside_private_session(game):
    start_accessibility_bus()
    import pyatspi

    server, display = start_display()
    with tempfile.TemporaryDirectory() as config:
        environment = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           XDG_CONFIG_HOME=config)
        environment.pop("QT_SCALE_FACTOR", None)
        player = subprocess.Popen([game], env=environment)
        try:
            desktop = pyatspi.Registry.getDesktop(0)
            frame = wait_for("the game on the accessibility bus", lambda: next(
                (app[0] for app in desktop if app and app.name == "quorvel" and app.childCount), None))
            if frame.getRole() != pyatspi.ROLE_FRAME or frame.name != "Quorvel":
                fail(f"the game's window is a {frame.getRoleName()} named {frame.name!r}")
            well, buttons = check_tree(pyatspi, frame)
            press(buttons["Move right"])
            wait_for("the piece to move right", lambda: "columns 5 to 7 of 10" in description(well))
            press(buttons["Launch"])
            wait_for("the next piece to wait at the launch place",
                     lambda: description(well).startswith("Piece in columns 4 to 6 of 10, row 1: "))
        finally:
            player.kill()
            player.wait()
            server.kill()
            server.wait()
    print("PASS: names, roles, labels and actions reach the accessibility bus", flush=True)


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--inside":
        run_inside_private_session(sys.argv[2])
    elif len(sys.argv) == 2:
        start_private_session(os.path.abspath(sys.argv[1]))
    else:
        sys.exit(__doc__)
