"""Reads the running program's accessibility tree over AT-SPI and judges what a screen reader gets.

Usage: atspi_names.py PROGRAM_NAME PATIENCE_SECONDS
Fails (exit 1, with the reasons) when a control that takes the focus has no name, when the main
page tab does not list its pages as page tabs with one selected, or when labels and pictures do
not report their roles.
"""
import sys
import time

import pyatspi


def find_application(name, patience):
    deadline = time.monotonic() + patience
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            application = desktop.getChildAtIndex(index)
            if application is not None and application.name == name:
                return application
        time.sleep(0.5)
    return None


def walk(node, path=()):
    yield node, path
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from walk(child, path + (child.getRoleName(),))


def main():
    program, patience = sys.argv[1], float(sys.argv[2])
    application = find_application(program, patience)
    if application is None:
        print(f"FAIL: no application named {program!r} on the accessibility bus")
        return 1

    faults = []
    page_tabs, labels, graphics, edit_names = [], 0, 0, []
    for node, path in walk(application):
        role = node.getRole()
        states = node.getState()
        if states.contains(pyatspi.STATE_FOCUSABLE) and not node.name.strip():
            faults.append(f"a focusable {node.getRoleName()} without a name at {'/'.join(path)}")
        if role == pyatspi.ROLE_PAGE_TAB:
            page_tabs.append((node.name, states.contains(pyatspi.STATE_SELECTED)))
        elif role == pyatspi.ROLE_LABEL:
            labels += 1
        elif role == pyatspi.ROLE_IMAGE:
            graphics += 1
        elif role in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
            edit_names.append(node.name)

    titles = [name for name, _ in page_tabs]
    if "铜管计算" not in titles or "大金" not in titles:
        faults.append(f"the page tabs are not listed as page tabs: {titles}")
    if sum(selected for _, selected in page_tabs) != 2:
        faults.append(f"not one selected page in each page tab: {page_tabs}")
    if labels == 0 or graphics == 0:
        faults.append(f"{labels} labels and {graphics} pictures report their roles")
    for name in ("期货铜价 元", "冷媒液管Φ9.52", "Φ6.35铜管 市场价 元"):
        if name not in edit_names:
            faults.append(f"no edit box named {name!r}")

    for fault in faults:
        print(f"FAIL: {fault}")
    print(f"{len(edit_names)} edit boxes, {len(page_tabs)} page tabs, {labels} labels, {graphics} pictures")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
