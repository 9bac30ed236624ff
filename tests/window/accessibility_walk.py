#!/usr/bin/python3
"""Reads the running window as a screen reader does (AT-SPI) and checks what it would say.

Run on a display with a session bus: accessibility_walk.py PROGRAM FILE... Starts PROGRAM with
the files, starts a batch, then walks the main window and each panel: every visible control has
a name, each row's tick is a checkable cell, a converting row reads as a percent, the grid is
named and shows no hidden column, panels are named and links are links. Prints each control it
read; exits 1 on any fault.
"""
import os
import subprocess
import sys
import time

import pyatspi

CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TABLE,
    pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_LINK, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_SLIDER,
    pyatspi.ROLE_DIALOG, pyatspi.ROLE_PANEL, pyatspi.ROLE_FRAME, pyatspi.ROLE_GROUPING,
    pyatspi.ROLE_PROGRESS_BAR, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_ITEM,
}
# Containers a reader passes through without a word; only those with a title must have a name.
CONTAINERS = {pyatspi.ROLE_PANEL, pyatspi.ROLE_FRAME, pyatspi.ROLE_FILLER}

faults = []
read = []
TICK_COLUMN = 0  # the first column the user sees


def fault(text):
    faults.append(text)
    print("FAULT: " + text, flush=True)


def wait_for(what, test, seconds=90):
    end = time.time() + seconds
    while time.time() < end:
        try:
            found = test()
        except Exception:  # the tree changes as it is read
            found = None
        if found:
            return found
        time.sleep(0.2)
    fault("gave up waiting for " + what)
    finish()


def finish():
    print("%d controls read, %d faults" % (len(read), len(faults)), flush=True)
    PROGRAM.terminate()
    try:
        PROGRAM.wait(10)
    except subprocess.TimeoutExpired:
        PROGRAM.kill()
    sys.exit(1 if faults else 0)


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def children(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield child


def walk(acc, seen):
    """The showing accessibles under acc, depth first."""
    for child in children(acc):
        if not showing(child):
            continue
        yield child
        if child.getRole() != pyatspi.ROLE_TABLE:  # cells are read through the table
            yield from walk(child, seen)


def find(root, role, name=None):
    for acc in walk(root, set()):
        if acc.getRole() == role and (name is None or acc.name == name):
            return acc
    return None


def app():
    desktop = pyatspi.Registry.getDesktop(0)
    for candidate in children(desktop):
        if candidate.name in ("reelwright", "Reelwright Video Converter"):
            if candidate.childCount:
                return candidate
    return None


def window(application):
    for top in children(application):
        if showing(top) and top.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW,
                                              pyatspi.ROLE_FILLER) and top.childCount:
            return top
    return None


def press(acc):
    # A button offers no action while it is disabled, as the main window's are until a panel
    # has slid away; a loaded machine takes its time.
    def pressable():
        if not acc.getState().contains(pyatspi.STATE_ENABLED):
            return None
        action = acc.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        return (action, names) if names else None

    action, names = wait_for(describe(acc) + " to be pressable", pressable)
    for wanted in ("Press", "Toggle", "press", "click", "jump"):
        if wanted in names:
            action.doAction(names.index(wanted))
            return
    fault("%s cannot be pressed (%s)" % (describe(acc), names))


def describe(acc):
    role = acc.getRoleName()
    text = "%s %r" % (role, acc.name)
    if acc.description:
        text += " (%s)" % acc.description
    return text


def check_controls(root, where):
    """Every showing control under root is named; returns how many were read."""
    count = 0
    for acc in walk(root, set()):
        role = acc.getRole()
        if role in CONTAINERS:
            continue
        if role not in CONTROLS and role != pyatspi.ROLE_LABEL:
            continue
        if role == pyatspi.ROLE_LABEL:
            continue  # a label is read as its text
        count += 1
        read.append(describe(acc))
        print("  %s: %s" % (where, describe(acc)), flush=True)
        if not acc.name.strip():
            fault("%s: a %s without a name" % (where, acc.getRoleName()))
        if role == pyatspi.ROLE_TABLE:
            count += check_table(acc, where)
            check_tick(acc, where)
    return count


def check_tick(table, where):
    """Ticking row 0 through the reader's action is heard as its state and its name."""
    cell = table.queryTable().getAccessibleAt(0, TICK_COLUMN)
    before = cell.getState().contains(pyatspi.STATE_CHECKED)
    action = cell.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Toggle" not in names:
        fault("%s: a tick cannot be toggled (%s)" % (where, names))
        return
    action.doAction(names.index("Toggle"))
    wait_for("the tick to change", lambda: table.queryTable().getAccessibleAt(0, TICK_COLUMN)
             .getState().contains(pyatspi.STATE_CHECKED) != before)
    after = table.queryTable().getAccessibleAt(0, TICK_COLUMN).name
    print("  %s: row 0's tick toggled, now %r" % (where, after), flush=True)


def check_table(table, where):
    """Its cells: named, the ticks checkable, a converting row's status a percent."""
    grid = table.queryTable()
    headers = [grid.getColumnDescription(c) for c in range(grid.nColumns)]
    print("  %s: columns %s" % (where, headers), flush=True)
    if any(h.strip().upper() == "ID" for h in headers):
        fault("%s: the grid shows its hidden ID column" % where)
    count = 0
    percents = 0
    for r in range(grid.nRows):
        for c in range(grid.nColumns):
            cell = grid.getAccessibleAt(r, c)
            if cell is None:
                continue
            count += 1
            read.append(describe(cell))
            print("    row %d: %s" % (r, describe(cell)), flush=True)
            if not cell.name.strip():
                fault("%s: the cell of row %d, column %r has no name" % (where, r, headers[c]))
            state = cell.getState()
            if c == TICK_COLUMN:
                # Qt 6.4's bridge says a check box by its role, later ones by the state too.
                if not state.contains(pyatspi.STATE_CHECKABLE) \
                        and cell.getRole() != pyatspi.ROLE_CHECK_BOX:
                    fault("%s: row %d's tick is not checkable" % (where, r))
            if cell.name.rstrip().endswith("%"):
                percents += 1
                if "left" not in cell.description:
                    fault("%s: row %d's progress does not tell the time left" % (where, r))
    if percents == 0:
        fault("%s: no converting row reads as a percent" % where)
    return count


def open_panel(win, button_name, panel_name):
    button = wait_for("the button " + button_name,
                      lambda: find(win, pyatspi.ROLE_PUSH_BUTTON, button_name))
    press(button)

    def shown():
        for acc in walk(win, set()):
            if acc.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_PANEL,
                                 pyatspi.ROLE_GROUPING) and acc.name == panel_name:
                ext = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                wext = win.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                if ext.y <= wext.y + wext.height // 2:  # slid up far enough to read
                    return acc
        return None

    return wait_for("the panel " + panel_name, shown)


def close_panel(win, panel, button_name):
    press(wait_for("its " + button_name, lambda: find(panel, pyatspi.ROLE_PUSH_BUTTON,
                                                       button_name)))
    wait_for("the panel to go", lambda: not showing(panel) or None)


def main():
    global PROGRAM
    program, files = sys.argv[1], sys.argv[2:]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    PROGRAM = subprocess.Popen([program] + files, env=env)
    application = wait_for("the program on the accessibility bus", app)
    win = wait_for("its window", lambda: window(application))
    # The texts the window shows in the language it runs in, "|"-separated.
    names = os.environ.get(
        "ACCESSIBLE_NAMES",
        "Convert All|Change...|About|Close|Output Video Formats|Custom (Advanced)|Presets|"
        "Save & Close").split("|")
    convert, change, about, close, formats, custom, presets, save = names
    panels = 0
    # The format panel, both its faces.
    panel = open_panel(win, change, formats)
    print("format panel:", flush=True)
    panels += check_controls(panel, "formats")
    press(wait_for(custom, lambda: find(panel, pyatspi.ROLE_RADIO_BUTTON, custom)))
    wait_for("the custom fields", lambda: find(panel, pyatspi.ROLE_TEXT))
    panels += check_controls(panel, "custom formats")
    bitrates = [a.name for a in walk(panel, set()) if a.getRole() == pyatspi.ROLE_TEXT]
    if len(set(bitrates)) != len(bitrates):
        fault("custom formats: fields that cannot be told apart: %s" % bitrates)
    press(wait_for(presets, lambda: find(panel, pyatspi.ROLE_RADIO_BUTTON, presets)))
    close_panel(win, panel, save)
    # The About panel: its links are links.
    panel = open_panel(win, about, about)
    print("About panel:", flush=True)
    panels += check_controls(panel, "About")
    links = [a for a in walk(panel, set()) if a.getRole() == pyatspi.ROLE_LINK]
    if len(links) < 2:
        fault("About: its links are not links (%d found)" % len(links))
    close_panel(win, panel, close)

    press(wait_for(convert, lambda: find(win, pyatspi.ROLE_PUSH_BUTTON, convert)))

    def converting():
        grid = find(win, pyatspi.ROLE_TABLE).queryTable()
        for r in range(grid.nRows):
            for c in range(grid.nColumns):
                cell = grid.getAccessibleAt(r, c)
                if cell is not None and cell.name.rstrip().endswith("%") \
                        and "left" in cell.description:
                    return True
        return False

    wait_for("a converting row with its time left", converting)
    print("main window:", flush=True)
    main_count = check_controls(win, "main window")
    unnamed = sum(1 for f in faults if "without a name" in f or "has no name" in f)
    print("read: %d controls and cells of the main window, %d of the panels; %d unnamed" %
          (main_count, panels, unnamed), flush=True)
    finish()


if __name__ == "__main__":
    main()
