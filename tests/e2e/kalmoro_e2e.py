"""Drives the real program as a user would and judges it as a screen reader reads it.

Usage: kalmoro_e2e.py SCENARIO PROGRAM SCREENSHOT_DIR
SCENARIO: position | drag | minimize | close | escape | navigation | pages | first_browser |
accessibility | quotation | keyboard | finish_by_keys | job | rooms | piping | orca | lost_display, or, as the added user,
kept | leftovers

Runs on the X display in DISPLAY under a window manager, with an AT-SPI bus on the session bus
(kalmoro_e2e.sh sets up both, and the user). Controls are found by accessible role and name and
their places read from the accessibility tree, the window's from the X server; xdotool gives the
real pointer and keys. Every wait polls a state, at most KALMORO_E2E_WAIT seconds (default 60).
Pixels are read only where nothing else tells: the selected look of the navigation entries, the
skin's frame, captions printed in the page pictures, painted text and the browsers' pages.
"""
import datetime
import decimal
import os
import pty
import pwd
import re
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time
import tty

import pyatspi
from gi.repository import GLib

PATIENCE = float(os.environ.get("KALMORO_E2E_WAIT", "60"))
ORANGE_BAR = (255, 155, 0)
ORANGE_FRAME = (255, 156, 3)
ORANGE_CAPTION = (243, 126, 0)
WHITE = (255, 255, 255)
ABOUT_TEXT = (50, 68, 88)


class Failure(Exception):
    pass


def wait_for(what, probe, patience=PATIENCE):
    """Polls probe until it returns something true and returns that."""
    deadline = time.monotonic() + patience
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {patience:g}s waiting for {what}")
        time.sleep(0.1)


def xdo(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True, timeout=20, stdout=subprocess.DEVNULL)


def clipboard(target="UTF8_STRING"):
    result = subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", target],
                            capture_output=True, timeout=5)
    return result.stdout.decode("utf-8", "replace") if result.returncode == 0 else None


class Screen:
    """One grab of the whole X screen, read pixel by pixel."""

    def __init__(self):
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                              capture_output=True, check=True, timeout=30).stdout
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
        self.width = int(header.group(1))
        self.pixels = data[header.end():]

    def at(self, x, y):
        offset = 3 * (y * self.width + x)
        return tuple(self.pixels[offset:offset + 3])

    def count_near(self, colour, tolerance, x, y, w, h):
        return sum(all(abs(a - b) <= tolerance for a, b in zip(self.at(i, j), colour))
                   for j in range(y, y + h) for i in range(x, x + w))

    def crop(self, x, y, w, h):
        return b"".join(self.pixels[3 * (j * self.width + x):3 * (j * self.width + x + w)]
                        for j in range(y, y + h))


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def has(node, state):
    return node.getState().contains(state)


def text_of(node):
    return node.queryText().getText(0, -1)


def walk(node, into_documents=False):
    yield node
    if node.getRole() == pyatspi.ROLE_DOCUMENT_WEB and not into_documents:
        return
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from walk(child, into_documents)


class Program:
    """The program on the display, its accessible tree and its window."""

    def __init__(self, path, screenshots, scenario, arguments=(), account=(), folder=None):
        """ACCOUNT, when given, is the command that runs the program as another user; FOLDER is the
        folder it starts in."""
        self.path, self.screenshots, self.scenario = path, screenshots, scenario
        self.log = tempfile.TemporaryFile("w+")
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.process = subprocess.Popen([*account, path, *arguments], stdout=self.log, stderr=subprocess.STDOUT,
                                        env=environment, cwd=folder)

    def attach(self):
        """Waits for the window on the screen and on the accessibility bus."""
        self.application = wait_for("the program on the accessibility bus", self._application)
        # Nothing here runs an event loop that would keep a cache up to date: every read asks.
        self.application.setCacheMask(pyatspi.cache.NONE)
        self.window = wait_for("the main window", lambda: self.find(pyatspi.ROLE_FRAME, "Kalmoro", self.application))
        wait_for("the window at its size", lambda: extents(self.window)[2:] == (1080, 695))
        self.x, self.y = extents(self.window)[:2]
        wait_for("the first painted frame", self.painted)
        # Out of the window, so that no control shows its hover face.
        self.park_pointer()
        self.main_tab, self.brand_tab = wait_for("both page tabs", self._page_tabs)
        self.entries = self._entries()

    def _application(self):
        self.alive()
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            application = desktop.getChildAtIndex(index)
            if application is not None and application.get_process_id() == self.process.pid:
                return application
        return None

    def _page_tabs(self):
        tabs = [node for node in walk(self.window) if node.getRole() == pyatspi.ROLE_PAGE_TAB_LIST]
        return tabs if len(tabs) == 2 else None

    def _entries(self):
        """The navigation buttons in the order of their shortcuts, Alt+1 and on, which is their order
        top to bottom and the order of their pages."""
        entries = {}
        for node in self.all(pyatspi.ROLE_PUSH_BUTTON):
            shortcut = re.fullmatch(r"快捷键 Alt\+(\d)", node.description)
            if shortcut:
                entries[int(shortcut.group(1))] = node
        numbers = list(range(1, len(entries) + 1))
        if len(entries) < 7 or sorted(entries) != numbers:
            raise Failure(f"the navigation buttons name the shortcuts {sorted(entries)}, expected Alt+1 and on")
        ordered = [entries[number] for number in numbers]
        if sorted(ordered, key=lambda entry: extents(entry)[1]) != ordered:
            raise Failure("the navigation buttons are not in the order of their shortcuts top to bottom")
        return ordered

    def alive(self):
        if self.process.poll() is not None:
            raise Failure(f"the program ended with status {self.process.returncode}")
        return True

    def all(self, role, name=None, under=None):
        return [node for node in walk(under or self.window)
                if node.getRole() == role and (name is None or node.name == name)]

    def find(self, role, name, under=None):
        nodes = self.all(role, name, under)
        return nodes[0] if nodes else None

    def get(self, role, name, under=None):
        node = self.find(role, name, under)
        if node is None:
            raise Failure(f"no {pyatspi.Role(role).value_nick} named {name!r}")
        return node

    # --- Pointer and keys ------------------------------------------------------------------

    def pointer_to(self, x, y):
        # xdotool's own --sync waits for a motion, and none comes when the pointer is there already.
        xdo("mousemove", x, y)
        wait_for(f"the pointer at {x},{y}", lambda: subprocess.run(
            ["xdotool", "getmouselocation"], capture_output=True, text=True, timeout=5
        ).stdout.startswith(f"x:{x} y:{y} "))

    def park_pointer(self):
        self.pointer_to(0, 0)

    def click(self, node, button=1, repeat=1, at=None):
        """Clicks the middle of the node (or the point at, relative to its top-left), then parks."""
        x, y, w, h = extents(node)
        dx, dy = at or (w // 2, h // 2)
        self.pointer_to(x + dx, y + dy)
        xdo("click", "--repeat", repeat, "--delay", 120, button)
        self.park_pointer()

    @staticmethod
    def focused(under):
        """The box or radio button under the node that has the focus."""
        nodes = [node for node in walk(under) if node.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_RADIO_BUTTON)
                 and has(node, pyatspi.STATE_FOCUSED)]
        return nodes[0] if len(nodes) == 1 else None

    def type_into(self, node, text):
        self.click(node)
        wait_for(f"the focus in {node.name}", lambda: has(node, pyatspi.STATE_FOCUSED))
        xdo("type", "--delay", 50, text)
        wait_for(f"{text!r} in {node.name}", lambda: text_of(node) == text)

    # --- Pages -----------------------------------------------------------------------------

    @staticmethod
    def headers(tab):
        children = (tab.getChildAtIndex(index) for index in range(tab.childCount))
        return [node for node in children if node.getRole() == pyatspi.ROLE_PAGE_TAB]

    def selected_page(self, tab):
        """The index of the tab's only selected header, or None."""
        selected = [index for index, header in enumerate(self.headers(tab)) if has(header, pyatspi.STATE_SELECTED)]
        return selected[0] if len(selected) == 1 else None

    def page_shows(self, tab, index):
        return lambda: self.selected_page(tab) == index

    def shown_page(self, tab):
        """The container of the tab's page on screen."""
        pages = [tab.getChildAtIndex(index) for index in range(tab.childCount)]
        shown = [page for page in pages if page.getRole() == pyatspi.ROLE_FILLER and has(page, pyatspi.STATE_SHOWING)]
        if len(shown) != 1:
            raise Failure(f"{len(shown)} pages of a page tab are showing, expected 1")
        return shown[0]

    # --- Screen ----------------------------------------------------------------------------

    def painted(self):
        screen = Screen()
        colours = {screen.at(self.x + i, self.y + j) for j in range(0, 695, 5) for i in range(0, 1080, 5)}
        return len(colours) > 2

    def keep_screenshot(self, name, width=1080, height=695):
        subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{self.x}+{self.y}", "+repage",
                        os.path.join(self.screenshots, f"{self.scenario}-{name}.png")], check=True, timeout=30)

    def looks_selected(self, screen=None):
        """The numbers (from 1) of the entries that show the selected look: the orange bar in
        their five leftmost columns."""
        screen = screen or Screen()
        selected = []
        for number, entry in enumerate(self.entries, 1):
            x, y, _, h = extents(entry)
            if screen.count_near(ORANGE_BAR, 40, x, y + h // 2, 5, 1) == 5:
                selected.append(number)
        return selected

    def region(self, box):
        return Screen().crop(*box)

    def settled(self, box):
        """The region once two looks half a second apart agree, so that a page still drawing is not
        taken for its final look."""
        last = [self.region(box)]

        def same():
            time.sleep(0.5)
            now = self.region(box)
            equal, last[0] = now == last[0], now
            return equal
        wait_for("the region to settle", same)
        return last[0]

    def ends_cleanly(self, after):
        """Waits for the program's own end and checks that its exit code is 0."""
        wait_for(f"the program to end after {after}", lambda: self.process.poll() is not None)
        if self.process.returncode != 0:
            raise Failure(f"after {after} the program ended with exit code {self.process.returncode}, expected 0")

    def stop(self):
        end(self.process)


def end(process):
    """Asks a process still running to end, and ends it outright after 5 s."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def engine_present(path):
    folder = os.path.dirname(path)
    return any(name.startswith("kalmoro_webengine.") for name in os.listdir(folder))


def note(program, message):
    print(f"[{program.scenario}] {message}", flush=True)


# --- Scenarios -----------------------------------------------------------------------------------


def go_to(program, number, by_key=False):
    """Chooses navigation entry NUMBER (from 1, which is also its page) and waits for its page and its
    look."""
    if by_key:
        xdo("key", f"alt+{number}")
    else:
        program.click(program.entries[number - 1])
    wait_for(f"main page {number}", program.page_shows(program.main_tab, number))
    wait_for(f"entry {number} alone to look selected", lambda: program.looks_selected() == [number])


def scenario_escape(program):
    go_to(program, 1)
    program.type_into(program.get(pyatspi.ROLE_TEXT, "室内机台数 台"), "12")
    program.keep_screenshot("typed")
    xdo("key", "Escape")
    program.ends_cleanly("Esc in an edit box")
    note(program, "Esc in an edit box ended the program with exit code 0")


def scenario_navigation(program):
    if program.looks_selected():
        raise Failure(f"entries {program.looks_selected()} look selected before any navigation")
    program.keep_screenshot("start")
    go_to(program, 2)
    program.keep_screenshot("copper")
    go_to(program, 5)
    top, bottom = extents(program.entries[0]), extents(program.entries[-1])
    column = (top[0], top[1], top[2], bottom[1] + bottom[3] - top[1])
    before = program.region(column)
    program.click(program.get(pyatspi.ROLE_PUSH_BUTTON, "DAIKIN"))
    wait_for("the Daikin page", program.page_shows(program.brand_tab, 1))
    program.keep_screenshot("daikin")
    if program.region(column) != before:
        raise Failure("choosing a brand changed the navigation images")

    if engine_present(sys.argv[2]):
        # The browser's page is seen only in pixels: the part of the browser inside the brand tab.
        bx, by, bw, bh = extents(program.get(pyatspi.ROLE_FILLER, "大金 产品资料"))
        tx, ty, tw, th = extents(program.brand_tab)
        left, top = max(bx, tx), max(by, ty)
        browser = (left, top, min(bx + bw, tx + tw) - left, min(by + bh, ty + th) - top)
        start_page = program.settled(browser)
        program.click(program.get(pyatspi.ROLE_PUSH_BUTTON, "VRV X7"))
        wait_for("the X7 page in the Daikin browser", lambda: program.region(browser) != start_page)
        program.keep_screenshot("x7")
        note(program, "the X7 button replaced the page in the Daikin browser")
    else:
        note(program, "no browser plugin beside the program: the X7 page load is not checked")
    box = extents(program.window)
    if box != (420, 192, 1080, 695):
        raise Failure(f"after the browsers appeared the window is at {box}, expected (420, 192, 1080, 695)")


def check_frame(program, name, screen):
    """The skin's 1 px frame around the page area: one orange line just outside each of its left,
    right and bottom edges."""
    x, y, w, h = extents(program.main_tab)
    middle_x, middle_y = x + w // 2, y + h // 2
    for edge, count in (
        ("left", screen.count_near(ORANGE_FRAME, 40, x - 10, middle_y, 10, 1)),
        ("right", screen.count_near(ORANGE_FRAME, 40, x + w, middle_y, 10, 1)),
        ("bottom", screen.count_near(ORANGE_FRAME, 40, middle_x, y + h, 1, 10)),
    ):
        if count != 1:
            raise Failure(f"{name}: {count} orange pixels across the frame's {edge} line, expected 1")


def check_selected_bar(program, number, screen):
    x, y, _, h = extents(program.entries[number - 1])
    if screen.count_near(ORANGE_BAR, 40, x + 6, y + h // 2, 1, 1):
        raise Failure(f"entry {number}: the selected bar reaches column 6")


# Edit boxes whose caption and unit are printed in the page picture: the caption ends in the 40 px
# before the box, the unit starts in the 40 px after it.
PRINTED_CAPTIONS = {2: ["Φ6.35铜管 米", "Φ6.35铜管 市场价 元"], 4: ["出风口尺寸 长 米"]}


def check_boxes(program, number, screen):
    for name in PRINTED_CAPTIONS.get(number, []):
        x, y, w, h = extents(program.get(pyatspi.ROLE_TEXT, name))
        for left in (x - 40, x + w):
            if screen.count_near(ORANGE_CAPTION, 40, left, y, 40, h) < 5:
                raise Failure(f"no printed text beside {name!r} at {left - program.x},{y - program.y}")
        inside = (w - 8) * (h - 8)
        # The box that has the focus on arrival may show its text cursor, one column.
        if screen.count_near(WHITE, 8, x + 4, y + 4, w - 8, h - 8) < inside - (h - 8):
            raise Failure(f"the inside of {name!r} is not white")


def check_about(program, screen):
    labels = [node for node in program.all(pyatspi.ROLE_LABEL, under=program.shown_page(program.main_tab))
              if node.name.strip()]
    if not labels:
        raise Failure("the about page shows no text")
    for label in labels:
        if screen.count_near(ABOUT_TEXT, 30, *extents(label)) < 20:
            raise Failure(f"the label {label.name!r} shows no text")


def visit_brands(program):
    """Each brand button shows its own brand's page; the way back by the header leaves the browsers
    alone, by the entry reloads them, and both show the brand choice again."""
    choice = program.shown_page(program.brand_tab)
    buttons = [node for node in program.all(pyatspi.ROLE_PUSH_BUTTON, under=choice)]
    if len(buttons) != 5:
        raise Failure(f"{len(buttons)} brand buttons, expected 5")
    back_header = program.headers(program.brand_tab)[0]
    for index, button in enumerate(buttons):
        name = button.name
        program.click(button)
        wait_for(f"a brand page after {name}", lambda: program.selected_page(program.brand_tab) not in (None, 0))
        page = program.shown_page(program.brand_tab)
        if not any(image.name.startswith(name) for image in program.all(pyatspi.ROLE_IMAGE, under=page)):
            raise Failure(f"the button {name!r} showed the page of {program.headers(program.brand_tab)[program.selected_page(program.brand_tab)].name}")
        check_frame(program, name, Screen())
        program.keep_screenshot(f"brand{index + 1}")
        if index % 2 == 0:
            program.click(back_header)
        else:
            program.click(program.entries[4])
        wait_for(f"the brand choice after {name}", program.page_shows(program.brand_tab, 0))
        if not all(has(other, pyatspi.STATE_SHOWING) for other in buttons):
            raise Failure(f"the brand choice after {name} does not show the five brands")


def scenario_pages(program):
    check_frame(program, "start", Screen())
    for number in range(1, len(program.entries) + 1):
        go_to(program, number)
        screen = Screen()
        check_selected_bar(program, number, screen)
        check_frame(program, f"page {number}", screen)
        check_boxes(program, number, screen)
        if number == 5:
            visit_brands(program)
        if number == 6:
            check_about(program, screen)
        program.keep_screenshot(f"main{number}")
        note(program, f"page {number} shown")
    program.click(program.get(pyatspi.ROLE_IMAGE, "Kalmoro"), repeat=2)
    wait_for("the start page after a double click on the logo", program.page_shows(program.main_tab, 0))
    last = len(program.entries)
    if program.looks_selected() != [last]:
        raise Failure(f"after the double click on the logo entries {program.looks_selected()} look selected, expected [{last}]")
    program.keep_screenshot("start-again")


def visible_windows(program):
    result = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(program.process.pid)],
                            capture_output=True, text=True, timeout=5)
    return len(result.stdout.split())


def top_level(program, role, name):
    return program.find(role, name, under=program.application)


def scenario_quotation(program):
    go_to(program, 2)
    picture = program.get(pyatspi.ROLE_IMAGE, "期货铜价 今日铜价 铜管市场价")
    windows = visible_windows(program)
    # The page picture's bottom right corner, which no control covers.
    _, _, w, h = extents(picture)
    program.click(picture, button=3, at=(w - 10, h - 10))
    wait_for("the quotation menu", lambda: visible_windows(program) > windows)
    # The menu reaches out of the window on the right and at the bottom.
    program.keep_screenshot("menu", 1080 + 200, 695 + 80)
    xdo("key", "Escape")
    wait_for("the menu to close", lambda: visible_windows(program) == windows)
    program.alive()
    note(program, "a right click on the copper page opened the quotation menu")

    program.type_into(program.get(pyatspi.ROLE_TEXT, "期货铜价 元"), "60000")
    metres = program.get(pyatspi.ROLE_TEXT, "Φ6.35铜管 米")
    program.type_into(metres, "10")
    program.click(program.get(pyatspi.ROLE_PUSH_BUTTON, "价格计算"))
    program.click(metres)
    xdo("key", "ctrl+shift+c")
    expected = (f"铜管报价\n日期：{datetime.date.today():%Y-%m-%d}\n期货铜价：60000 元\n单价：市场价 × 1.2\n"
                "序号\t项目\t数量\t单位\t单价\t金额\n1\tΦ6.35 铜管\t10\t米\t8.16 元\t81.60 元\n"
                "小计：81.60 元\n合计：81.60 元")
    wait_for("the quotation on the clipboard", lambda: clipboard() == expected)
    if not re.search(r"<table>.*<td>81\.60 元</td>.*<p>合计：81\.60 元</p>", clipboard("text/html") or "", re.S):
        raise Failure("the clipboard holds no HTML table with the amount and the total")
    note(program, "Ctrl+Shift+C put the quotation on the clipboard")

    sheet = os.path.join(program.screenshots, f"{program.scenario}-sheet.png")
    if os.path.exists(sheet):
        os.remove(sheet)
    xdo("key", "ctrl+s")
    dialog = wait_for("the save dialog", lambda: top_level(program, pyatspi.ROLE_DIALOG, "保存为图片"))
    wait_for("the focus in the save dialog", lambda: any(
        has(node, pyatspi.STATE_FOCUSED) for node in walk(dialog) if node.getRole() == pyatspi.ROLE_TEXT))
    program.keep_screenshot("dialog")
    xdo("key", "ctrl+a")
    xdo("type", "--delay", 20, sheet)
    xdo("key", "Return")
    wait_for("the saved sheet", lambda: os.path.exists(sheet) and os.path.getsize(sheet) > 24)
    with open(sheet, "rb") as file:
        width = struct.unpack(">I", file.read(24)[16:20])[0]
    if width < 1280:
        raise Failure(f"the sheet is {width} px wide, narrower than twice its 640 px")
    note(program, f"Ctrl+S saved the sheet as {sheet}")


def scenario_first_browser(program):
    """The copper pipe page holds the first browser the user meets; its view fits into the window as
    it is: same native window, same place."""
    if not engine_present(sys.argv[2]):
        print("SKIP [first_browser]: no browser plugin beside the program")
        sys.exit(77)
    before = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Kalmoro$"],
                            capture_output=True, text=True, timeout=5).stdout.split()
    go_to(program, 2)
    quote = program.get(pyatspi.ROLE_FILLER, "今日铜价")
    wait_for("the quotation browser's view", lambda: program.find(pyatspi.ROLE_DOCUMENT_WEB, "", under=quote))
    after = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Kalmoro$"],
                           capture_output=True, text=True, timeout=5).stdout.split()
    if after[:1] != before[:1]:
        raise Failure(f"the program's window is {after}, was {before}")
    if extents(program.window)[:2] != (program.x, program.y):
        raise Failure(f"the window moved from {program.x},{program.y} to {extents(program.window)[:2]}")
    note(program, f"window {after[0]} kept its id and its place {program.x},{program.y}")


def scenario_accessibility(program):
    """What a screen reader gets: every control that takes the focus has a name, the page tabs list
    their pages as page tabs with one selected, labels and pictures report their roles."""
    faults = []
    page_tabs, labels, pictures, edit_names = [], 0, 0, []
    for node in walk(program.application):
        role = node.getRole()
        if has(node, pyatspi.STATE_FOCUSABLE) and not node.name.strip():
            faults.append(f"a focusable {node.getRoleName()} without a name")
        if role == pyatspi.ROLE_PAGE_TAB:
            page_tabs.append((node.name, has(node, pyatspi.STATE_SELECTED)))
        labels += role == pyatspi.ROLE_LABEL
        pictures += role == pyatspi.ROLE_IMAGE
        if role in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
            edit_names.append(node.name)
    for tab, name in ((program.main_tab, "主页面"), (program.brand_tab, "空调品牌")):
        if tab.name != name:
            faults.append(f"a page tab list named {tab.name!r}, expected {name!r}")
    # From the last entry, so that every entry has been an other once.
    go_to(program, len(program.entries))
    go_to(program, 2)
    states = [(has(entry, pyatspi.STATE_CHECKED), has(entry, pyatspi.STATE_SELECTED)) for entry in program.entries]
    reported = [number for number, state in enumerate(states, 1) if any(state)]
    if reported != [2] or states[1] != (True, True):
        faults.append(f"entries {reported} report checked or selected, expected [2], checked and selected")
    quote = extents(program.get(pyatspi.ROLE_FILLER, "今日铜价"))
    if quote[2:] != (240, 152):
        faults.append(f"the quotation view reports {quote}, expected its visible 240 x 152")
    drain = program.get(pyatspi.ROLE_LIST, "冷凝排水管选择")
    if not re.fullmatch(r"(制冷量（kw） \S.*?：PVC管径 De \d+；){3}制冷量（kw） .*：PVC管径 De 50", drain.description):
        faults.append(f"the drain pipe picture describes {drain.description!r}")
    for role, name, caption in ((pyatspi.ROLE_TEXT, "室内机台数 台", "室内机台数："),
                                # One picture prints the four vent captions: each box is named on its own.
                                (pyatspi.ROLE_TEXT, "回风口尺寸 宽 米", None),
                                (pyatspi.ROLE_LABEL, "所需加氟量", "ALL 所需加氟量（kg）")):
        labelled = [relation.getTarget(index).name for relation in program.get(role, name).getRelationSet()
                    if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                    for index in range(relation.getNTargets())]
        if labelled != ([caption] if caption else []):
            faults.append(f"{name!r} is labelled by {labelled}, expected {caption!r}")
    titles = [name for name, _ in page_tabs]
    if "铜管计算" not in titles or "大金" not in titles:
        faults.append(f"the page tabs are not listed as page tabs: {titles}")
    if sum(selected for _, selected in page_tabs) != 2:
        faults.append(f"not one selected page in each page tab: {page_tabs}")
    if labels == 0 or pictures == 0:
        faults.append(f"{labels} labels and {pictures} pictures report their roles")
    for name in ("期货铜价 元", "冷媒液管Φ9.52", "Φ6.35铜管 市场价 元"):
        if name not in edit_names:
            faults.append(f"no edit box named {name!r}")
    if faults:
        raise Failure("; ".join(faults))
    note(program, f"{len(edit_names)} edit boxes, {len(page_tabs)} page tabs, {labels} labels, {pictures} pictures")


def visible_part(node, clip):
    """The part of node's extents inside clip's."""
    nx, ny, nw, nh = extents(node)
    cx, cy, cw, ch = extents(clip)
    left, top = max(nx, cx), max(ny, cy)
    return left, top, min(nx + nw, cx + cw) - left, min(ny + nh, cy + ch) - top


def leave_browser_by_key(program, node, clip):
    """Clicks into the page of the browser in node, which then has the keys, and leaves it with
    Alt+1 for the first box of page 1."""
    wait_for(f"the page in {node.name!r}", lambda: program.all(pyatspi.ROLE_DOCUMENT_WEB, under=node))
    x, y, w, h = visible_part(node, clip)
    program.pointer_to(x + w // 2, y + h // 2)
    xdo("click", 1)
    program.park_pointer()
    wait_for(f"the focus in {node.name!r}", lambda: not any(
        has(box, pyatspi.STATE_FOCUSED) for box in program.all(pyatspi.ROLE_TEXT)))
    go_to(program, 1, by_key=True)
    page = program.shown_page(program.main_tab)
    first = wait_for("the focus in page 1 after Alt+1", lambda: program.focused(page))
    note(program, f"Alt+1 left {node.name!r} for {first.name!r}")


def scenario_keyboard(program):
    """Alt with each entry's digit chooses it; a calculator page puts the focus in its first box,
    Tab leaves it and Shift+Tab comes back. A click into a brand page or the quotation view does
    not trap the keys there: Alt+1 leaves it, and Esc then closes the program."""
    calculators = 0
    for number in range(1, len(program.entries) + 1):
        go_to(program, number, by_key=True)
        page = program.shown_page(program.main_tab)
        if not program.all(pyatspi.ROLE_TEXT, under=page):
            continue
        calculators += 1
        first = wait_for(f"the focus in page {number}", lambda: program.focused(page))
        xdo("key", "Tab")
        wait_for(f"Tab to leave {first.name!r}", lambda: not has(first, pyatspi.STATE_FOCUSED))
        xdo("key", "shift+Tab")
        wait_for(f"Shift+Tab back to {first.name!r}", lambda: has(first, pyatspi.STATE_FOCUSED))
        note(program, f"page {number}: the focus starts in {first.name!r}")
    if calculators != 4:
        raise Failure(f"{calculators} pages with edit boxes, expected the four calculators")
    if not engine_present(sys.argv[2]):
        note(program, "no browser plugin beside the program: leaving a page by key is not checked")
        return
    go_to(program, 5, by_key=True)
    program.click(program.get(pyatspi.ROLE_PUSH_BUTTON, "DAIKIN"))
    wait_for("the Daikin page", program.page_shows(program.brand_tab, 1))
    leave_browser_by_key(program, program.get(pyatspi.ROLE_FILLER, "大金 产品资料"), program.brand_tab)
    go_to(program, 2, by_key=True)
    quote = program.get(pyatspi.ROLE_FILLER, "今日铜价")
    leave_browser_by_key(program, quote, quote.parent)
    xdo("key", "Escape")
    program.ends_cleanly("Esc after leaving the quotation view")


def focus_by_tab(program, page, name):
    """Presses Tab until the box or radio NAME of PAGE has the focus."""
    for _ in range(40):
        focused = program.focused(page)
        if focused is not None and focused.name == name:
            return focused
        xdo("key", "Tab")
        time.sleep(0.1)
    raise Failure(f"Tab never reached {name!r}")


def type_here(program, page, name, text):
    box = focus_by_tab(program, page, name)
    xdo("type", "--delay", 50, text)
    wait_for(f"{text!r} in {name}", lambda: text_of(box) == text)


class NameChanges:
    """The names announced by name-change events, as a screen reader hears them."""

    def __init__(self):
        self.names = []
        pyatspi.Registry.registerEventListener(self._heard, "object:property-change:accessible-name")

    def _heard(self, event):
        self.names.append(event.source.name)

    def heard(self, name):
        # The events arrive through the main loop, which nothing else here runs.
        while GLib.MainContext.default().iteration(False):
            pass
        return name in self.names


def read_result(program, page, name, changes=None):
    """Waits for a label of the page named NAME, as a screen reader reads the result, and for the
    event that announced it."""
    wait_for(f"a result read as {name!r}", lambda: program.find(pyatspi.ROLE_LABEL, name, page))
    if changes is not None:
        wait_for(f"the name change to {name!r}", lambda: changes.heard(name))
    note(program, f"read {name!r}")


def scenario_finish_by_keys(program):
    """Finishes each calculator page with keys only, with a worked example, and reads the results as
    a screen reader does; then walks the brands with 1 to 5 and Ctrl+PageDown."""
    go_to(program, 1, by_key=True)
    page = program.shown_page(program.main_tab)
    wait_for("the focus on the first radio", lambda: program.focused(page))
    # The mode and the model are a Tab stop each.
    xdo("key", "space", "Tab", "space")
    wait_for("GMV-250W/A checked by its key", lambda: has(program.get(
        pyatspi.ROLE_RADIO_BUTTON, "GMV-250W/A", page), pyatspi.STATE_CHECKED))
    type_here(program, page, "室内机台数 台", "3")
    type_here(program, page, "室内机总量 KW", "26.25")
    xdo("key", "Return")
    wait_for("the outdoor charge", lambda: text_of(program.get(pyatspi.ROLE_TEXT, "室外机所需氟利昂 KG", page)) == "1")
    read_result(program, page, "所需加氟量")
    type_here(program, page, "冷媒液管Φ6.35", "10")
    type_here(program, page, "冷媒液管Φ9.52", "10")
    xdo("key", "ctrl+Return")
    read_result(program, page, "所需加氟量 1.76 KG")

    go_to(program, 2, by_key=True)
    page = program.shown_page(program.main_tab)
    type_here(program, page, "期货铜价 元", "60000")
    type_here(program, page, "Φ6.35铜管 米", "10")
    changes = NameChanges()
    xdo("key", "Return")
    read_result(program, page, "铜管价格 81.6 元", changes)
    xdo("key", "ctrl+shift+Delete")
    read_result(program, page, "铜管价格 0 元", changes)

    go_to(program, 4, by_key=True)
    page = program.shown_page(program.main_tab)
    read_result(program, page, "出风口价格")
    type_here(program, page, "出风口尺寸 长 米", "1")
    type_here(program, page, "出风口尺寸 宽 米", "0.2")
    xdo("key", "Return")
    read_result(program, page, "出风口价格 47.52 元")
    type_here(program, page, "回风口尺寸 长 米", "3")
    type_here(program, page, "回风口尺寸 宽 米", "0.2")
    xdo("key", "ctrl+Return")
    read_result(program, page, "回风口价格 236.304 元")

    engine = engine_present(sys.argv[2])
    for number in range(1, 6):
        go_to(program, 5, by_key=True)
        xdo("key", str(number))
        wait_for(f"brand page {number}", program.page_shows(program.brand_tab, number))
        browser = program.get(pyatspi.ROLE_FILLER, f"{program.headers(program.brand_tab)[number].name} 产品资料")
        if not engine:
            continue
        wait_for(f"the focus in brand {number}'s browser", lambda: any(
            has(node, pyatspi.STATE_FOCUSED) for node in walk(browser, into_documents=True)))
        bx, by, bw, bh = extents(browser)
        tx, ty, tw, th = extents(program.brand_tab)
        left, top = max(bx, tx), max(by, ty)
        box = (left, top, min(bx + bw, tx + tw) - left, min(by + bh, ty + th) - top)
        start_page = program.settled(box)
        xdo("key", "ctrl+Next")
        wait_for(f"brand {number}'s first product page", lambda: program.region(box) != start_page)
        note(program, f"key {number} and Ctrl+PageDown showed a product page of {browser.name}")
    if not engine:
        note(program, "no browser plugin beside the program: the product pages are not checked")


def job_window(program):
    """The job window, once it is on the accessibility bus; its name is its title."""
    def find():
        for index in range(program.application.childCount):
            node = program.application.getChildAtIndex(index)
            if node is not None and node.name.startswith("报价单 – "):
                return node
        return None
    return wait_for("the job window", find)


def activate(program, title):
    """Activates the program's one window whose name matches title. xdotool's own name search also
    finds the program's other top-level windows, and activating them all would leave the last on top."""
    def find():
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(program.process.pid), "--name", "."],
                               capture_output=True, text=True, timeout=5).stdout.split()
        named = [window for window in found if re.search(title, subprocess.run(
            ["xdotool", "getwindowname", window], capture_output=True, text=True, timeout=5).stdout.strip())]
        return named[0] if named else None
    xdo("windowactivate", "--sync", wait_for(f"the window {title}", find))


def save_through_dialog(program, keys, title, path):
    xdo("key", keys)
    dialog = wait_for(f"the dialog {title}", lambda: top_level(program, pyatspi.ROLE_DIALOG, title))
    wait_for("the focus in the dialog", lambda: any(
        has(node, pyatspi.STATE_FOCUSED) for node in walk(dialog) if node.getRole() == pyatspi.ROLE_TEXT))
    xdo("key", "ctrl+a")
    xdo("type", "--delay", 20, path)
    xdo("key", "Return")
    wait_for(f"the file {path}", lambda: os.path.exists(path) and os.path.getsize(path) > 0)


def pdf_text(path):
    return subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True, text=True, check=True,
                          timeout=30).stdout


def scenario_job(program):
    """A job built from the three pages by keyboard, saved, and reopened from the command line, gives
    the same PDF."""
    steps = [(1, [("冷媒液管Φ6.35", "10")]),
             (2, [("期货铜价 元", "60000"), ("Φ6.35铜管 米", "10")]),
             (4, [("出风口尺寸 长 米", "1"), ("出风口尺寸 宽 米", "0.2")])]
    for number, boxes in steps:
        activate(program, "^Kalmoro$")
        go_to(program, number, by_key=True)
        for name, text in boxes:
            program.type_into(program.get(pyatspi.ROLE_TEXT, name), text)
        xdo("key", "ctrl+shift+a")
        job = job_window(program)
        note(program, f"page {number} added to {job.name!r}")
    customer = program.get(pyatspi.ROLE_TEXT, "客户", under=job)
    program.type_into(customer, "Wang")
    work = os.environ.get("TMPDIR", "/tmp")
    saved, first, second = (os.path.join(work, name) for name in ("job.kalmoro", "first.pdf", "second.pdf"))
    save_through_dialog(program, "ctrl+s", "另存为", saved)
    save_through_dialog(program, "ctrl+shift+e", "导出 PDF", first)
    text = pdf_text(first)
    for expected in ("客户：Wang", "冷媒", "Φ6.35 铜管", "出风口 1×0.2 米", "合计："):
        if expected not in text:
            raise Failure(f"the PDF's text lacks {expected!r}:\n{text}")
    xdo("key", "Escape")
    activate(program, "^Kalmoro$")
    xdo("key", "Escape")
    program.ends_cleanly("Esc after the save dialogs")
    note(program, f"saved {saved}, the PDF reads as the job")

    again = Program(program.process.args[0], program.screenshots, program.scenario, [saved])
    try:
        again.attach()
        job = job_window(again)
        if job.name.replace("[*]", "") != "报价单 – Wang":
            raise Failure(f"the reopened job window is named {job.name!r}")
        activate(again, "报价单")
        again.click(again.get(pyatspi.ROLE_TEXT, "客户", under=job))
        save_through_dialog(again, "ctrl+shift+e", "导出 PDF", second)
        if pdf_text(second) != text:
            raise Failure("the reopened job's PDF reads otherwise than the saved job's")
    finally:
        again.stop()
    note(program, "the job reopened from the command line gives the same PDF")


# The rooms typed in the job window: name, area, indoor unit, its capacity in kW and its count. In
# Latin letters: xdotool now and then drops a character it must first map to a key.
ROOMS = [("Living", "40", "FG-80", "8.1", "2"), ("Master", "20", "GW-56", "5.6", "2")]
# The outdoor units the rooms are filled into the refrigerant page with, one a row: a model of the
# page by its place in the 室外机 box (after 未选), with its capacity and charges (band 1 and band 2,
# fewer than four indoor units and four or more), or another make's model and capacity.
OUTDOOR_ROWS = [
    {"model": "GMV-300W/A", "place": 2, "capacity": 30, "charges": ((1, 2), (2, 3.5))},
    {"model": "RXYQ10", "other_capacity": "28"},
]
TOLERANCE = 1e-7


def shown_number(value):
    """A number as the refrigerant page shows it: up to 13 significant digits."""
    return f"{value:.13g}"


def expected_refrigerant(row):
    """配比率 and 外机加氟 of a model of the page for the rooms, from the page's rule, or None where
    the rule writes nothing."""
    units = sum(int(count) for *_, count in ROOMS)
    capacity = sum(float(rating) * int(count) for *_, rating, count in ROOMS)
    ratio = float(shown_number(capacity / row["capacity"]))
    if ratio - 0.9 > TOLERANCE and not ratio - 1.05 > TOLERANCE:
        band = 0
    elif ratio - 1.05 > TOLERANCE and not ratio - 1.35 > TOLERANCE:
        band = 1
    else:
        return units, capacity, shown_number(ratio), None
    many = not units - 4 < -TOLERANCE
    return units, capacity, shown_number(ratio), shown_number(row["charges"][band][many])


def scenario_rooms(program):
    """Rooms typed by keys in the job window, then 填入加氟计算 for each outdoor unit of OUTDOOR_ROWS:
    the main window shows the refrigerant page with the ratio and the charge its rule gives, and for
    another make's unit the page's 其他品牌加氟, whose outdoor boxes are hidden and keep their text."""
    go_to(program, 2, by_key=True)
    xdo("key", "ctrl+shift+o")
    job = job_window(program)
    activate(program, "报价单")
    program.click(program.get(pyatspi.ROLE_PAGE_TAB, "房间与室内机", under=job))
    rooms = program.get(pyatspi.ROLE_TABLE, "房间与室内机", under=job)
    program.click(rooms)
    for name, area, unit, rating, count in ROOMS:
        xdo("key", "ctrl+Insert")
        # Name, type, area, index, load, 匹, unit, capacity, count: the type and its index as they came.
        # Tab goes on from a cell's editor; an arrow goes on from a computed cell, which opens none.
        for cell, key in ((name, "Tab"), (None, "Tab"), (area, "Tab"), (None, "Tab"), (None, "Right"),
                          (None, "Right"), (unit, "Tab"), (rating, "Tab"), (count, "Tab")):
            if cell:
                xdo("type", "--delay", 50, cell)
            xdo("key", key)
    table = rooms.queryTable()
    wait_for("the rooms typed", lambda: table.nRows == len(ROOMS) and [
        table.getAccessibleAt(index, 8).name for index in range(table.nRows)] == [room[4] for room in ROOMS])
    previous = None
    for row in OUTDOOR_ROWS:
        # A combo box is read by the item it shows; the job window has one.
        outdoor = wait_for("the box 室外机", lambda: program.find(pyatspi.ROLE_COMBO_BOX, None, under=job))
        # A click opens its list, which Esc closes again, the focus staying in the box.
        program.click(outdoor)
        xdo("key", "Escape")
        wait_for("the focus in 室外机", lambda: has(outdoor, pyatspi.STATE_FOCUSED))
        if "place" in row:
            xdo("key", "Home", *["Down"] * row["place"])
        else:
            xdo("key", "End", "Tab")
            xdo("type", "--delay", 50, row["model"])
            xdo("key", "Tab")
            xdo("type", "--delay", 50, row["other_capacity"])
        xdo("key", "ctrl+shift+f")
        wait_for("the refrigerant page shown", program.page_shows(program.main_tab, 1))
        page = program.shown_page(program.main_tab)
        ratio = program.get(pyatspi.ROLE_TEXT, "配比率", page)
        charge = program.get(pyatspi.ROLE_TEXT, "室外机所需氟利昂 KG", page)
        if "place" in row:
            units, capacity, expected_ratio, expected_charge = expected_refrigerant(row)
            wait_for(f"{row['model']} checked", lambda: has(
                program.get(pyatspi.ROLE_RADIO_BUTTON, row["model"], page), pyatspi.STATE_CHECKED))
            boxes = {"室内机台数 台": str(units), "室内机总量 KW": shown_number(capacity), "配比率": expected_ratio,
                     "室外机所需氟利昂 KG": expected_charge}
            for name, expected in boxes.items():
                box = program.get(pyatspi.ROLE_TEXT, name, page)
                wait_for(f"{name} {expected!r}", lambda: text_of(box) == expected)
            previous = (text_of(ratio), text_of(charge))
        else:
            wait_for("其他品牌加氟 checked", lambda: has(
                program.get(pyatspi.ROLE_RADIO_BUTTON, "其他品牌加氟", page), pyatspi.STATE_CHECKED))
            for box in (ratio, charge):
                wait_for(f"{box.name} hidden", lambda: not has(box, pyatspi.STATE_SHOWING))
            if previous is not None and (text_of(ratio), text_of(charge)) != previous:
                raise Failure(f"the hidden boxes changed from {previous} to {(text_of(ratio), text_of(charge))}")
        if top_level(program, pyatspi.ROLE_DIALOG, "信息："):
            raise Failure("a message came up where the page's rule shows none")
        note(program, f"{row['model']}: 配比率 {text_of(ratio)!r}, 外机加氟 {text_of(charge)!r}")
        activate(program, "报价单")



# The pipe runs typed in the job window: from (None for the outdoor unit, which a new run starts at),
# to, liquid and gas diameter, metres. Two runs share a liquid pipe and the gas pipe of the 6.35
# runs is the liquid pipe of the first, so that the copper page adds liquid and gas of one size.
# The places are Latin letters: xdotool types another character by remapping a key for it, which
# now and then loses one.
PIPE_RUNS = [(None, "A", "9.52", "15.88", "10"), ("A", "B", "6.35", "9.52", "5.5"), ("A", "C", "6.35", "9.52", "4")]
# Lengths whose allowance comes out in whole centimetres, so that no rounding of it is in question.
PIPE_ALLOWANCE = "10"
FUTURES_PRICE = "60000"
# The refrigerant page's liquid pipes in its order, with the charge per metre in kg.
LIQUID_PIPES = [("6.35", 0.022), ("9.52", 0.054), ("12.7", 0.11), ("15.88", 0.17), ("19.05", 0.25),
                ("22.23", 0.35), ("25.4", 0.52), ("28.58", 0.68)]
# The copper page's rows in its order: diameter, mass factor k and length divisor n of the price.
COPPER_PIPES = [("6.35", 1.7, 15), ("9.53", 2.3, 15), ("12.7", 3.5, 15), ("15.88", 5.1, 15), ("19.05", 6.6, 15),
                ("22.23", 2.5, 4), ("25.4", 2.79, 4), ("28.58", 3.16, 4), ("31.75", 3.8, 4), ("34.93", 4.9, 4),
                ("38.1", 5.5, 4), ("41.3", 6.2, 4), ("44.45", 7.5, 4)]
# The 3/8 inch pipe by the refrigerant page's name and the copper page's, which the runs show.
SAME_PIPE = {"9.52": "9.53"}


def box_text(value):
    """A length as a filled box shows it: none is left empty."""
    return shown_number(float(value)) if value else ""


def expected_piping():
    """The refrigerant page's liquid boxes, 内机加氟 and 一共加氟, and the copper page's metres and
    total, from the pages' rules for PIPE_RUNS."""
    liquid, copper = {}, {}
    for *_, liquid_pipe, gas_pipe, metres in PIPE_RUNS:
        length = decimal.Decimal(metres)
        liquid[liquid_pipe] = liquid.get(liquid_pipe, 0) + length
        for pipe in (liquid_pipe, gas_pipe):
            row = SAME_PIPE.get(pipe, pipe)
            copper[row] = copper.get(row, 0) + length
    boxes = [box_text(liquid.get(pipe, 0)) for pipe, _ in LIQUID_PIPES]
    indoor = 0.0
    for text, (_, charge) in zip(boxes, LIQUID_PIPES):
        indoor += float(text or 0) * charge
    indoor_text = shown_number(indoor)
    # The outdoor part's box is empty and reads 0.
    total_charge = shown_number(float(indoor_text) + 0.0)
    factor = 1 + decimal.Decimal(PIPE_ALLOWANCE) / 100
    metres = [box_text(copper.get(pipe, 0) * factor) for pipe, _, _ in COPPER_PIPES]
    price = float(FUTURES_PRICE)
    total = 0.0
    for text, (_, k, n) in zip(metres, COPPER_PIPES):
        total += float(text or 0) * float(shown_number(price / 1000 * k / n)) * 1.2
    return boxes, indoor_text, total_charge, metres, shown_number(total)


def scenario_piping(program):
    """Pipe runs typed by keys in the job window's 管路, then 填入加氟计算 and 填入铜管计算: the
    refrigerant page shows the liquid lengths by diameter and the charge they need, and the copper
    page, its futures price typed first, the copper with the allowance and its price."""
    go_to(program, 2, by_key=True)
    page = program.shown_page(program.main_tab)
    program.type_into(program.get(pyatspi.ROLE_TEXT, "期货铜价 元", page), FUTURES_PRICE)
    xdo("key", "ctrl+shift+o")
    job = job_window(program)
    activate(program, "报价单")
    program.click(program.get(pyatspi.ROLE_PAGE_TAB, "管路", under=job))
    # The box shows the job's allowance, 0, which the typed one replaces.
    allowance = program.get(pyatspi.ROLE_TEXT, "损耗余量 %", under=job)
    program.click(allowance)
    xdo("key", "ctrl+a")
    xdo("type", "--delay", 50, PIPE_ALLOWANCE)
    wait_for(f"{PIPE_ALLOWANCE!r} in 损耗余量 %", lambda: text_of(allowance) == PIPE_ALLOWANCE)
    runs = program.get(pyatspi.ROLE_TABLE, "管路", under=job)
    program.click(runs)
    for start, *cells in PIPE_RUNS:
        # A new run opens its end's cell; its start is the cell before.
        xdo("key", "ctrl+Insert")
        if start:
            xdo("key", "shift+Tab")
            xdo("type", "--delay", 50, start)
            xdo("key", "Tab")
        # Tab goes on to the next cell's editor; Enter closes the last one, the joints left as they are.
        for cell, key in zip(cells, ["Tab"] * (len(cells) - 1) + ["Return"]):
            xdo("type", "--delay", 50, cell)
            xdo("key", key)
    table = runs.queryTable()
    typed = [[start or "室外机", *(SAME_PIPE.get(cell, cell) for cell in cells)] for start, *cells in PIPE_RUNS]
    wait_for(f"the runs {typed}", lambda: [[table.getAccessibleAt(row, column).name for column in range(
        len(typed[0]))] for row in range(table.nRows)] == typed)
    boxes, indoor, total_charge, metres, total = expected_piping()

    xdo("key", "ctrl+shift+f")
    wait_for("the refrigerant page shown", program.page_shows(program.main_tab, 1))
    page = program.shown_page(program.main_tab)
    shown = {f"冷媒液管Φ{pipe}": text for (pipe, _), text in zip(LIQUID_PIPES, boxes)}
    shown["室内机所需氟利昂 KG"] = indoor
    for name, expected in shown.items():
        box = program.get(pyatspi.ROLE_TEXT, name, page)
        wait_for(f"{name} {expected!r}", lambda: text_of(box) == expected)
    read_result(program, page, f"所需加氟量 {total_charge} KG")

    activate(program, "报价单")
    xdo("key", "ctrl+shift+g")
    wait_for("the copper page shown", program.page_shows(program.main_tab, 2))
    page = program.shown_page(program.main_tab)
    for (pipe, _, _), expected in zip(COPPER_PIPES, metres):
        box = program.get(pyatspi.ROLE_TEXT, f"Φ{pipe}铜管 米", page)
        wait_for(f"Φ{pipe} {expected!r}", lambda: text_of(box) == expected)
    read_result(program, page, f"铜管价格 {total} 元")
    if top_level(program, pyatspi.ROLE_DIALOG, "信息："):
        raise Failure("a message came up where the pages' rules show none")


class Orca:
    """The Orca screen reader on the session's accessibility bus, without a speech server: what it
    would say is read from its debug log. The log goes to a terminal, which Orca writes line by line
    (a file it writes in blocks, so that the last of what it said would wait for more), and is kept
    among the screenshots, where a failure can be looked into."""

    SAID = re.compile(r"SPEECH OUTPUT: '(.*)'(?:\{.*\})?$")

    def __init__(self, screenshots):
        work = os.environ.get("TMPDIR", "/tmp")
        prefs = os.path.join(work, "orca-prefs")
        os.makedirs(prefs, exist_ok=True)
        self.lines, self.kept = [], open(os.path.join(screenshots, "orca-debug.log"), "w", encoding="utf-8")
        # The terminal stays open here too, so that it is never without a writer before Orca opens it.
        self.reader, self.writer = pty.openpty()
        tty.setraw(self.writer)
        threading.Thread(target=self._read, daemon=True).start()
        # An address where no speech server listens and none is started.
        environment = dict(os.environ, SPEECHD_ADDRESS=f"unix_socket:{work}/no-speech-server")
        self.process = subprocess.Popen(["orca", "--replace", "--user-prefs", prefs, "--debug-file",
                                         os.ttyname(self.writer)], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL, env=environment)
        wait_for("Orca to read the window", lambda: any("Kalmoro" in line for line in self.said()))
        self.heard = self.mark = 0

    def _read(self):
        rest = b""
        while True:
            try:
                chunk = os.read(self.reader, 65536)
            except OSError:
                return
            if not chunk:
                return
            *whole, rest = (rest + chunk).split(b"\n")
            for line in whole:
                text = line.decode("utf-8", "replace")
                self.kept.write(text + "\n")
                self.lines.append(text)

    def said(self):
        """Everything Orca said since it started."""
        return [match.group(1) for match in map(self.SAID.search, list(self.lines)) if match]

    def focused_on(self, role, name):
        """Whether Orca met the focus on an object of the role and name since the last keys."""
        return any(f"OBJECT EVENT: focus: (0, 0, [{role} | {name}])" in line for line in self.lines[self.mark:])

    def title_changes(self):
        """The changes of a window's title that Orca met since the last keys."""
        return [line for line in self.lines[self.mark:]
                if "EVENT MANAGER: object:property-change:accessible-name for [" in line and "| 报价单 –" in line]

    def settle(self):
        """Waits for Orca to have worked through what it met, as a user lets it finish speaking before
        the next key: its log stops growing."""
        def settled():
            before = len(self.lines)
            time.sleep(0.5)
            return len(self.lines) == before
        wait_for("Orca to settle", settled)

    def hear(self, keys, expected, patience=10):
        """Presses KEYS (or types the text after "type:") and waits for Orca to say EXPECTED, a part of
        one utterance, among what it says from now on; returns what it said."""
        self.settle()
        self.heard, self.mark = len(self.said()), len(self.lines)
        if keys.startswith("type:"):
            xdo("type", "--delay", 80, keys[len("type:"):])
        else:
            xdo("key", "--delay", 150, *keys.split())
        if expected is None:
            self.settle()
            return self.said()[self.heard:]
        wait_for(f"Orca to say {expected!r} after {keys}",
                 lambda: any(expected in line for line in self.said()[self.heard:]), patience)
        return self.said()[self.heard:]

    def stop(self):
        end(self.process)
        os.close(self.writer)
        self.kept.close()


# Keys, and what Orca must say after them: every page lands on a named control of its own, and each
# key that computes is followed by its results, caption, value and unit.
ORCA_PAGES = [
    ("alt+3", "水管选择"),
    ("alt+2", "期货铜价"),
    ("alt+6", "Lumavo"),
    ("alt+4", "出风口尺寸 长"),
    ("type:1", None),
    ("Tab", "出风口尺寸 宽"),
    ("type:0.2", None),
    ("Return", "出风口价格 47.52 元"),
    ("alt+1", "格力多联机加氟"),
    ("space", None),
    ("Down", None),
    ("Tab", "GMV-250W/A"),
    ("space", None),
    ("Tab", "室内机台数"),
    ("type:3", None),
    ("Tab", "室内机总量"),
    ("type:26.25", None),
    ("Return", "室外机所需氟利昂 1 KG"),
    ("Tab Tab Tab", None),
    ("type:10", None),
    ("Tab", None),
    ("type:10", None),
    ("ctrl+Return", "所需加氟量 1.76 KG"),
    ("alt+5", "DAIKIN"),
    ("1", "大金中央空调"),
    ("ctrl+Next", "大金 X7 系列"),
    ("ctrl+Next", "大金 P 系列"),
    ("alt+Home", "大金中央空调"),
    ("alt+1", "格力多联机加氟"),
]
# The job window by keys, once the refrigerant page's lines are added and the first line's first cell
# is clicked: keys, what Orca must say, and the name of the cell editor they open. Orca reads an
# open editor by its text, so its name is read from the focus events Orca met.
ORCA_JOB = [
    ("F2", "冷媒", "项目 第 1 行"),
    ("Escape", None, None),
    ("Right Right Right", None, None),
    ("Return", None, "单价（元） 第 1 行"),
    ("ctrl+a", None, None),
    ("type:60", None, None),
    ("Return", "合计", None),
    ("Tab", "报价明细", None),
    ("Tab", "优惠", None),
]


def scenario_orca(program):
    """What Orca says, page by page and key by key, and in the job window."""
    if subprocess.run(["which", "orca"], capture_output=True).returncode != 0:
        raise Failure("orca is not installed")
    orca = Orca(program.screenshots)
    try:
        activate(program, "^Kalmoro$")
        for keys, expected in ORCA_PAGES:
            said = orca.hear(keys, expected)
            if expected is not None:
                note(program, f"{keys}: {' / '.join(said)}")
                if sum(expected in line for line in said) > 1:
                    raise Failure(f"Orca said {expected!r} more than once after {keys}: {said}")
        orca.hear("ctrl+shift+a", "报价单")
        program.click(program.all(pyatspi.ROLE_TABLE_CELL, under=job_window(program))[0])
        for keys, expected, editor in ORCA_JOB:
            said = orca.hear(keys, expected)
            note(program, f"job {keys}: {' / '.join(said)}")
            # The title stays as it is, and so must be sent again by no key.
            orca.settle()
            if orca.title_changes():
                raise Failure(f"the job window's title was sent again after {keys}: {orca.title_changes()}")
            if editor is not None:
                wait_for(f"the focus in a cell editor named {editor!r}", lambda: orca.focused_on("text", editor))
    finally:
        orca.stop()


# --- The window and its manager ------------------------------------------------------------------


class XWindow:
    """The program's main window as the X server and the window manager have it."""

    def __init__(self, program):
        self.id = wait_for("the main window on the display", lambda: program.alive() and self._find(program))

    @staticmethod
    def _find(program):
        # The first visible window titled exactly "Kalmoro"; Qt also keeps an unmapped helper window.
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(program.process.pid), "--name",
                                "^Kalmoro$"], capture_output=True, text=True, timeout=5).stdout.split()
        return found[0] if found else None

    def _read(self, tool, *args):
        return subprocess.run([tool, "-id", self.id, *args], capture_output=True, text=True, check=True,
                              timeout=5).stdout

    def geometry(self):
        """Place and size on the screen, and the map state."""
        info = self._read("xwininfo")
        field = lambda name: re.search(rf"^\s*{name}:\s*(\S+)", info, re.M).group(1)
        numbers = ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")
        return tuple(int(field(name)) for name in numbers), field("Map State")

    def place(self):
        return self.geometry()[0][:2]

    def frame(self):
        return self._read("xprop", "_NET_FRAME_EXTENTS").strip()

    def minimized(self):
        state = self._read("xprop", "_NET_WM_STATE", "WM_STATE")
        return "_NET_WM_STATE_HIDDEN" in state or "window state: Iconic" in state


def middle(node):
    x, y, w, h = extents(node)
    return x + w // 2, y + h // 2


def background(window):
    """A point of the skin's empty background, on the screen."""
    x, y = window.place()
    return x + 600, y + 20


def drag(program, start, offset):
    """Presses at START, moves the pointer by OFFSET in ten steps, releases."""
    program.pointer_to(*start)
    xdo("mousedown", 1)
    (dx, dy), done = offset, (0, 0)
    for step in range(1, 11):
        to = (dx * step // 10, dy * step // 10)
        xdo("mousemove_relative", "--", to[0] - done[0], to[1] - done[1])
        done = to
        time.sleep(0.05)
    xdo("mouseup", 1)


def scenario_position(program):
    window = XWindow(program)
    (x, y, w, h), _ = window.geometry()
    if (x, y) != (420, 192):
        raise Failure(f"window at {x},{y}, expected 420,192 on a 1920x1080 screen")
    if (w, h) != (1080, 695):
        raise Failure(f"window is {w}x{h}, expected 1080x695")
    if not window.frame().endswith("= 0, 0, 0, 0"):
        raise Failure(f"the window manager drew a frame: {window.frame()}")
    program.keep_screenshot("start")


def scenario_drag(program):
    """A drag that begins on a button leaves the window in place: the drag on the background that
    follows it, processed after it, moves the window by its own offset only."""
    window = XWindow(program)
    drag(program, background(window), (120, 60))
    wait_for("the window to follow a drag on the background to 540,252", lambda: window.place() == (540, 252))
    drag(program, middle(program.get(pyatspi.ROLE_IMAGE, "暖通设计 更胜一筹")), (-200, -100))
    wait_for("the window to follow a drag on the slogan to 340,152", lambda: window.place() == (340, 152))
    start = (340, 152)
    for name in ("菜单", "铜管计算"):
        drag(program, middle(program.get(pyatspi.ROLE_PUSH_BUTTON, name)), (150, 80))
        drag(program, background(window), (30, 30))
        place = wait_for(f"a drag on the background after one on {name}",
                         lambda: (now := window.place()) != start and now)
        if place != (start[0] + 30, start[1] + 30):
            raise Failure(f"a drag that began on the button {name} moved the window to {place}")
        start = place


def scenario_minimize(program):
    window = XWindow(program)
    drag(program, background(window), (-100, 50))
    wait_for("the window to move to 320,242", lambda: window.place() == (320, 242))
    program.click(program.get(pyatspi.ROLE_PUSH_BUTTON, "最小化"))
    wait_for("the window to be minimized", window.minimized)
    if window.geometry()[1] == "IsViewable":
        raise Failure("the minimized window is still viewable")
    xdo("windowactivate", window.id)
    wait_for("the window to be restored", lambda: window.geometry()[1] == "IsViewable" and not window.minimized())
    if window.place() != (320, 242):
        raise Failure(f"restored at {window.place()}, expected its former place 320,242")
    program.x, program.y = window.place()
    wait_for("the restored window to be painted", program.painted)
    program.keep_screenshot("restored")


def scenario_close(program):
    program.click(program.get(pyatspi.ROLE_PUSH_BUTTON, "关闭"))
    program.ends_cleanly("the close button")


# --- As another user -----------------------------------------------------------------------------
# kalmoro_e2e.sh adds an unprivileged user whose home in the password file and HOME differ, both
# empty. The program runs as that user out of reach of this session's accessibility bus, so these
# scenarios find the window on the X server and click places in it.

USER, USER_ROOT = os.environ.get("KALMORO_E2E_USER"), os.environ.get("KALMORO_E2E_USER_ROOT")
BRAND_CHOICES = [(438, 261), (792, 263), (618, 390), (442, 536), (793, 536)]
BRAND_CHOICE_HEADER, X7_BUTTON, FUTURES_BOX = (280, 116), (311, 176), (511, 163)
CLOSE_BUTTON, REFRIGERANT_ENTRY, PAGE_AREA = (1022, 39), (105, 155), (225, 103, 808, 546)


def as_user(*environment):
    return ["setpriv", "--reuid", USER, "--regid", USER, "--init-groups", "--", "env", "-i", "PATH=/usr/bin:/bin",
            f"HOME={USER_ROOT}/home", f"TMPDIR={USER_ROOT}/tmp", f"DISPLAY={os.environ['DISPLAY']}",
            "LC_ALL=C.UTF-8", "QT_QPA_PLATFORM=xcb", *environment]


def on_screen(program):
    """Waits for the window's first painted frame; returns a click at a place in the window."""
    window = XWindow(program)
    program.x, program.y = window.place()
    wait_for("the first painted frame", program.painted)

    def click(x, y):
        program.pointer_to(program.x + x, program.y + y)
        xdo("click", 1)
    return click


def page_settles(program):
    x, y, w, h = PAGE_AREA
    program.settled((program.x + x, program.y + y, w, h))


def window_titled(title):
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                          capture_output=True, timeout=5).returncode == 0


def questions_shown():
    """Whether a question box is up: it takes the main window's title, Kalmoro."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Kalmoro$"],
                           capture_output=True, text=True, timeout=5).stdout.split()
    return len(found) > 1


def written(path):
    return os.path.exists(path) and os.path.getsize(path) > 0


def scenario_kept(start):
    """What the user saves and prints outlives the program: the save dialog's and the print
    dialog's offers, taken with Return, are still in the account's home after Esc has closed it."""
    program = start(account=as_user())
    click = on_screen(program)
    kept = os.path.join(USER_ROOT, "passwd-home", f"铜管报价-{datetime.date.today().isoformat()}")
    xdo("key", "alt+2")
    page_settles(program)
    click(*FUTURES_BOX)
    xdo("type", "--delay", 50, "60000")
    for keys, title, suffix in (("ctrl+s", "保存为图片", ".png"), ("ctrl+p", "打印", ".pdf")):
        xdo("key", keys)
        wait_for(f"the dialog {title}", lambda: window_titled(title))
        xdo("key", "Return")
        wait_for(f"the sheet from {title}", lambda: written(kept + suffix))
    wait_for("the print dialog to close", lambda: not window_titled("打印"))
    xdo("key", "Escape")
    program.ends_cleanly("Esc")
    for suffix in (".png", ".pdf"):
        if not written(kept + suffix):
            raise Failure(f"the sheet {kept + suffix} is gone after the program ended")


def with_children(pid):
    children = subprocess.run(["pgrep", "-P", str(pid)], capture_output=True, text=True).stdout.split()
    return {pid}.union(*(with_children(int(child)) for child in children))


def program_processes(bus=None):
    """The user's processes but its own bus and what that bus started."""
    session = with_children(bus) if bus else set()
    found = subprocess.run(["pgrep", "-u", USER], capture_output=True, text=True).stdout.split()
    return [pid for pid in found if int(pid) not in session]


def status(path):
    try:
        return os.lstat(path)
    except FileNotFoundError:  # gone while the folder was read
        return None


def left_since(moment, program):
    """What is new where the user may write (the homes, TMPDIR, the program's folder), a private
    folder in TMPDIR whatever its age, and anything of the user's or Qt's runtime folder in /tmp."""
    places = [os.path.join(USER_ROOT, name) for name in ("home", "passwd-home", "tmp")]
    paths = [os.path.join(folder, name) for place in places + [os.path.dirname(program.path)]
             for folder, names, files in os.walk(place) for name in names + files]
    left = [path for path in paths if getattr(status(path), "st_mtime", 0) > moment]
    left += [entry.path for entry in os.scandir(places[2]) if entry.name.startswith("kalmoro-")]
    uid = pwd.getpwnam(USER).pw_uid
    return left + [entry.path for entry in os.scandir("/tmp") if entry.name == f"runtime-{USER}"
                   or getattr(status(entry.path), "st_uid", None) == uid]


def refused_without_display(program, run):
    """The program says on standard error, in both languages, that it needs a desktop, and ends
    with status 1 before it makes anything."""
    wait_for(f"the program to end with {run}", lambda: program.process.poll() is not None)
    program.log.seek(0)
    said = program.log.read()
    if program.process.returncode != 1 or "图形桌面" not in said or "graphical desktop" not in said:
        raise Failure(f"with {run} the program ended with {program.process.returncode}, saying {said!r}")


def use_then_leave(program, run, click):
    """Uses the program as the run says, then leaves it the run's way."""
    if run == "a job named from the folder started in":
        wait_for("the job of the file named", lambda: window_titled("报价单 – 李女士"))
    elif run == "SIGTERM with a job unsaved":
        xdo("key", "alt+2", "ctrl+shift+o")
        wait_for("the job window", lambda: window_titled("报价单 – 未命名"))
        xdo("type", "--delay", 50, "wang")
        wait_for("the job to be unsaved", lambda: window_titled("报价单 – wang\\*"))
    elif run in ("Esc", "close", "SIGTERM"):
        xdo("key", *(f"alt+{entry}" for entry in (1, 2, 3, 4, 6, 7, 5)))
        for brand in (0, 1, 2, 3, 4, 0):
            click(*BRAND_CHOICE_HEADER)
            click(*BRAND_CHOICES[brand])
            page_settles(program)
        click(*X7_BUTTON)
    else:
        xdo("key", "alt+2", "alt+5")
        click(*BRAND_CHOICES[0])
    page_settles(program)
    if run == "Esc":
        # A click in the page gives it the focus; the page switch that hides it takes it away.
        click(600, 450)
        click(*REFRIGERANT_ENTRY)
        xdo("key", "Escape")
    elif run.startswith("SIGTERM") or run == "a job named from the folder started in":
        program.process.terminate()
        # A signal never asks: no question box joins the main window before the end.
        while program.process.poll() is None:
            if questions_shown() and program.process.poll() is None:
                raise Failure(f"after {run} the program asked a question")
            time.sleep(0.05)
    else:
        click(*CLOSE_BUTTON)


def scenario_leftovers(start):
    """As the user, one way out per run: the first three after every main page, every brand's start
    page and the X7 page; the rest in unusual sessions after the copper page's and a brand page's
    browsers have started the engine; a signal with a job unsaved, which must not ask; a job file
    named relative to the folder the program starts in; no display, or one that does not answer,
    which the program refuses on standard error with status 1. Nothing is left: no process, nothing
    written to the homes, TMPDIR or the program's folder, no private folder anywhere. A program
    killed outright leaves its private folder to the next start, which removes it."""
    tmp, runtime = os.path.join(USER_ROOT, "tmp"), os.path.join(USER_ROOT, "runtime")
    made = ((os.path.join(tmp, "read-only"), "555"), (f"{runtime}/open", "777"), (f"{runtime}/own", "700"))
    for folder, mode in made:
        subprocess.run(as_user("mkdir", "-p", "-m", mode, folder), check=True)
        os.utime(folder, (time.time() - 60,) * 2)
    jobs = os.path.join(USER_ROOT, "home", "工程")
    subprocess.run(as_user("mkdir", "-p", jobs), check=True)
    with open(os.path.join(jobs, "工程.kalmoro"), "w", encoding="utf-8") as job:
        job.write(JOB_OF_LI)
    os.chmod(os.path.join(jobs, "工程.kalmoro"), 0o644)
    for made_before in (os.path.join(jobs, "工程.kalmoro"), jobs):
        os.utime(made_before, (time.time() - 60,) * 2)
    runs = [("Esc", []), ("close", []), ("SIGTERM", []), ("SIGTERM with a job unsaved", []),
            ("a job named from the folder started in", []), ("no display", ["DISPLAY="]),
            ("a display that does not answer", ["DISPLAY=:97"]),
            ("TMPDIR missing", [f"TMPDIR={tmp}/missing"]),
            ("TMPDIR read-only", [f"TMPDIR={tmp}/read-only"]),
            ("a runtime folder open to all", [f"XDG_RUNTIME_DIR={runtime}/open"]),
            ("the user's bus", [f"XDG_RUNTIME_DIR={runtime}/own", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1"]),
            ("a killed run before", [])]
    for run, environment in runs:
        bus = None
        if run == "the user's bus":
            bus = int(subprocess.run(as_user("dbus-daemon", "--session", f"--address=unix:path={runtime}/own/bus",
                                             "--fork", "--print-pid"), capture_output=True, text=True,
                                     check=True).stdout)
        try:
            if run == "a killed run before":
                killed = start(account=as_user())
                on_screen(killed)
                killed.process.kill()
                killed.process.wait()
                wait_for("every process of the killed program to end", lambda: not program_processes())
                if not [name for name in os.listdir(tmp) if name.startswith("kalmoro-")]:
                    raise Failure("the killed program left no private folder to remove")
            # A second back: file times have a resolution of a second on some file systems.
            moment = time.time() - 1
            if run == "a job named from the folder started in":
                program = start(account=as_user(*environment), arguments=["工程.kalmoro"], folder=jobs)
            else:
                program = start(account=as_user(*environment))
            if "display" in run:
                refused_without_display(program, run)
            else:
                use_then_leave(program, run, on_screen(program))
                program.ends_cleanly(run)
            wait_for(f"every process of the program to end after {run}", lambda: not program_processes(bus))
            left = left_since(moment, program)
            if left:
                raise Failure(f"after {run} these were left:\n" + "\n".join(left))
        finally:
            if bus:
                os.kill(bus, signal.SIGTERM)
                wait_for("the user's bus and what it started to end", lambda: not program_processes())
        note(program, f"{run}: nothing left")


def running(pid):
    """Whether the process is there and not only waiting to be reaped."""
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except FileNotFoundError:
        return False


def scenario_lost_display(start):
    """The X server goes away while a brand page is on screen: the program ends by itself with
    status 1, as without the engine, and no process of it is left. On an X server of its own, so
    that the session's stays."""
    server = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1920x1080x24", "-nolisten", "tcp"],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    session, manager = os.environ["DISPLAY"], None
    try:
        os.environ["DISPLAY"] = ":" + server.stdout.readline().strip()
        manager = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("openbox", lambda: "window id" in subprocess.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True, text=True, timeout=5).stdout)
        program = start()
        click = on_screen(program)
        xdo("key", "alt+5")
        click(*BRAND_CHOICES[0])
        page_settles(program)
        processes = with_children(program.process.pid)
        if len(processes) < 2:
            raise Failure("the brand page started no browser engine")
        server.kill()
        server.wait()
        wait_for("the program to end without its display", lambda: program.process.poll() is not None)
        if program.process.returncode != 1:
            raise Failure(f"without its display the program ended with exit code {program.process.returncode}, "
                          "expected 1")
        wait_for("every process of the program to end", lambda: not any(map(running, processes)))
    finally:
        for process in (manager, server):
            if process and process.poll() is None:
                process.kill()
                process.wait()
        os.environ["DISPLAY"] = session


# These start the program themselves, in sessions of their own.
STARTING_SCENARIOS = ("kept", "leftovers", "lost_display")
JOB_OF_LI = """{
    "kalmoro-job": 1,
    "customer": {"address": "", "name": "李女士", "phone": ""},
    "date": "2026-12-07",
    "dealer": {"company": "", "contact": "", "phone": ""},
    "discount": "0.00",
    "lines": [],
    "notes": "",
    "refrigerantUnitPrice": "0.00",
    "site": "",
    "taxRate": "0",
    "validityDays": 30
}
"""


def main():
    scenario, path, screenshots = sys.argv[1:4]
    os.makedirs(screenshots, exist_ok=True)
    started = []

    def start(arguments=(), account=(), folder=None):
        started.append(Program(path, screenshots, scenario, arguments, account, folder))
        return started[-1]
    try:
        if scenario in STARTING_SCENARIOS:
            globals()[f"scenario_{scenario}"](start)
        else:
            program = start()
            program.attach()
            note(program, f"window at {program.x},{program.y}")
            globals()[f"scenario_{scenario}"](program)
    except Failure as failure:
        print(f"FAIL [{scenario}]: {failure}", file=sys.stderr)
        for program in started[-1:]:
            program.log.seek(0)
            print("--- program output", file=sys.stderr)
            sys.stderr.write(program.log.read())
        return 1
    finally:
        for program in started:
            program.stop()
    print(f"[{scenario}] passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
