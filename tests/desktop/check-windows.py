#!/usr/bin/python3
"""Reads every window of Pellori through AT-SPI, as a screen reader does.

Usage: check-windows.py WINDOW_OPENER PROGRAMDIR [--scale S] [--names] [--verbose] [WINDOW ...]

For each window that window-opener can open: starts it at the scale S
(QT_SCALE_FACTOR, default 2), reads the window's accessibility tree and prints
the controls that take focus without a name (a screen reader announces only
their kind), the controls in tab order, and whether the window lies inside the
screen's work area. Only the windows named, when any are. Fails when a window does not; with --names also when any
focusable control has no name. --verbose lists the named controls too.
"""
import os
import select
import subprocess
import sys
import time

import pyatspi


def read_report(proc, timeout):
    """The opener's lines up to "end"."""
    lines, buffer, deadline = [], b"", time.time() + timeout
    while time.time() < deadline:
        ready, _, _ = select.select([proc.stdout], [], [], 0.5)
        if not ready:
            if proc.poll() is not None:
                break
            continue
        chunk = os.read(proc.stdout.fileno(), 65536)
        if not chunk:
            break
        buffer += chunk
        while b"\n" in buffer:
            line, buffer = buffer.split(b"\n", 1)
            line = line.decode("utf-8", "replace")
            if line == "end":
                return lines
            lines.append(line)
    raise RuntimeError("the window did not open: " + " | ".join(lines))


def find_application(pid, timeout=20):
    deadline = time.time() + timeout
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:
                pass
        time.sleep(0.2)
    raise RuntimeError("the program did not appear on the accessibility bus")


def find_window(app, title, timeout=10):
    deadline = time.time() + timeout
    while time.time() < deadline:
        for i in range(app.childCount):
            window = app.getChildAtIndex(i)
            if window is not None and window.name == title:
                return window
        time.sleep(0.2)
    raise RuntimeError("no window named %r on the accessibility bus" % title)


class Header:
    """Column titles of the tables, so that a cell counts as named by its column."""

    def __init__(self):
        self.cache = {}

    def column_title(self, cell):
        table = cell.parent
        try:
            interface = table.queryTable()
            column = interface.getColumnAtIndex(cell.getIndexInParent())
        except Exception:
            return ""
        key = (hash(table), column)
        if key not in self.cache:
            header = interface.getColumnHeader(column)
            self.cache[key] = header.name if header is not None else ""
        return self.cache[key]


def combo_items(combo):
    """The texts a choice box offers."""
    items = set()
    for i in range(combo.childCount):
        listing = combo.getChildAtIndex(i)
        for j in range(listing.childCount if listing is not None else 0):
            item = listing.getChildAtIndex(j)
            if item is not None:
                items.add((item.name or "").strip())
    return items


def labelled_by(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                label = (relation.getTarget(i).name or "").strip()
                if label:
                    return label
    return ""


def nameless_controls(window, named=None):
    """(role, path) of every showing focusable control without a name; the
    named ones as (role, name) into named, when given."""
    headers, found = Header(), []

    def walk(node, path):
        try:
            states = node.getState()
            role = node.getRole()
        except Exception:
            return
        if not states.contains(pyatspi.STATE_SHOWING) and node is not window:
            return
        name = (node.name or "").strip()
        if role == pyatspi.ROLE_TABLE_CELL and not name:
            name = headers.column_title(node).strip()
        if role == pyatspi.ROLE_COMBO_BOX and (labelled_by(node) or name in combo_items(node)):
            # On Linux a choice box's name is its value; what it asks for is the label
            # it is labelled by (its buddy), as screen readers read it.
            name = labelled_by(node)
        if states.contains(pyatspi.STATE_FOCUSABLE) and not name:
            found.append((node.getRoleName(), path))
        elif states.contains(pyatspi.STATE_FOCUSABLE) and named is not None and role != pyatspi.ROLE_TABLE_CELL:
            named.append((node.getRoleName(), name))
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                walk(child, path + "/" + (child.getRoleName() or "?") + ("[%s]" % (child.name or "")))

    walk(window, window.getRoleName())
    return found


def inside(outer, work, scale):
    """Inside, but for the rounding of a frame of an odd number of device pixels
    into device-independent ones (one pixel at most, when scaled)."""
    ox, oy, ow, oh = outer
    wx, wy, ww, wh = work
    slack = 1 if scale != 1 else 0
    return ox >= wx - slack and oy >= wy - slack and ox + ow <= wx + ww + slack and oy + oh <= wy + wh + slack


def check(opener, book, name, scale, named):
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_SCALE_FACTOR=str(scale))
    proc = subprocess.Popen([opener, book, name], stdin=subprocess.PIPE, stdout=subprocess.PIPE, env=env)
    try:
        report = read_report(proc, 60)
        fields = {}
        tabs = []
        for line in report:
            key, _, rest = line.partition(" ")
            if key == "tab":
                tabs.append(rest)
            else:
                fields[key] = rest
        window = find_window(find_application(proc.pid), fields["title"])
        nameless = nameless_controls(window, named)
        outer = [int(v) for v in fields["outer"].split()]
        work = [int(v) for v in fields["work"].split()]
        if fields.get("maximized") == "1":
            outer = work   # the window manager fits it to the work area, to the device pixel
        return nameless, tabs, outer, work
    finally:
        proc.stdin.close()
        try:
            proc.wait(timeout=30)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


def main():
    args = sys.argv[1:]
    require_names = "--names" in args
    verbose = "--verbose" in args
    scale = 2
    if "--scale" in args:
        scale = float(args[args.index("--scale") + 1])
    opener, book = args[0], args[1]
    wanted = [a for i, a in enumerate(args[2:], 2) if not a.startswith("--") and args[i - 1] != "--scale"]
    # The accessibility bus, where the program's bridge and this client meet.
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    names = subprocess.run([opener, book, "--list"], capture_output=True, text=True, check=True,
                           env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout.split()
    names = [n for n in names if not wanted or n in wanted]
    failures, total = [], 0
    try:
        for name in names:
            named = [] if verbose else None
            try:
                try:
                    nameless, tabs, outer, work = check(opener, book, name, scale, named)
                except RuntimeError as error:
                    # Once more, for a machine busy with other tests; a window that does not open twice fails.
                    print("%s: %s; once more" % (name, error))
                    nameless, tabs, outer, work = check(opener, book, name, scale, named)
            except RuntimeError as error:
                print("%s: %s" % (name, error))
                failures.append(name)
                continue
            total += len(nameless)
            placed = inside(outer, work, scale)
            print("%s: %d focusable controls without a name; outer %s %s work area %s at scale %g"
                  % (name, len(nameless), outer, "inside" if placed else "OUTSIDE", work, scale))
            for role, path in nameless:
                print("    nameless %s: %s" % (role, path))
            for role, label in named or []:
                print("    named %s: %s" % (role, label))
            for tab in tabs:
                print("    tab %s" % tab)
            if not placed or (require_names and nameless):
                failures.append(name)
    finally:
        bus.terminate()
    print("%d windows, %d focusable controls without a name in all" % (len(names), total))
    if failures:
        print("FAILED: " + ", ".join(failures))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
