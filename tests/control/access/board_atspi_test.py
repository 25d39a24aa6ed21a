#!/usr/bin/python3
"""Reads the program as a screen reader does, through the accessibility bus (AT-SPI): the
board's cells before and after a move typed into the move entry.

Starts a private session bus, the accessibility bus and the program on the current X
display. Exits 77 (skipped, with the reason) when there is no display or no accessibility
bus to be had; a program that does not show up on the bus, or reads wrongly, fails.
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def skip(reason):
    print(f"SKIPPED: {reason}")
    sys.exit(SKIP)


def wait_for(what, probe, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        time.sleep(0.05)
    raise AssertionError(f"timed out waiting for {what}")


def find(node, role, name=None, depth=0):
    """The first node of this role (and name) below `node`, depth first."""
    if node is None or depth > 12:
        return None
    try:
        if node.getRoleName() == role and (name is None or node.name == name):
            return node
        for i in range(node.childCount):
            hit = find(node.getChildAtIndex(i), role, name, depth + 1)
            if hit is not None:
                return hit
    except Exception:  # a node going away while it is read
        return None
    return None


def cell_names(board):
    return {board.getChildAtIndex(i).name.split(",")[0]: board.getChildAtIndex(i).name
            for i in range(board.childCount)}


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: board_atspi_test.py PROGRAM")
    program = sys.argv[1]
    if not os.environ.get("DISPLAY"):
        skip("no X display")
    if not shutil.which("dbus-launch") or not os.path.exists(BUS_LAUNCHER):
        skip("no accessibility bus: dbus-x11 or at-spi2-core is not installed")
    try:
        import pyatspi  # noqa: F401  (checked here, imported again once the bus runs)
    except ImportError:
        skip("no accessibility bus client: python3-pyatspi is not installed")

    started = []
    home = tempfile.mkdtemp()
    try:
        bus = subprocess.run(["dbus-launch", "--sh-syntax"], capture_output=True, text=True)
        if bus.returncode != 0:
            skip(f"no session bus: {bus.stderr.strip()}")
        for line in bus.stdout.splitlines():
            if line.startswith(("DBUS_SESSION_BUS_ADDRESS=", "DBUS_SESSION_BUS_PID=")):
                key, value = line.rstrip(";").split("=", 1)
                os.environ[key] = value.strip("'")
        started.append(int(os.environ["DBUS_SESSION_BUS_PID"]))
        # In a group of its own: the buses it starts go with it.
        launcher = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                    start_new_session=True)
        started.append(-launcher.pid)
        time.sleep(0.5)
        if launcher.poll() is not None:
            skip("the accessibility bus did not start")

        import pyatspi
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                   LANG="en_US.UTF-8", LC_ALL="en_US.UTF-8",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        env.pop("LANGUAGE", None)
        app = subprocess.Popen([program], env=env)
        started.append(app.pid)

        def application():
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                node = desktop.getChildAtIndex(i)
                if node is not None and node.name == "Circumvia":
                    return node
            return None

        root = wait_for("the program on the accessibility bus", application)
        board = wait_for("the board table", lambda: find(root, "table", "Board"))
        status = find(root, "status bar")
        wait_for("Red's turn", lambda: find(status, "label") is not None
                 and "turn" in find(status, "label").name)

        before = cell_names(board)
        assert len(before) == 36, before
        assert before["E 1"] == "E 1, Red piece", before["E 1"]
        assert before["D 1"] == "D 1, empty", before["D 1"]
        assert before["A 1"] == "A 1, White piece", before["A 1"]

        entry = wait_for("the move entry", lambda: find(root, "text", "Move"))
        # Only the shown window: Qt keeps an unmapped 1x1 helper window of the same name,
        # which a window manager's restacking lists first, and focus cannot go to it.
        window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Circumvia"],
                                capture_output=True, text=True).stdout.split()
        assert window, "no window named Circumvia"
        subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], check=True)
        entry.queryComponent().grabFocus()
        subprocess.run(["xdotool", "type", "--delay", "30", "e1d1"], check=True)
        subprocess.run(["xdotool", "key", "Return"], check=True)

        # The move is announced by the status bar's name, which stays until the computer's
        # reply some ticks later: watched alone, as reading the 36 cells takes longer than that
        # on a busy machine.
        wait_for("E 1->D 1 announced", lambda: status.name.startswith("Red, E 1 to D 1"))
        wait_for("E 1 to empty", lambda: cell_names(board)["E 1"] == "E 1, empty")
        after = cell_names(board)
        assert after["D 1"] == "D 1, Red piece", after["D 1"]
        assert sum("Red piece" in name for name in after.values()) == 12, after
        print("board read through AT-SPI before and after E 1->D 1")
    finally:
        for pid in reversed(started):
            try:
                if pid < 0:
                    os.killpg(-pid, signal.SIGTERM)
                else:
                    os.kill(pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    main()
