#!/usr/bin/python3
"""Walks the accessible tree of the running Quellfin window over AT-SPI, as a screen reader does,
and compares every component's name, role and description with the shared table.

Usage: atspi_tree.py TABLE.json [SECONDS]
Exit status: 0 when every row is found as it should be, 1 otherwise.
"""
import json
import sys
import time

import pyatspi

APP_NAME = "Quellfin"
WINDOW_NAME = "Quellfin v1.0"


def find_window(deadline):
    """The window's frame, once the program has registered on the AT-SPI bus."""
    seen = set()
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None:
                continue
            seen.add(app.name)
            if app.name != APP_NAME:
                continue
            for window in app:
                if window is not None and window.name == WINDOW_NAME:
                    return window
        time.sleep(0.2)
    sys.exit(f"no window '{WINDOW_NAME}' of application '{APP_NAME}' on the AT-SPI bus "
             f"(applications seen: {sorted(n for n in seen if n)})")


def walk(node, out, depth=0):
    out.append(node)
    if depth > 20:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, out, depth + 1)


def selected_entry(combo):
    """The entries of the list's drop-down that say they are selected."""
    entries = []
    stack = [combo.getChildAtIndex(i) for i in range(combo.childCount)]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        if node.getRoleName() == "list item" and node.getState().contains(pyatspi.STATE_SELECTED):
            entries.append(node.name)
        stack.extend(node.getChildAtIndex(i) for i in range(node.childCount))
    return entries[0] if len(entries) == 1 else f"selected: {entries}"


def main():
    table = json.load(open(sys.argv[1], encoding="utf-8"))
    deadline = time.monotonic() + (float(sys.argv[2]) if len(sys.argv) > 2 else 30)
    window = find_window(deadline)

    nodes = []
    walk(window, nodes)
    found = [(n.name, n.getRoleName(), n.description or "") for n in nodes]
    problems = []
    for row in table:
        wanted = (row["name"], row["role"])
        matches = [f for f in found if (f[0], f[1]) == wanted]
        if len(matches) != 1:
            near = [f[:2] for f in found if f[0] == row["name"] or f[1] == row["role"]][:4]
            problems.append(f"{row['component']}: wanted one {wanted}, found {len(matches)}; "
                            f"same name or role: {near}")
            continue
        if "description" in row and matches[0][2] != row["description"]:
            problems.append(f"{row['component']}: description {matches[0][2]!r}")
        if "value" in row:  # a list's entry is the selected item of its drop-down
            node = nodes[found.index(matches[0])]
            value = selected_entry(node)
            if value != row["value"]:
                problems.append(f"{row['component']}: entry {value!r}, wanted {row['value']!r}")

    # Nothing a screen reader would announce without a name.
    for name, role, _ in found:
        if role in ("image", "text", "combo box", "radio button", "check box") and not name:
            problems.append(f"an unnamed {role}")
    # The construction buttons are heard as radio buttons with their state.
    checked = [n.name for n in nodes if n.getRoleName() == "radio button"
               and n.getState().contains(pyatspi.STATE_CHECKED)]
    if checked != ["Em cima do vidro do fundo"]:
        problems.append(f"checked radio buttons: {checked}")

    print(f"{len(nodes)} accessible objects under '{WINDOW_NAME}'")
    for name, role, _ in found:
        if name:
            print(f"  {role}: {name}")
    if problems:
        print("PROBLEMS:")
        for p in problems:
            print("  " + p)
        return 1
    print(f"all {len(table)} components named as expected")
    return 0


if __name__ == "__main__":
    sys.exit(main())
